#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop integration with the
# validators a distribution would use.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=com.example.Hanoi
for f in bin/hanoi share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/256x256/apps/$id.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$prefix/bin/hanoi" ] || { echo "bin/hanoi is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
# A PNG's width and height are big-endian at bytes 16 to 23.
size=$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/256x256/apps/$id.png" |
  awk '{print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8}')
[ "$size" = 256x256 ] || { echo "icon is $size, not 256x256"; exit 1; }
echo "install: all files in place, both validators pass"
