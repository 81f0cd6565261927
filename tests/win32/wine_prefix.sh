#!/bin/sh
# The wine prefix of the Windows tests, $WINEPREFIX in the build folder: "make" creates
# (or updates) it and keeps its server running between tests; "stop" ends the server.
set -eu
case "$1" in
  make) wineserver --kill 2>/dev/null || true
        # Nothing started here may hold the test's output open: ctest would wait for it.
        wineserver --persistent </dev/null >/dev/null 2>&1 &
        sleep 1
        wineboot --init </dev/null >/dev/null 2>&1 ;;
  stop) wineserver --kill ;;
  *) echo "usage: wine_prefix.sh make|stop" >&2; exit 2 ;;
esac
