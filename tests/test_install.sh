#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop integration with the
# validators a distribution would use, then makes the Debian package and checks it with lintian.
set -euo pipefail
build=$1 tmp=$(mktemp -d) id=com.example.Hanoi prefix=$tmp/usr
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "$*"; exit 1; }
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man1/hanoi.1.gz \
         share/doc/hanoi/copyright share/doc/hanoi/changelog.gz share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -e "$prefix/$f" ] || fail "missing after install: $f"
done
[ -x "$prefix/bin/hanoi" ] || fail "bin/hanoi is not executable"
desktop-file-validate "$prefix/share/applications/$id.desktop"
# Fails on warnings and errors; the pedantic hint that remains is explained in the README.
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml"
# appstream-util's stricter modes want a homepage and translations, which the program has not.
appstream-util validate-relax --nonet "$prefix/share/metainfo/$id.metainfo.xml"
# lintian also checks each icon's size against its directory and the manual page's markup.
(cd "$build" && cpack -G DEB -B "$tmp/deb" >/dev/null)
deb=$(echo "$tmp"/deb/hanoi_*.deb)
lintian --fail-on error,warning "$deb"
# Loaded at run time when present, so recommended: Qt's Wayland plugin and Qt's own translations.
dpkg-deb -f "$deb" Recommends | grep -qx "qt6-wayland, qt6-translations-l10n" || fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
# A new version needs its release entry in the metainfo, the changelog and the manual page.
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "no release $version in the metainfo"
zcat "$prefix/share/doc/hanoi/changelog.gz" | head -n 1 | grep -q "^hanoi ($version)" || fail "the changelog does not start with $version"
zgrep -q "^\.TH HANOI 1 .* \"hanoi $version\"" "$prefix/share/man/man1/hanoi.1.gz" || fail "the manual page is not for $version"
echo "install: all files in place, validators and lintian pass on $(basename "$deb")"
