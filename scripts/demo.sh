#!/usr/bin/env bash
# Builds Quellorn, creates a fresh demo machine (a Windows XP user kept in a folder) and runs
# a test run, then an erase run, on it with the console front end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native-release >/dev/null
cmake --build --preset native-release
bin=build/native-release
machine=build/demo-machine
rm -rf "$machine"
"$bin/tools/demo/quellorn-demo" "$machine"

echo
echo "== Test run: what would be erased (nothing changes) =="
"$bin/src/app/quellorn-cli" --machine "$machine" test
echo
echo "== Erase run =="
"$bin/src/app/quellorn-cli" --machine "$machine" erase --yes
if [ -f "$machine/shell.log" ]; then
  echo
  echo "== Programs the run started (the machine folder records them instead) =="
  cat "$machine/shell.log"
fi
echo
echo "The machine is in $machine; its activity log is" \
  "$machine/drive_c/Program Files/Quellorn/syslog.txt"
