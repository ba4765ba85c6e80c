#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop integration with the
# validators a distribution would use, then makes the Debian package and checks it with lintian.
set -euo pipefail
build=$1 lupdate=$2 source=$(dirname "$0")/.. tmp=$(mktemp -d) id=com.example.Hanoi
prefix=$tmp/usr
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "$*"; exit 1; }
# The icons at every size; the other files are checked below, by the validators and lintian.
for f in share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -e "$prefix/$f" ] || fail "missing after install: $f"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
# Fails on warnings and errors, in the tree as lintian checks it; the pedantic hint that remains
# is explained in the README. AppStream 1.0 (Debian 13) warns that no homepage is named, and the
# program has none: here that is information, and lintian, whose check of the tree fails on that
# warning alone, skips the check made here. AppStream 0.16 neither warns of it nor knows the tag.
homepage=() skip=()
[[ "$(appstreamcli --version)" =~ version:\ 0\. ]] ||
  homepage=(--override=url-homepage-missing=info) skip=(--suppress-tags appstream-metadata-validation-failed)
appstreamcli validate-tree --pedantic --no-net "${homepage[@]}" "$tmp"
# appstream-util's stricter modes want a homepage and translations, which the program has not.
appstream-util validate-relax --nonet "$prefix/share/metainfo/$id.metainfo.xml"
# lintian also checks each icon's size against its directory and the manual page's markup.
(cd "$build" && cpack -G DEB -B "$tmp/deb" >/dev/null)
deb=$(echo "$tmp"/deb/hanoi_*.deb)
lintian --fail-on error,warning "${skip[@]}" "$deb"
# A new version needs its release entry in the metainfo, which software centres show.
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" || fail "no release $version in the metainfo"
# Every text of the program is translated in every language: lupdate finds none new or gone.
cp "$source"/translations/*.ts "$tmp"
"$lupdate" -locations none "$source"/{app,board,commands} -ts "$tmp"/*.ts >/dev/null
! grep -l 'type="\(unfinished\|vanished\|obsolete\)"' "$tmp"/*.ts || fail "translations incomplete"
# Every Arabic text begins with an Arabic letter, so that it reads right to left where it is shown
# or spoken, its pole letters and digits included; the joiner of a list is only ever inside one.
python3 - "$source/translations/hanoi_ar.ts" <<'EOF' || fail "Arabic that reads left to right"
import html, re, sys
pairs = re.findall(r"<source>([^<]*)</source>.*?<translation[^>]*>(.*?)</translation>", open(sys.argv[1]).read(), re.S)
bad = [f for s, t in pairs if s not in ("%1, %2", "QT_LAYOUT_DIRECTION")
       for f in re.findall(r"<numerusform>([^<]*)", t) or [t]
       if not re.match(r"[^\w%]*[\u0600-\u06FF]", html.unescape(f))]
sys.exit(print(*bad) or bool(bad))
EOF
# Without a display: --version and --help answer, in the language the variables name (the
# first of LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and the window's absence takes one line.
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C)
[ "$("${bare[@]}" "$prefix/bin/hanoi" -v)" = "hanoi $version" ] || fail "-v"
for case in "LANG=C|Shows" "LANGUAGE=en:de|Shows" "LANGUAGE=de LANG=fr_FR.UTF-8|Zeigt" \
    "LC_ALL=fr_FR.UTF-8 LANG=de_DE.UTF-8|Montre" "LC_MESSAGES=ru_RU.UTF-8 LANG=de_DE|Показывает" \
    "LANG=pt_BR.UTF-8|Mostra" "LANGUAGE=fa:es|Muestra" "LANGUAGE=xx:de|Zeigt" "LANGUAGE=ar|يعرض"; do
  # shellcheck disable=SC2086
  "${bare[@]}" ${case%|*} "$prefix/bin/hanoi" --help | sed -n 2p | grep -q "^${case#*|}" || fail "--help with $case"
done
# Any other argument is ignored. Without a window to show, one line says what is missing, and the
# status is 1: no display named (Qt's -display or --display names one, -platform alone no
# platform), one nobody serves, no Wayland socket there, a platform Qt has no plugin for; so does
# a write error.
for case in "DISPLAY=||neither WAYLAND_DISPLAY nor DISPLAY" "DISPLAY=:9987||display :9987$" \
    "DISPLAY=|-platform|neither" "DISPLAY=|--display :9987|display :9987$" \
    "WAYLAND_DISPLAY=/tmp||no Wayland socket /tmp " "DISPLAY=:9987|-platform bogus|\"bogus\"; it has [a-z].*xcb"; do
  IFS='|' read -r vars args expected <<<"$case"
  # shellcheck disable=SC2086
  status=0 && said=$("${bare[@]}" $vars "$prefix/bin/hanoi" --ignored also $args 2>&1) || status=$?
  [ "$status" = 1 ] && [ "$(wc -l <<<"$said")" = 1 ] && grep -q "$expected" <<<"$said" ||
    fail "with $vars $args: status $status: $said"
done
for option in -h --version; do
  status=0 && said=$("${bare[@]}" "$prefix/bin/hanoi" $option 2>&1 >/dev/full) || status=$?
  [ "$status" = 1 ] && [ "$said" = "hanoi: write error: No space left on device" ] || fail "$option >/dev/full: $status: $said"
done
echo "install: all files in place, validators and lintian pass on $(basename "$deb")"
