#!/bin/sh
# Builds the libFuzzer harnesses with clang and runs each for SECONDS (default 600), two at
# a time, from the regression inputs in fuzz/regressions/<harness>/ and a corpus kept in
# fuzz/corpus-work/. Process stops of the code under test end only their input; a crash,
# a sanitizer report, a leak or a hang (over 10 s) is a fault, saved under fuzz/out/.
# Usage: fuzz/run.sh [SECONDS] [HARNESS...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
[ $# -gt 0 ] && shift
harnesses=${*:-pbn_reader_fuzz solver_output_fuzz job_file_fuzz}
CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -DDEALMINT_FUZZ=ON -DDEALMINT_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$top/build-fuzz" -j2 > /dev/null
status=0
for h in $harnesses; do
  mkdir -p "$top/fuzz/corpus-work/$h" "$top/fuzz/out/$h" "$top/fuzz/regressions/$h"
  (cd "$top/fuzz/out/$h" && "$top/build-fuzz/bin/$h" -max_total_time="$seconds" -timeout=10 \
     -rss_limit_mb=2048 -print_final_stats=1 "$top/fuzz/corpus-work/$h" \
     "$top/fuzz/regressions/$h" > /dev/null 2> "$top/fuzz/out/$h.log") &
  # Two cores: at most two harnesses at once.
  [ "$(jobs -p | wc -l)" -ge 2 ] && { wait -n 2>/dev/null || wait; }
done
wait || status=1
for h in $harnesses; do
  echo "== $h"
  grep -E "^stat::number_of_executed_units|^stat::peak_rss|cov:|ERROR|Done" "$top/fuzz/out/$h.log" | tail -4
  if ls "$top/fuzz/out/$h"/crash-* "$top/fuzz/out/$h"/leak-* "$top/fuzz/out/$h"/timeout-* >/dev/null 2>&1; then
    echo "faults found: $(ls "$top/fuzz/out/$h")"
    status=1
  fi
done
exit $status
