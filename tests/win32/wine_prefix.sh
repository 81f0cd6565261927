#!/bin/sh
# The wine prefix of the Windows tests, $WINEPREFIX in the build folder: "make" creates
# (or updates) it under a server that stays up between tests; "stop" ends that server.
# Nothing started here may hold the test's output open, or ctest would wait for it.
set -eu
case "$1" in
  make)
    mkdir -p "$WINEPREFIX"
    wineserver --kill 2>/dev/null || true
    # The server forks and its first process returns once it listens.
    wineserver --persistent </dev/null >/dev/null 2>&1
    wineboot --init </dev/null >/dev/null 2>&1
    ;;
  stop) wineserver --kill 2>/dev/null || true ;;
  *) echo "usage: wine_prefix.sh make|stop" >&2; exit 2 ;;
esac
