#!/bin/sh
# Fetches libdds's upstream source from Debian's source package "dds", checks it
# against the pinned checksum and unpacks it into third_party/dds (ignored by git).
# The package comes from the Debian archive this machine already uses: a private
# deb-src list is made from its apt sources, and apt runs with private lists and
# caches, so the system's apt set-up is left as it is. Usage: fetch-dds-source.sh
set -eu
cd "$(dirname "$0")/.."
orig=dds_2.9.0.orig.tar.gz
sha256=9ef36d8c36bf697ba3b499fcb9dca51a4b423278ac72e947235ac86f0b5fc38a
target=third_party/dds
if [ -f "$target/LICENSE" ] && [ -f "$target/.sha256" ] && [ "$(cat "$target/.sha256")" = "$sha256" ]; then
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/parts" "$work/lists/partial" "$work/cache/archives/partial" "$work/download"
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

# The first configured entry for this release's own suite: one-line .list entries
# and deb822 .sources stanzas, files that apt reads (*.list, *.sources) only.
entry=$(
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk -v suite="$codename" '$1 == "deb" {
        i = 2; if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
        if ($(i + 1) == suite) { print "uri=" $i; print "signed="; exit } }' "$f"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk -v suite="$codename" '
      function flush() { if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " suite " ") && uri != "")
                           { print "uri=" uri; print "signed=" signed; found = 1; exit } }
      /^[ \t]*$/ { flush(); types = suites = uri = signed = ""; next }
      /^#/ { next }
      tolower($1) == "types:" { types = substr($0, index($0, ":") + 2) }
      tolower($1) == "uris:" { uri = $2 }
      tolower($1) == "suites:" { suites = substr($0, index($0, ":") + 2) }
      tolower($1) == "signed-by:" { signed = $2 }
      END { if (!found) flush() }' "$f"
  done | head -n 2)
uri=$(printf '%s\n' "$entry" | sed -n 's/^uri=//p')
signed=$(printf '%s\n' "$entry" | sed -n 's/^signed=//p')
if [ -z "$uri" ] || [ -z "$codename" ]; then
  echo "fetch-dds-source.sh: no Debian archive for \"$codename\" in the apt sources" >&2
  exit 1
fi
{
  echo "Types: deb-src"
  echo "URIs: $uri"
  echo "Suites: $codename"
  echo "Components: main"
  [ -z "$signed" ] || echo "Signed-By: $signed"
} >"$work/parts/dds.sources"

apt_private() {
  apt-get -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/parts" \
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" \
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root "$@"
}
apt_private update >/dev/null
(cd "$work/download" && apt_private source --download-only --tar-only dds >/dev/null)
echo "$sha256  $work/download/$orig" | sha256sum -c --quiet -
rm -rf "$target"
mkdir -p "$target"
tar -xzf "$work/download/$orig" -C "$target" --strip-components=1
echo "$sha256" >"$target/.sha256"
echo "libdds source in $target"
