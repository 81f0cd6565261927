#!/bin/sh
# Renders the hand records of a PBN file in headless Chromium, with no network: a
# screenshot, and a print to PDF on US Letter and on A4. Checks that each PDF has one page
# for every three boards (the print rule) and that its text holds every record's par line
# and explanation, as dealmint-batch's JSON gives them.
#
#   browser_test.sh DEALMINT_BATCH PBN_FILE [PICTURE]
#
# PICTURE: where to keep the first printed Letter page as a small PNG (for the README).
# Exit code 77 (skipped) with a message when Chromium, poppler-utils or the file is
# missing; never a pass without the checks.
set -eu

batch=$1
pbn=$2
picture=${3:-}
boards_per_page=3

for tool in chromium pdfinfo pdftotext pdftoppm; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done
if [ ! -r "$pbn" ]; then
  echo "SKIPPED: $pbn is not there"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$batch" --no-cache --quiet --html "$work/page.html" --json "$work/records.json" \
  -o /dev/null "$pbn"

# Runs Chromium on a page of $work with a fresh profile and nothing reaching the network.
browse() {
  page=$1
  shift
  rm -rf "$work/profile"
  timeout 180 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --proxy-server=127.0.0.1:9 --user-data-dir="$work/profile" "$@" \
    "file://$work/$page" >"$work/chromium.log" 2>&1 || {
    cat "$work/chromium.log"
    echo "FAILED: chromium on $page"
    exit 1
  }
}

fail() {
  echo "FAILED: $*"
  exit 1
}

browse page.html --window-size=1280,1800 --screenshot="$work/screen.png"
[ "$(head -c 8 "$work/screen.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "no PNG screenshot"

# Letter is Chromium's default paper; the A4 copy asks for A4 as a printer setting would.
browse page.html --no-pdf-header-footer --print-to-pdf="$work/letter.pdf"
sed 's|</style>|@page { size: A4; }\n</style>|' "$work/page.html" >"$work/a4.html"
browse a4.html --no-pdf-header-footer --print-to-pdf="$work/a4.pdf"

boards=$(grep -o '<section class="board">' "$work/page.html" | wc -l)
distinct=$(sed -n 's/.*"board":\([0-9]*\),.*"deal":"\([^"]*\)".*/\1 \2/p' "$work/records.json" |
  sort -u | wc -l)
[ "$boards" -eq "$distinct" ] || fail "$boards boards on the page, $distinct in the file"
want_pages=$(((boards + boards_per_page - 1) / boards_per_page))

# The par line as the page writes it: the JSON's score and contract, strain as a symbol.
par_lines() {
  sed -n 's/.*"par_score":\(-\{0,1\}[0-9]*\),.*"par_contract":"\([^"]*\)".*/\1 \2/p' \
    "$work/records.json" |
    while read -r score contract; do
      [ "$score" -gt 0 ] && score="+$score"
      echo "Par $score: $contract" |
        sed 's/\([1-7]\)C/\1♣/; s/\([1-7]\)D/\1♦/; s/\([1-7]\)H/\1♥/; s/\([1-7]\)S/\1♠/;
             s/\([1-7]\)N/\1NT/'
    done
}

for paper in letter a4; do
  pdf="$work/$paper.pdf"
  info=$(pdfinfo "$pdf")
  pages=$(echo "$info" | sed -n 's/^Pages: *//p')
  size=$(echo "$info" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1x\2/p')
  case "$paper:$size" in
    letter:612x792 | a4:59[45]*x84[12]*) ;;  # A4 is 595.3 x 841.9, rounded by Chromium
    *) fail "$paper printed on $size points" ;;
  esac
  [ "$pages" -eq "$want_pages" ] ||
    fail "$paper: $pages pages for $boards boards, want $want_pages"
  # Lines joined and blanks collapsed, so text that wraps on the page still matches.
  pdftotext -enc UTF-8 "$pdf" - | tr -s '[:space:]' ' ' >"$work/$paper.txt"
  missing=0
  {
    par_lines
    sed -n 's/.*"explanation":"\([^"]*\)".*/\1/p' "$work/records.json"
  } | sort -u >"$work/wanted.txt"
  while IFS= read -r wanted; do
    if ! grep -qF -- "$wanted" "$work/$paper.txt"; then
      echo "$paper: not on the printed page: $wanted"
      missing=$((missing + 1))
    fi
  done <"$work/wanted.txt"
  [ "$missing" -eq 0 ] || fail "$paper: $missing texts missing"
  echo "$paper: $pages pages for $boards boards; $(wc -l <"$work/wanted.txt") par lines and explanations found"
done

if [ -n "$picture" ]; then
  pdftoppm -r 60 -png -f 1 -l 1 "$work/letter.pdf" "$work/printed"
  cp "$work/printed-1.png" "$picture"
fi
