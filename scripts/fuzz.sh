#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each for SECONDS seconds, one
# after another: scripts/fuzz.sh [SECONDS] [TARGET...] (default 60 s, every target).
# Exits non-zero when a target finds a crash; its input is left in build/fuzz/crashes/TARGET/
# and its output in build/fuzz/logs/TARGET.log. Inputs that found new code are kept in
# build/fuzz/corpus/TARGET/ for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] ||
  targets=(ini_fuzzer reg_file_fuzzer keep_list_fuzzer wildcard_fuzzer plugin_item_fuzzer)

declare -A max_len=(
  [ini_fuzzer]=4096 [reg_file_fuzzer]=8192 [keep_list_fuzzer]=2048
  [wildcard_fuzzer]=256 [plugin_item_fuzzer]=2048
)
fixtures=tests/fixtures
shared=../shared/fixtures
declare -A extra_seeds=(
  [reg_file_fuzzer]=$fixtures/registry
)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz
mkdir -p "$out/logs" "$out/crashes"
# The cleaner definitions database is no part of the repository; slices of it seed the INI
# target when the shared fixtures lie beside it.
if [ -f "$shared/winapp2/Winapp2.ini" ] && [ ! -d "$out/seeds/ini_fuzzer" ]; then
  mkdir -p "$out/seeds/ini_fuzzer"
  head -c 200000 "$shared/winapp2/Winapp2.ini" |
    split -b 4000 - "$out/seeds/ini_fuzzer/winapp2-"
fi
[ -d "$out/seeds/ini_fuzzer" ] && extra_seeds[ini_fuzzer]=$out/seeds/ini_fuzzer

# The targets rebuild a machine folder per input: keep it in memory, and in a folder of this
# run's own, since a crash leaves its machine folder behind.
scratch_parent=/tmp
[ -w /dev/shm ] && scratch_parent=/dev/shm
TMPDIR=$(mktemp -d "$scratch_parent/quellorn-fuzz-run.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

failed=()
for target in "${targets[@]}"; do
  corpus=$out/corpus/$target
  crashes=$out/crashes/$target
  mkdir -p "$corpus" "$crashes"
  args=(-max_len="${max_len[$target]}" -max_total_time="$seconds" -timeout=20
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$crashes/")
  [ -f "fuzz/dict/$target.dict" ] && args+=(-dict="fuzz/dict/$target.dict")
  seeds=("fuzz/corpus/$target")
  [ -n "${extra_seeds[$target]:-}" ] && seeds+=("${extra_seeds[$target]}")
  echo "== $target: ${seconds}s"
  if "$out/fuzz/$target" "${args[@]}" "$corpus" "${seeds[@]}" >"$out/logs/$target.log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added)|cov: ' "$out/logs/$target.log" |
      tail -3
  else
    failed+=("$target")
    tail -40 "$out/logs/$target.log"
    echo "== $target found a crash: see $crashes/"
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzz targets that crashed: ${failed[*]}"; exit 1; }
echo "every fuzz target ran ${seconds}s without a crash"
