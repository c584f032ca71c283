#!/usr/bin/env bash
# Builds Quellorn for Linux and for Windows and passes every test: the native suite, a minute
# of every fuzz target, and the Windows suite under Wine. Sets up everything it needs on a
# fresh Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

scripts/fuzz.sh 60

cmake --preset win64
cmake --build --preset win64
ctest --preset win64
