#!/usr/bin/env bash
# Builds the Debian package with CPack and inspects it: its files and its declared
# dependencies.
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb | head -n 1)
[ -n "$deb" ] || { echo "no .deb built"; exit 1; }

fail=0
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/talix ./usr/bin/talix-query ./usr/libexec/talix/talix ./usr/share/talix/Talix \
         ./usr/share/talix/Talixind ./usr/share/applications/talix.desktop \
         ./usr/share/icons/hicolor/scalable/apps/talix.svg \
         ./usr/share/metainfo/io.github.talix.Talix.metainfo.xml ./usr/share/man/man1/talix-query.1; do
  grep -q " $f\$" <<<"$contents" || { echo "package lacks $f"; fail=1; }
done
info=$(dpkg-deb -I "$deb")
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation xdg-utils; do
  grep -q "Depends:.*$dep" <<<"$info" || { echo "package does not depend on $dep"; fail=1; }
done
grep -q '^ Package: talix$' <<<"$info" || { echo "package name is not talix"; fail=1; }
[ $fail -eq 0 ] && echo "debian package: ok ($(basename "$deb"))"
exit $fail
