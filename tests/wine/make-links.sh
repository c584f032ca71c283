#!/bin/sh
# Creates the symbolic links the link-safety tests of the Windows build work on, below C:\qlinks
# of the test prefix (a Windows program cannot make them under Wine). Run before those tests;
# the tests change what is here, so each run starts from scratch.
#   make-links.sh BUILD/wine-env.sh
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
for call in shell files rename; do
  ln -s ../targets/dir "$top/single/${call}_dir_link"
  ln -s ../targets/empty "$top/single/${call}_empty_link"
  ln -s ../targets/file.txt "$top/single/${call}_file_link"
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
