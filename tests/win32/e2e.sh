#!/bin/sh
# The Windows dealmint.exe under wine against the Linux dealmint, case by case: the same
# input in fresh directories must give the same console bytes (code addresses of the
# I/O error stop aside), exit code and par file bytes (and a victim file's, where links
# point at one). Real solvers (gib.exe beside
# dealmint.exe, found through Path; gib beside dealmint) on the example and on corpus
# boards with double-dummy tags, fake solvers (gib.bat in the working directory, which
# cmd.exe finds first; a gib script first on PATH) for the reader's stops.
# Usage: e2e.sh WINDOWS_BIN LINUX_BIN SOURCE_DIR CORPUS_DIR. Exit 77 (skipped) when
# there is no Linux build to compare with. Needs WINEPREFIX set.
set -u
win_bin=$1 linux_bin=$2 source_dir=$3 corpus_dir=$4
if [ ! -x "$linux_bin/dealmint" ] || [ ! -x "$linux_bin/gib" ]; then
  echo "no Linux build in $linux_bin to compare with: skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
crlf() { printf '%s\r\n' "$@"; }
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# A canned solver output: $1 prompts, each followed by the result line $2.
prompts() {
  i=0
  while [ "$i" -lt "$1" ]; do
    crlf "Enter argument line: " "$2"
    i=$((i + 1))
  done
}

# Fake solvers that print canned.out of the working directory, after running $1 (a
# command line, may be empty) with its output to second.txt.
fake_solvers() {
  mkdir -p "$work/fake/posix" "$work/fake/win"
  {
    echo "#!/bin/sh"
    [ -z "$1" ] || echo "$1 > second.txt"
    echo "exec cat canned.out"
  } >"$work/fake/posix/gib"
  chmod +x "$work/fake/posix/gib"
  {
    [ -z "$2" ] || crlf "@$2 > second.txt"
    crlf "@type canned.out"
  } >"$work/fake/win/gib.bat"
}

# run_case NAME SETUP ARGUMENT...: SETUP is a shell function that fills the directory
# given to it; FAKE=1 in the environment puts the fake solvers in place.
run_case() {
  name=$1 setup=$2
  shift 2
  for side in linux win; do
    dir="$work/$name/$side"
    mkdir -p "$dir"
    (cd "$dir" && "$setup")
    start=$(date +%s.%N)
    if [ "$side" = linux ]; then
      if [ "${FAKE:-0}" = 1 ]; then path="$work/fake/posix:$PATH"; else path=$PATH; fi
      (cd "$dir" && env -u COMSPEC PATH="$path" GIB_SERVER=off "$linux_bin/dealmint" "$@" >console.out)
    else
      [ "${FAKE:-0}" = 0 ] || cp "$work/fake/win/gib.bat" "$dir/"
      (cd "$dir" && wine "$win_bin/dealmint.exe" "$@" >console.out)
    fi
    echo $? >"$dir/exit.code"
    end=$(date +%s.%N)
    echo "$start $end" >"$work/$name/$side.time"
    sed 's/ at \$[0-9A-F]\{8\}\r$/ at $ADDRESS\r/' "$dir/console.out" >"$dir/console.masked"
    rm -f "$dir/gib.bat"
  done
  fault=""
  for path in "$work/$name/linux/console.masked" "$work/$name/linux/exit.code" \
    "$work/$name/linux/"*.par "$work/$name/linux/second.txt" "$work/$name/linux/victim.txt"; do
    [ -f "$path" ] || continue
    f=$(basename "$path")
    cmp -s "$path" "$work/$name/win/$f" || fault="$fault $f"
  done
  for side in linux win; do
    victim="$work/$name/$side/victim.txt"
    [ ! -f "$victim" ] || [ "$(cat "$victim")" = "$(printf 'keep me\r')" ] || fault="$fault $side-victim"
  done
  if [ -z "$fault" ]; then
    passed=$((passed + 1))
    echo "ok   $name (exit $(cat "$work/$name/linux/exit.code"))"
  else
    failed=$((failed + 1))
    echo "FAIL $name: differs in$fault"
    for f in console.out exit.code; do
      echo "  linux $f:"; od -c "$work/$name/linux/$f" | head -8
      echo "  windows $f:"; od -c "$work/$name/win/$f" | head -8
    done
  fi
}

