#!/bin/sh
# Installs, from Debian's packages, what building and testing Dealmint needs.
# Run as root on Debian 12; packages already present are left as they are.
set -eu
# dpkg-dev and groff-base serve the package test (dpkg-shlibdeps, groff); parallel the
# test of the recipe that spreads dealmint-batch over several jobs; chromium,
# poppler-utils and fonts-dejavu-core (suit symbols) the test that renders and prints the
# hand records page.
packages="g++ cmake make libdds-dev libgtest-dev libgmock-dev dpkg-dev groff-base libsqlite3-dev nlohmann-json3-dev parallel chromium poppler-utils fonts-dejavu-core"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
