#!/bin/sh
# dealmint.exe starts COMSPEC (here a probe that notes what it was given) with the
# command text of the system: the path in double quotes, three blanks, then
# /C gib < 99Store.txt > 99Store.txt.out; and the solver's Path ends with the folder of
# dealmint.exe. With COMSPEC unset nothing is started and the reader's stop follows.
# Usage: command_line.sh WINDOWS_BIN PROBE_EXE SOURCE_DIR. Needs WINEPREFIX set.
set -u
win_bin=$1 probe=$2 source_dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
cp "$source_dir/examples/example.pbn" "$work/"
cd "$work" || exit 1
failed=0
fail() {
  printf 'FAIL: %s\n' "$1"
  failed=1
}
# wine sets COMSPEC itself: cmd.exe sets the value dealmint.exe is to see.
run_with_comspec() {
  rm -f probe.txt
  wine cmd /c "set COMSPEC=$1&& $(windows_path "$win_bin/dealmint.exe") example" >console.txt 2>/dev/null
  if [ "$(cat console.txt)" != "$(printf 'Processing board 1\r\nHalted by URunAbor because:\r\nInput file 99Store.txt.Out not found.\r\n')" ]; then
    fail "console with COMSPEC \"$1\":"
    od -c console.txt | head -5
  fi
}

run_with_comspec "$(windows_path "$probe")"
expected=$(printf '"%s"   /C gib < 99Store.txt > 99Store.txt.out' "$(windows_path "$probe")")
[ "$(sed -n 1p probe.txt)" = "$expected" ] || fail "command line [$(sed -n 1p probe.txt)], expected [$expected]"
case "$(sed -n 2p probe.txt)" in
  *";$(windows_path "$win_bin")") ;;
  *) fail "Path [$(sed -n 2p probe.txt)] does not end with ;$(windows_path "$win_bin")" ;;
esac
run_with_comspec ""
[ ! -e probe.txt ] || fail "something ran with COMSPEC unset"
[ "$failed" -eq 0 ] && echo "the solver command line, its Path and an unset COMSPEC are as expected"
exit "$failed"
