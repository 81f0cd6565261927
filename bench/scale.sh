#!/bin/sh
# The driver's own cost per board and its peak memory, with a gib that answers at once:
# dealmint on a file of N boards (default 20000) against the same number of bare solver
# runs through /bin/sh. Usage: bench/scale.sh [N]
set -eu
n=${1:-20000}
. "$(dirname "$0")/prepare.sh"
"$top/bench/make_deals.sh" 100 "$work/deals"
awk -v n="$n" '{ d[NR] = $0 } END { for (i = 1; i <= n; i++)
  printf "[Board \"%d\"]\n[Deal \"%s\"]\n\n", i, d[(i - 1) % NR + 1] }' "$work/deals.txt" > "$work/scale.pbn"
cd "$work"
PATH="$top/build-bench/bench/instant:/usr/bin:/bin"
export PATH
start=$(date +%s.%N)
/usr/bin/time -f "%M" -o peak.txt "$top/build-bench/bin/dealmint" scale > /dev/null
end=$(date +%s.%N)
printf -- '-d -v 99Store.txt.%03d\r\n' $(seq 1 20) > 99Store.txt
solver_start=$(date +%s.%N)
i=0
while [ "$i" -lt "$n" ]; do sh -c "gib < 99Store.txt > 99Store.txt.out"; i=$((i + 1)); done
solver_end=$(date +%s.%N)
awk -v n="$n" -v s="$start" -v e="$end" -v ss="$solver_start" -v se="$solver_end" \
  -v peak="$(cat peak.txt)" 'BEGIN {
  total = (e - s) * 1000 / n; solver = (se - ss) * 1000 / n
  printf "boards                      %d\n", n
  printf "dealmint per board          %.2f ms\n", total
  printf "bare solver run per board   %.2f ms\n", solver
  printf "driver own cost per board   %.2f ms\n", total - solver
  printf "dealmint peak memory        %d KiB\n", peak }'
