#!/bin/sh
# Configures the project twice, in fresh directories: by default compiler warnings must not
# be errors (a user's or a packager's build must not fail on a new compiler's warning);
# with DEALMINT_WERROR=ON they must be. Usage: tests/warning_options_test.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # check NAME WANTED CMAKE-ARGUMENTS...
  name=$1 wanted=$2
  shift 2
  cmake -S "$top" -B "$work/$name" -DDEALMINT_TESTS=OFF "$@" > "$work/$name.log" 2>&1 ||
    { echo "FAIL: $name: cmake failed"; cat "$work/$name.log"; exit 1; }
  flags="$work/$name/runtime/CMakeFiles/runtime.dir/flags.make"
  [ -f "$flags" ] || { echo "FAIL: $name: no $flags"; exit 1; }
  if grep -q -- '-Werror' "$flags"; then found=yes; else found=no; fi
  grep -q -- '-Wall -Wextra -Wpedantic' "$flags" || { echo "FAIL: $name: warnings off"; failed=1; }
  if [ "$found" = "$wanted" ]; then echo "ok: $name: -Werror $found"
  else echo "FAIL: $name: -Werror $found, wanted $wanted"; failed=1; fi
}
check release no -DCMAKE_BUILD_TYPE=Release
check werror yes -DCMAKE_BUILD_TYPE=Release -DDEALMINT_WERROR=ON
exit $failed
