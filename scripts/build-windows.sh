#!/bin/sh
# Cross-builds dealmint.exe and gib.exe for 64-bit Windows with mingw-w64 (libdds's
# source is fetched first, see fetch-dds-source.sh) and packs dealmint-VERSION-win64.zip
# (-win32.zip with -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake)
# in the build folder: both programs, README.txt with CR LF line ends and libdds's
# license. Usage: build-windows.sh [BUILD_DIR [CMAKE_OPTION...]]; BUILD_DIR defaults to
# build-win64, and -DDEALMINT_TESTS=ON builds the tests that ctest runs under wine.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-win64}
[ $# -eq 0 ] || shift
"$top/scripts/fetch-dds-source.sh"
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-x86_64-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DDEALMINT_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j2 >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
bits=win64
grep -q '^CMAKE_AR:.*i686' "$build/CMakeCache.txt" && bits=win32
name=dealmint-$version-$bits
stage="$build/package/$name"
rm -rf "$build/package" "$build/$name.zip"
mkdir -p "$stage"
cp "$build/bin/dealmint.exe" "$build/bin/gib.exe" "$stage/"
sed "s/@VERSION@/$version/; s/\$/\r/" "$top/packaging/windows/README.txt" >"$stage/README.txt"
sed 's/\r$//; s/$/\r/' "$top/third_party/dds/LICENSE" >"$stage/LICENSE-libdds.txt"
(cd "$build/package" && cmake -E tar cf "../$name.zip" --format=zip "$name")
echo "$build/$name.zip"
