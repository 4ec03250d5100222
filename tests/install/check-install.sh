#!/usr/bin/env bash
# Installs the build into a staging directory (DESTDIR) and checks the tree: the launcher,
# the program, the headless driver, the database, the desktop entry, the icons, the
# metainfo and the man page; then starts the installed driver on the installed database.
set -euo pipefail
build=$1
stage=$2
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

fail=0
need() { if [ ! -e "$stage$1" ]; then echo "missing: $1"; fail=1; fi; }
need /usr/bin/talix
need /usr/bin/talix-query
need /usr/libexec/talix/talix
need /usr/share/talix/Talix
need /usr/share/talix/Talixind
need /usr/share/applications/talix.desktop
need /usr/share/icons/hicolor/scalable/apps/talix.svg
need /usr/share/metainfo/io.github.talix.Talix.metainfo.xml
need /usr/share/man/man1/talix-query.1
for size in 32 48 64 128 256; do need "/usr/share/icons/hicolor/${size}x${size}/apps/talix.png"; done
[ -x "$stage/usr/bin/talix" ] || { echo "launcher not executable"; fail=1; }
grep -q 'cd "$prefixe/share/talix"' "$stage/usr/bin/talix" || { echo "launcher does not enter share/talix"; fail=1; }
grep -q '"$prefixe/libexec/talix/talix"' "$stage/usr/bin/talix" || { echo "launcher does not start the program"; fail=1; }

# The launcher, started from elsewhere, runs the program from the database directory: a
# stand-in program reports its working directory.
cp "$stage/usr/libexec/talix/talix" "$stage/usr/libexec/talix/talix.real"
printf '#!/bin/sh\npwd\n' > "$stage/usr/libexec/talix/talix"
chmod +x "$stage/usr/libexec/talix/talix"
[ "$(cd / && "$stage/usr/bin/talix")" = "$(readlink -f "$stage/usr/share/talix")" ] \
  || { echo "launcher does not start in the database directory"; fail=1; }
mv "$stage/usr/libexec/talix/talix.real" "$stage/usr/libexec/talix/talix"

desktop-file-validate "$stage/usr/share/applications/talix.desktop" || fail=1
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/io.github.talix.Talix.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net "$stage/usr/share/metainfo/io.github.talix.Talix.metainfo.xml" || fail=1
fi
man -l "$stage/usr/share/man/man1/talix-query.1" >/dev/null 2>&1 || { command -v man >/dev/null && { echo "man page does not render"; fail=1; }; }

# The installed driver finds a grade in the installed database.
out=$("$stage/usr/bin/talix-query" --dir "$stage/usr/share/talix" designation 1.4301 || true)
grep -q '1.4301' <<<"$out" || { echo "installed talix-query did not find 1.4301"; fail=1; }

[ $fail -eq 0 ] && echo "install tree: ok"
exit $fail
