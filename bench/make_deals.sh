#!/bin/sh
# Writes N random deals with Debian's dealer program: OUT.txt (one PBN deal per line) and
# OUT.pbn (one board per deal). Usage: bench/make_deals.sh N OUT [SEED]
set -eu
n=$1 out=$2 seed=${3:-2026}
dealer=$(command -v dealer || echo /usr/games/dealer)
printf 'generate %s\nproduce %s\naction printpbn\n' "$n" "$n" > "$out.in"
"$dealer" -s "$seed" "$out.in" | grep '^\[Deal ' | sed 's/^\[Deal "\(.*\)"\]/\1/' > "$out.txt"
rm -f "$out.in"
awk '{ printf "[Board \"%d\"]\n[Deal \"%s\"]\n\n", NR, $0 }' "$out.txt" > "$out.pbn"
