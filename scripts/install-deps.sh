#!/bin/sh
# Installs, from Debian's packages, what building and testing Dealmint needs; with
# --windows also what cross-building the Windows programs and testing them under wine
# needs. Run as root on Debian 12; packages already present are left as they are.
# Usage: install-deps.sh [--windows]
set -eu
# dpkg-dev and groff-base serve the package test (dpkg-shlibdeps, groff); parallel the
# test of the recipe that spreads dealmint-batch over several jobs; chromium,
# poppler-utils and fonts-dejavu-core (suit symbols) the test that renders and prints the
# hand records page.
packages="g++ cmake make libdds-dev libgtest-dev libgmock-dev dpkg-dev groff-base libsqlite3-dev nlohmann-json3-dev parallel chromium poppler-utils fonts-dejavu-core"
if [ "${1:-}" = --windows ]; then
  # mingw-w64's compilers with POSIX threads (libdds needs std::thread), for 64 and
  # 32 bits; wine runs the tests; libgtest-dev above brings GoogleTest's source.
  packages="$packages g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64"
fi
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
