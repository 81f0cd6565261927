#!/bin/sh
# Builds the Debian package, unpacks it into a fresh directory and runs the installed
# dealmint on the bundled example from there, with no project directory on PATH; the
# par file must equal the expected one byte for byte. Also runs the installed
# dealmint-batch on it, and renders every manual page
# with every groff warning turned on. Usage: scripts/check-package.sh [BUILD_DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-package}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DDEALMINT_TESTS=OFF > /dev/null
cmake --build "$build" -j2 > /dev/null
rm -f "$build"/dealmint_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/dealmint_*.deb)
echo "package: $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
echo "$depends" | grep -q 'libdds0' || { echo "FAIL: no dependency on libdds0"; exit 1; }

root=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
dpkg-deb -x "$deb" "$root"
for f in usr/bin/dealmint usr/bin/dealmint-batch usr/bin/gib usr/share/man/man1/dealmint.1.gz \
         usr/share/man/man1/dealmint-batch.1.gz usr/share/man/man1/gib.1.gz; do
  [ -e "$root/$f" ] || { echo "FAIL: the package lacks /$f"; exit 1; }
done
cp "$top/examples/example.pbn" "$work/"
(cd "$work" && PATH=/usr/bin:/bin "$root/usr/bin/dealmint" example > output.txt)
cmp "$work/example.par" "$top/tests/data/e2e/example.par" || { echo "FAIL: par file differs"; exit 1; }
echo "installed dealmint wrote the expected par file"
(cd "$work" && PATH=/usr/bin:/bin "$root/usr/bin/dealmint-batch" --no-cache --quiet \
  --par batch.par example.pbn > batch.pbn)
cmp "$work/batch.par" "$top/tests/data/e2e/example.par" || { echo "FAIL: batch par file differs"; exit 1; }
echo "installed dealmint-batch wrote the expected par file"

for page in dealmint dealmint-batch gib; do
  warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -ww -man -Tutf8 -z 2>&1)
  [ -z "$warnings" ] || { echo "FAIL: $page.1: $warnings"; exit 1; }
done
echo "manual pages render without warnings"
echo "1 passed, 0 failed"
