# Sourced by the benchmark scripts: sets $top to the project, builds the release tree
# build-bench with the benchmark programs, and makes a scratch directory $work that is
# removed when the script ends.
top=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$top" -B "$top/build-bench" -DCMAKE_BUILD_TYPE=Release -DDEALMINT_TESTS=OFF \
  -DDEALMINT_BENCH=ON > /dev/null
cmake --build "$top/build-bench" -j2 > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
