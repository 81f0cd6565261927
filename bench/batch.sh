#!/bin/sh
# dealmint-batch against dealmint and against libdds's batch call in process, on the same
# N random deals (default 100) in one run; then dealmint-batch with its cache warm, and
# its peak memory with a warm cache on files of 5,000 and RECORDS (default 20,000)
# records. Usage: bench/batch.sh [N] [RECORDS]
set -eu
n=${1:-100}
records=${2:-20000}
. "$(dirname "$0")/prepare.sh"
bin="$top/build-bench/bin"
"$top/bench/make_deals.sh" "$n" "$work/deals"
cd "$work"
cp deals.pbn whole.pbn
awk '{ printf "[Board \"%d\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n[Deal \"%s\"]\n\n", NR, $0 }' deals.txt > tagged.pbn

now() { date +%s.%N; }
# Seconds a command takes.
timed() { s=$(now); "$@" > /dev/null; e=$(now); echo "$e - $s" | bc -l; }

# Two rounds, each program once per round, so that drift in the machine's speed touches
# all three alike.
dealmint_s=0 batch_s=0 baseline_ms=0
for round in 1 2; do
  t=$(PATH="$bin:$PATH" timed "$bin/dealmint" whole); dealmint_s=$(echo "$dealmint_s + $t" | bc -l)
  t=$(timed "$bin/dealmint-batch" --no-cache --quiet tagged.pbn); batch_s=$(echo "$batch_s + $t" | bc -l)
  t=$("$bin/batch_baseline" deals.txt); baseline_ms=$(echo "$baseline_ms + $t" | bc -l)
done
"$bin/dealmint-batch" --cache cache.sqlite3 --quiet tagged.pbn > cold.pbn
warm_s=$(timed "$bin/dealmint-batch" --cache cache.sqlite3 --quiet tagged.pbn)

# Files of many records over the same deals, all in the warm cache.
peak() {
  awk -v n="$1" '{ d[NR] = $0 } END { for (i = 1; i <= n; i++)
    printf "[Board \"%d\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n[Deal \"%s\"]\n\n", (i - 1) % 32767 + 1, d[(i - 1) % NR + 1] }' \
    deals.txt > many.pbn
  /usr/bin/time -f %M -o peak.txt "$bin/dealmint-batch" --cache cache.sqlite3 --quiet \
    --par many.par --json many.json many.pbn > many-out.pbn
  cat peak.txt
}
peak_small=$(peak 5000)
s=$(now); peak_large=$(peak "$records"); e=$(now)
many_s=$(echo "$e - $s" | bc -l)

awk -v n="$n" -v d="$dealmint_s" -v b="$batch_s" -v l="$baseline_ms" -v w="$warm_s" \
  -v r="$records" -v ps="$peak_small" -v pl="$peak_large" -v m="$many_s" 'BEGIN {
  dealmint = d * 1000 / 2 / n; batch = b * 1000 / 2 / n; baseline = l / 2 / n
  printf "deals                                   %d\n", n
  printf "dealmint per board (whole file)         %.1f ms\n", dealmint
  printf "libdds batch call in process, per deal  %.1f ms\n", baseline
  printf "dealmint-batch per deal, no cache       %.1f ms\n", batch
  printf "  / dealmint                            %.3f (goal <= 0.90)\n", batch / dealmint
  printf "  / libdds batch call                   %.3f (goal <= 1.10)\n", batch / baseline
  printf "dealmint-batch, warm cache, per deal    %.3f ms (goal < 1 ms)\n", w * 1000 / n
  printf "warm cache, %d records, per record   %.3f ms\n", r, m * 1000 / r
  printf "peak memory, warm cache                 %d KiB on 5000 records, %d KiB on %d (goal < 50 MB)\n", ps, pl, r }'
