#!/usr/bin/env bash
# Times the erase primitives on generated trees, each next to a reference tool on the same
# kind of tree in the same run, and prints the ratios:
#   test run (log included) over 100,000 files of 1-8 KiB   vs  du -sb        target <= 2.5x
#   erase run, plain delete, over a fresh copy              vs  rm -rf        target <= 1.0x
#   secure erase, one pass, 10,000 small files              vs  shred -n 0 -z -u   >= 3x faster
#   secure erase, one pass, ~1.5 GB of 1-16 MiB files       vs  dd conv=notrunc,fsync  >= 100%
# and the reading of a plugin item and a settings.dat of 460 KiB and of 10 MiB: running the item
# (test mode), reading the settings at start-up and saving one key.  target: seconds each
# and the cost of keeping the registry: an erase run of a 300-entry Run history on a 3.6 MB
# registry.reg, which is saved once per item (about 0.2 s; saved per change it took 30-56 s).
# Then the Windows build under Wine, in the test prefix of build/win64: its test and erase runs
# over 50,000 files against a bare FindFirstFileEx walk of the same tree, each process timed
# whole after one warm-up (the shortest of five runs), with the output going to NUL, to a pipe
# and to a console (a pty).
#   test run  vs  bare walk  target <= 2x for each output
# Usage: bench/run.sh [WORK_FOLDER]   (default build/bench; needs ~4 GB free)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset native-release >/dev/null
cmake --build --preset native-release --target quellorn-bench >/dev/null
bench="$PWD/build/native-release/bench/quellorn-bench"
work="$(realpath -m "${1:-build/bench}")"
rm -rf "$work"
mkdir -p "$work/machine/drive_c/bench" "$work/machine/drive_c/Program Files/Quellorn"
drive="$work/machine/drive_c/bench"
log="$work/machine/drive_c/Program Files/Quellorn/syslog.txt"

now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
elapsed() { calc "$(now) - $1"; }
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
ours() {  # mode, folder under drive_c\bench; prints seconds, keeps the bench's own line
  local start
  sync
  start=$(now)
  "$bench" run "$1" "$work/machine" "C:\\bench\\$2" > "$work/last.txt"
  elapsed "$start"
}

echo "Large INI files..."
for kib in 460 10240; do
  echo "ini:        $("$bench" ini "$work/machine" "$kib")"
done
mkdir -p "$work/registry"
echo "registry:   $("$bench" registry "$work/registry" 15000 300)"
rm -rf "$work/registry"

echo "Generating 100,000 files of 1-8 KiB in 1,000 folders..."
"$bench" generate "$drive/tree" 100000 1000 1 8
cp -a "$drive/tree" "$drive/tree_rm"
cp -a "$drive/tree" "$drive/tree_q"
sync
du -sb "$drive/tree" >/dev/null  # warm the cache for both readers

start=$(now); du -sb "$drive/tree" >/dev/null; du_s=$(elapsed "$start")
test_s=$(ours test tree)
echo "test run:   $(cat "$work/last.txt") logged=$(wc -l < "$log")"
echo "            du -sb ${du_s}s, ours ${test_s}s: $(ratio "$test_s" "$du_s")x (target <= 2.5x)"
rm -f "$log"

sync; start=$(now); rm -rf "$drive/tree_rm"; sync; rm_s=$(elapsed "$start")
sync; start=$(now); ours erase tree_q >/dev/null; sync; erase_s=$(elapsed "$start")
echo "erase run:  $(cat "$work/last.txt")"
echo "            rm -rf ${rm_s}s, ours ${erase_s}s: $(ratio "$erase_s" "$rm_s")x (target <= 1.0x)"
rm -f "$log"

echo "Generating 2 x 10,000 small files..."
"$bench" generate "$drive/small_shred" 10000 100 1 8
"$bench" generate "$drive/small_q" 10000 100 1 8
sync
sync; start=$(now); find "$drive/small_shred" -type f -print0 | xargs -0 shred -n 0 -z -u; shred_s=$(elapsed "$start")
secure_s=$(ours secure small_q)
echo "secure:     $(cat "$work/last.txt")"
echo "            shred ${shred_s}s, ours ${secure_s}s: $(ratio "$shred_s" "$secure_s")x faster (target >= 3x)"
rm -f "$log"

