#!/bin/sh
# Runs the built dealmint on examples/example.pbn in a scratch directory and shows what
# it printed and the par file it wrote. Usage: scripts/run-example.sh [build-dir]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top/examples/example.pbn" "$work/"
cd "$work"
"$build/bin/dealmint" example
echo "--- example.par ---"
cat example.par