nothing() { :; }
example() { cp "$source_dir/examples/example.pbn" .; }
corpus() {
  for f in bridgecomposer-2014-three-crlf realbridge-2021-online-qual bridgecomposer-wbridge5-match; do
    cp "$corpus_dir/$f.pbn" .
  done
}
par_is_directory() { example && mkdir example.par; }
bad_vulnerability() { sed '0,/^\[Vulnerable "[^"]*"\]/s//[Vulnerable "LOVE"]/' "$source_dir/examples/example.pbn" >example.pbn; }
canned_19() { example && prompts 19 "Tricks for NS: 7" >canned.out; }
canned_20() { example && prompts 20 "Tricks for NS: 7" >canned.out; }
canned_out_of_range() { example && prompts 20 "Tricks for NS: 14" >canned.out; }
canned_bad_number() { example && prompts 20 "Tricks for NS: 9," >canned.out; }
canned_empty() { example && : >canned.out; }
empty_input() { : >empty.pbn; }
repeated_boards() {
  canned_20 && cat "$source_dir/examples/example.pbn" "$source_dir/examples/example.pbn" >example.pbn
}
stale_par_file() { canned_20 && head -c 5000 /dev/zero | tr '\0' x >example.par; }
long_line_and_nul_bytes() {
  canned_20
  { head -c 1048576 /dev/zero | tr '\0' '%'; printf '\r\n\0\0\r\n'; } >example.pbn
  cat "$source_dir/examples/example.pbn" >>example.pbn
}
# The shared-directory cases: second names (hard links) of a victim file at the fixed
# names (its bytes must stay), a stray capitalised output file, byte-order marks and a
# Board value that its reading would cut into another number. Symbolic links and FIFOs
# are left out: wine shows a Unix symbolic link as the file it names, not as a link.
links_at_the_fixed_names() {
  example && printf 'keep me\r\n' >victim.txt
  for n in 99Store.txt 99Store.txt.001 99Store.txt.020 99Store.txt.out; do ln victim.txt "$n"; done
}
stray_capitalised_output() { canned_20 && prompts 20 "Tricks for NS: 3" >99Store.txt.Out; }
with_bom() { printf "$1" >example.pbn && cat "$source_dir/examples/example.pbn" >>example.pbn; }
utf8_bom() { with_bom '\357\273\277'; }
utf16_bom() { with_bom '\377\376'; }
board_value_cut() { sed '0,/^\[Board "1"\]/s//[Board "12" ]/' "$source_dir/examples/example.pbn" >example.pbn; }

run_case usage_none nothing
run_case usage_two nothing a b
run_case missing_input nothing nosuch
run_case name_too_long nothing "$(printf '%0252d' 0)"
run_case empty_input_warns_of_21_files empty_input empty
run_case bad_vulnerability bad_vulnerability example
run_case par_file_is_a_directory par_is_directory example
run_case example_real_solver example example
run_case links_at_the_fixed_names links_at_the_fixed_names example
run_case utf8_bom_passed_over utf8_bom example
run_case utf16_bom_named utf16_bom example
run_case board_value_cut_stops board_value_cut example
if [ -d "$corpus_dir" ]; then
  for f in bridgecomposer-2014-three-crlf realbridge-2021-online-qual bridgecomposer-wbridge5-match; do
    run_case "corpus_$f" corpus "$f"
  done
else
  echo "no corpus in $corpus_dir: its cases skipped"
fi

fake_solvers "" ""
export FAKE=1
run_case fake_nineteen_prompts canned_19 example
run_case fake_count_out_of_range canned_out_of_range example
run_case fake_bad_number canned_bad_number example
run_case fake_empty_output canned_empty example
run_case fake_twenty_prompts canned_20 example
run_case each_board_number_once repeated_boards example
run_case a_par_file_is_replaced_from_the_start stale_par_file example
run_case a_stray_capitalised_output_is_not_read stray_capitalised_output example
run_case a_megabyte_line_and_nul_bytes long_line_and_nul_bytes example
# A second run started in the same directory while the first one's solver runs.
fake_solvers "\"$linux_bin/dealmint\" example" "\"$(windows_path "$win_bin/dealmint.exe")\" example"
run_case second_run_in_the_same_directory canned_20 example
unset FAKE

# Time per board with the real solvers on the corpus boards.
boards=0 linux_seconds=0 win_seconds=0
for t in "$work"/corpus_*; do
  [ -d "$t" ] || continue
  n=$(wc -l <"$t/linux/$(basename "$t" | sed 's/^corpus_//').par")
  boards=$((boards + n))
  linux_seconds=$(awk -v a="$linux_seconds" '{ print a + $2 - $1 }' "$t/linux.time")
  win_seconds=$(awk -v a="$win_seconds" '{ print a + $2 - $1 }' "$t/win.time")
done
if [ "$boards" -gt 0 ]; then
  awk -v n="$boards" -v l="$linux_seconds" -v w="$win_seconds" 'BEGIN {
    printf "%d corpus boards: %.0f ms per board on Linux, %.0f ms under wine\n", n, 1000 * l / n, 1000 * w / n }'
fi
echo "$passed cases passed, $failed failed"
[ "$failed" -eq 0 ]