echo "Generating ~1.5 GB of 1-16 MiB files..."
"$bench" generate "$drive/large" 180 4 1024 16384
sync
bytes=$(du -sb "$drive/large" | cut -f1)
start=$(now)
find "$drive/large" -type f | while read -r f; do
  dd if=/dev/zero of="$f" bs=1M count=$(( $(stat -c %s "$f") / 1048576 )) conv=notrunc,fsync status=none
done
dd_s=$(elapsed "$start")
large_s=$(ours secure large)
echo "secure big: $(cat "$work/last.txt")"
mib=$(calc "$bytes / 1048576")
dd_mbs=$(calc "$mib / $dd_s")
our_mbs=$(calc "$mib / $large_s")
echo "            $mib MiB: dd $dd_mbs MiB/s, ours $our_mbs MiB/s:" \
  "$(calc "100 * $our_mbs / $dd_mbs")% of dd (target >= 100%)"
rm -rf "$work"

echo "Windows build under Wine: generating 50,000 files of 1-8 KiB in 500 folders..."
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target quellorn-winbench >/dev/null
wine_run="$PWD/build/win64/wine-run"
. build/win64/wine-env.sh
wine_c="$WINEPREFIX/drive_c"
"$PWD/build/win64/wine-prefix"
wine_work="$wine_c/qbench"
rm -rf "$wine_work"
mkdir -p "$wine_work/prog"
cp build/win64/bench/quellorn-winbench.exe "$wine_work/"
"$bench" generate "$wine_work/tree" 50000 500 1 8
exe='C:\qbench\quellorn-winbench.exe'
walk_args="walk C:\\qbench\\tree"
run_args() { echo "run $1 C:\\qbench\\$2 C:\\qbench\\prog"; }
# One command line of the bench under Wine with its standard output going to `sink`.
under_wine() {  # sink, arguments...
  local sink=$1
  shift
  case $sink in
    nul) (cd "$wine_c" && "$wine_run" cmd /c "$exe $* > NUL") ;;
    pipe) (cd "$wine_c" && "$wine_run" qbench/quellorn-winbench.exe "$@" | cat >/dev/null) ;;
    console)
      (cd "$wine_c" &&
        script -qec "$(printf '%q ' "$wine_run" qbench/quellorn-winbench.exe "$@")" /dev/null) ;;
  esac
}
# A Wine process lasts well under a second, so another program's load shows in any one run:
# the shortest of five runs after the warm-up.
timed_wine() {  # sink, arguments...: seconds
  local start times=()
  under_wine "$@" >/dev/null 2>&1
  for _ in 1 2 3 4 5; do
    start=$(now)
    under_wine "$@" >/dev/null 2>&1
    times+=("$(elapsed "$start")")
  done
  printf '%s\n' "${times[@]}" | sort -n | head -1
}
for sink in nul pipe console; do
  walk_s=$(timed_wine "$sink" $walk_args)
  wtest_s=$(timed_wine "$sink" $(run_args test tree))
  rm -rf "$wine_work/tree_e"
  cp -a "$wine_work/tree" "$wine_work/tree_e"
  start=$(now)
  under_wine "$sink" $(run_args erase tree_e) >/dev/null 2>&1
  werase_s=$(elapsed "$start")
  left=$(find "$wine_work/tree_e" -type f | wc -l)
  printf 'wine %-8s bare walk %ss, test run %ss: %sx (target <= 2x); erase run %ss: %sx, %s left\n' \
    "$sink:" "$walk_s" "$wtest_s" "$(ratio "$wtest_s" "$walk_s")" "$werase_s" \
    "$(ratio "$werase_s" "$walk_s")" "$left"
done
rm -rf "$wine_work"
"$PWD/build/win64/wine-prefix" --stop
