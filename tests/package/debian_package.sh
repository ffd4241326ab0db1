#!/usr/bin/env bash
# Builds the Debian package from the build folder (cpack -G DEB into a temporary
# folder) and checks it: its control fields (the computed library dependencies,
# the fonts, qt6-wayland recommended), that it holds exactly the installed files
# under /usr owned by root, that lintian finds no error or warning, and that the
# program unpacked from it starts.
set -euo pipefail
build=${1:?usage: debian_package.sh BUILD_FOLDER}
for tool in cpack dpkg-deb dpkg-shlibdeps fakeroot lintian; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; echo "FAIL: cpack did not make the package"; exit 1; }
debs=("$work"/ventiro_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "FAIL: no ventiro_*.deb was made"; exit 1; }
echo "package: $(basename "$deb")"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = ventiro ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
  tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$needed" && echo "ok: depends on $needed" || fail "Depends lacks $needed: $depends"
done
# Every library dependency comes with the lowest version the binary needs.
grep -qE "libqt6widgets6 \(>= 6\.[0-9.]+\)" <<<"$depends" || fail "Depends has no computed version for libqt6widgets6"
tr ',' '\n' <<<"$(field Recommends)" | awk '{ print $1 }' | grep -qxF qt6-wayland \
  && echo "ok: recommends qt6-wayland" || fail "Recommends '$(field Recommends)' lacks qt6-wayland"

# Exactly the installed files, all under /usr, owned by root.
dpkg-deb -c "$deb" >"$work/contents"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$work/files"
cat >"$work/expected" <<'LIST'
usr/bin/ventiro
usr/share/applications/cat.ventiro.Ventiro.desktop
usr/share/doc/ventiro/changelog.gz
usr/share/doc/ventiro/copyright
usr/share/icons/hicolor/128x128/apps/cat.ventiro.Ventiro.png
usr/share/icons/hicolor/16x16/apps/cat.ventiro.Ventiro.png
usr/share/icons/hicolor/256x256/apps/cat.ventiro.Ventiro.png
usr/share/icons/hicolor/32x32/apps/cat.ventiro.Ventiro.png
usr/share/icons/hicolor/48x48/apps/cat.ventiro.Ventiro.png
usr/share/icons/hicolor/64x64/apps/cat.ventiro.Ventiro.png
usr/share/man/ca/man1/ventiro.1.gz
usr/share/man/man1/ventiro.1.gz
usr/share/metainfo/cat.ventiro.Ventiro.metainfo.xml
LIST
if diff -u "$work/expected" "$work/files"; then echo "ok: the package holds exactly the installed files"; else fail "the package's files differ (above)"; fi
awk '$2 != "root/root" { print }' "$work/contents" | grep . && fail "files not owned by root (above)" || echo "ok: every file is owned by root"

# lintian: no errors and no warnings; what remains is informational (see the README).
lintian "$deb" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
if grep -qE "^[EW]: " "$work/lintian"; then fail "lintian reports errors or warnings"; else echo "ok: lintian reports no error or warning"; fi

# The packaged program runs: unpacked, it starts and keeps running.
dpkg-deb -x "$deb" "$work/root"
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/ventiro" >"$work/run.log" 2>&1
status=$?
set -e
[ $status -eq 124 ] && echo "ok: the packaged program starts" || { cat "$work/run.log"; fail "the packaged program stopped with status $status"; }

[ "$failures" -eq 0 ] && echo "package: all checks passed" || { echo "package: $failures failed"; exit 1; }
