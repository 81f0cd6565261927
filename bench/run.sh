#!/bin/sh
# Builds a release tree and measures gib and dealmint against libdds in-process on N random
# deals (default 100). Usage: bench/run.sh [N]
set -eu
n=${1:-100}
. "$(dirname "$0")/prepare.sh"
"$top/bench/make_deals.sh" "$n" "$work/deals"
"$top/build-bench/bin/solver_bench" "$work/deals.txt" "$top/build-bench/bin" "$work"
