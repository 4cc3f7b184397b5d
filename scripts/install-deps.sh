#!/usr/bin/env bash
# Installs the Debian packages the builds and the Wine test bed need.
# Idempotent: packages that are present are left alone.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi

for p in g++-mingw-w64-i686 wine wine32:i386 xvfb imagemagick cmake make \
         googletest clang libclang-rt-14-dev x11-utils; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  apt-get update -qq || true
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
