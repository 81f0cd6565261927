#!/bin/sh
# The Windows release zip, unpacked into a fresh folder and run in a fresh wine prefix
# of its own: dealmint.exe must write the example's par file byte for byte, and the
# README must end every line with CR LF. Usage: check-zip.sh ZIP SOURCE_DIR; exit 77
# (skipped) when the zip has not been made (scripts/build-windows.sh makes it).
set -eu
zip=$1 source_dir=$2
[ -f "$zip" ] || { echo "no $zip: skipped"; exit 77; }
root=$(mktemp -d)
export WINEPREFIX="$root/prefix" WINEDEBUG=-all
trap 'wineserver --kill 2>/dev/null || true; rm -rf "$root"' EXIT
mkdir "$root/unpacked" "$root/work"
(cd "$root/unpacked" && cmake -E tar xf "$zip")
package=$(ls -d "$root"/unpacked/dealmint-*-win64)
for f in dealmint.exe gib.exe README.txt LICENSE-libdds.txt; do
  [ -f "$package/$f" ] || { echo "FAIL: the zip lacks $f"; exit 1; }
done
if tr -d '\r' <"$package/README.txt" | cmp -s - "$package/README.txt" ||
  [ "$(grep -c "$(printf '\r')\$" "$package/README.txt")" -ne "$(wc -l <"$package/README.txt")" ]; then
  echo "FAIL: README.txt does not end every line with CR LF"
  exit 1
fi
cp "$source_dir/examples/example.pbn" "$root/work/"
(cd "$root/work" && wine "$package/dealmint.exe" example </dev/null >console.txt 2>/dev/null)
cmp "$root/work/example.par" "$source_dir/tests/data/e2e/example.par" || { echo "FAIL: par file differs"; exit 1; }
echo "the unpacked dealmint.exe wrote the example's par file in a fresh prefix"
