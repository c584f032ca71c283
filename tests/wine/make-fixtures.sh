#!/bin/sh
# Creates what the tests of the Windows build need but a Windows program cannot make under Wine:
# symbolic links (below C:\qlinks) and files whose attributes are set the Unix way (below
# C:\qattrs). Run before those tests; the tests change what is here, so each run starts afresh.
#   make-fixtures.sh BUILD/wine-env.sh
set -eu
. "$1"
top="$WINEPREFIX/drive_c/qlinks"
rm -rf "$top"

# Targets that must come through every test intact.
mkdir -p "$top/targets/dir/sub" "$top/targets/empty"
printf alpha > "$top/targets/dir/a.txt"
printf beta > "$top/targets/dir/sub/b.txt"
printf target > "$top/targets/file.txt"

# A tree to delete whole, with links at two levels.
mkdir -p "$top/tree/nested"
printf plain > "$top/tree/plain.txt"
printf nested > "$top/tree/nested/n.txt"
ln -s ../targets/dir "$top/tree/dir_link"
ln -s ../targets/empty "$top/tree/empty_link"
ln -s ../targets/file.txt "$top/tree/file_link"
ln -s ../../targets/dir "$top/tree/nested/inner_link"

# Links handed to the back end's calls directly.
mkdir -p "$top/single"
for call in shell files rename listing; do
  ln -s ../targets/dir "$top/single/${call}_dir_link"
  ln -s ../targets/empty "$top/single/${call}_empty_link"
  ln -s ../targets/file.txt "$top/single/${call}_file_link"
done

# Trees that erasers walk: links into a folder beside the tree, which must stay intact.
for name in folder_tree subfolders matching count_tree keep_folder quiet_tree update_file \
    folder_pattern; do
  base="$top/linked/$name"
  mkdir -p "$base/outside/sub" "$base/tree/nested"
  printf alpha > "$base/outside/a.txt"
  printf beta > "$base/outside/sub/b.txt"
  printf plain > "$base/tree/plain.txt"
  printf nested > "$base/tree/nested/n.txt"
  ln -s ../outside "$base/tree/link"
  ln -s ../../outside "$base/tree/nested/inner_link"
  ln -s outside/a.txt "$base/file_link"
done

# What Wine itself does with links: these targets are meant to be damaged.
facts="$top/facts"
mkdir -p "$facts/full" "$facts/empty" "$facts/move_me"
printf full > "$facts/full/f.txt"
printf victim > "$facts/victim.txt"
ln -s full "$facts/full_link"
ln -s empty "$facts/empty_link"
ln -s victim.txt "$facts/victim_link"
ln -s move_me "$facts/move_link"
ln -s nowhere "$facts/dangling_link"

# Attributes as Unix keeps them: read-only in the permission bits, hidden and system in the
# extended attribute user.DOSATTRIB. Without python3 there is no way to set that attribute here,
# and the tests that need these files skip.
attrs="$WINEPREFIX/drive_c/qattrs"
rm -rf "$attrs"
mkdir -p "$attrs"
command -v python3 >/dev/null 2>&1 || exit 0
python3 - "$attrs" <<'PY'
import os, sys
top = sys.argv[1]
files = {  # name: (mode, user.DOSATTRIB or None)
    "plain.txt": (0o644, None),
    "no_write.txt": (0o444, None),
    "no_owner_write.txt": (0o464, None),
    "owner_write_only.txt": (0o600, None),
    "hidden.txt": (0o644, b"0x2"),
    "system.txt": (0o644, b"0x4"),
    "hidden_system.txt": (0o644, b"0x6"),
    "hidden_archive.txt": (0o644, b"0x22"),
    "read_only_bit.txt": (0o644, b"0x1"),
    "upper_x.txt": (0o644, b"0X2"),
    "decimal.txt": (0o644, b"2"),
    "garbage.txt": (0o644, b"junk"),
}
for name, (mode, dos) in files.items():
    path = os.path.join(top, name)
    with open(path, "w") as f:
        f.write(name)
    os.chmod(path, mode)
    if dos is not None:
        os.setxattr(path, "user.DOSATTRIB", dos)
for name, (mode, dos) in {"hidden_dir": (0o755, b"0x2"), "no_write_dir": (0o555, None)}.items():
    path = os.path.join(top, name)
    os.mkdir(path)
    os.chmod(path, mode)
    if dos is not None:
        os.setxattr(path, "user.DOSATTRIB", dos)
PY
