#!/bin/sh
# The GUI test: puts quellorn.exe (with its logo) into a program folder of the test prefix, runs
# the test driver there on the test run's display, and turns the screenshots it took into PNG
# files in the build folder.
#   gui-test.sh BUILD_DIR PROGRAM_DIR DRIVER SHOTS_DIR
set -eu
build=$1
program_dir=$2
driver=$3
shots=$4
. "$build/wine-env.sh"
"$build/wine-prefix"
folder="$WINEPREFIX/drive_c/quellorn-gui"
taken="$WINEPREFIX/drive_c/quellorn-gui-shots"
rm -rf "$folder" "$taken" "$WINEPREFIX/drive_c/quellorn-gui-traces"
mkdir -p "$folder" "$taken"
cp "$program_dir/quellorn.exe" "$folder/"
if [ -f "$program_dir/logo.jpg" ]; then cp "$program_dir/logo.jpg" "$folder/"; fi

status=0
"$build/wine-run" "$driver" || status=$?

mkdir -p "$shots"
for shot in "$taken"/*.bmp; do
  [ -e "$shot" ] || continue
  name=$(basename "$shot" .bmp)
  if command -v convert >/dev/null 2>&1; then
    convert "$shot" "$shots/$name.png"
  else
    cp "$shot" "$shots/"
  fi
done
exit $status
