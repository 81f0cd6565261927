#!/bin/sh
# Builds a release tree and measures gib and dealmint against libdds in-process on N random
# deals (default 100). Usage: bench/run.sh [N]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
n=${1:-100}
cmake -S "$top" -B "$top/build-bench" -DCMAKE_BUILD_TYPE=Release -DDEALMINT_TESTS=OFF \
  -DDEALMINT_BENCH=ON > /dev/null
cmake --build "$top/build-bench" -j2 > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$top/bench/make_deals.sh" "$n" "$work/deals"
"$top/build-bench/bin/solver_bench" "$work/deals.txt" "$top/build-bench/bin" "$work"
