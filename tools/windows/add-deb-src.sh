#!/bin/bash
# Lets apt fetch Debian's source packages: a deb-src entry beside each deb entry of the machine's
# own sources (same archive, suites, components and keyring). Run as root; does nothing when apt
# already knows a deb-src entry.
set -euo pipefail
if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  exit 0
fi
for f in $(grep -lE "debian.org/debian" /etc/apt/sources.list.d/*.sources 2>/dev/null); do
  [ -f "$f" ] || continue
  sed -E 's/^Types: deb$/Types: deb-src/' "$f" >"/etc/apt/sources.list.d/frothwick-src-$(basename "$f")"
done
if [ -f /etc/apt/sources.list ]; then
  sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list >/etc/apt/sources.list.d/frothwick-src.list
fi
apt-get update
