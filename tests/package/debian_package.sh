#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from a copy of the source tree
# (dpkg-buildpackage -us -uc, without the test suite, which runs anyway) and
# checks them: the control fields (the computed library dependencies, the fonts,
# qt6-wayland recommended), that the package holds exactly the installed files
# under /usr owned by root, that the debug symbols have their own package, that
# lintian --pedantic finds nothing on the source and binary packages, that
# hardening-check finds every protection in the program, and that the program
# unpacked from the package answers --version and --help and starts.
set -euo pipefail
source_dir=${1:?usage: debian_package.sh SOURCE_FOLDER}
for tool in dpkg-buildpackage dh dpkg-deb fakeroot lintian hardening-check git; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
tree=$work/ventiro-$version
mkdir "$tree"
# The tracked and new files as they are in the checkout, without build folders or
# anything git ignores, so the build neither dirties the checkout nor meets build/.
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
   | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done \
   | tar --null -T - -cf -) | tar -xf - -C "$tree"

(cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc >"$work/build.log" 2>&1) \
  || { tail -n 60 "$work/build.log"; echo "FAIL: dpkg-buildpackage did not build the package"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/ventiro_${version}_$arch.deb
dbgsym=$work/ventiro-dbgsym_${version}_$arch.deb
changes=$work/ventiro_${version}_$arch.changes
[ -f "$deb" ] || { ls "$work"; echo "FAIL: no $(basename "$deb") was made"; exit 1; }
echo "package: $(basename "$deb")"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = ventiro ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the changelog's $version"
project_version=$(sed -n 's/^project(Ventiro VERSION \([^ ]*\) .*/\1/p' "$source_dir/CMakeLists.txt")
[ "$project_version" = "$version" ] || fail "the changelog's version $version is not the program's ($project_version)"
depends=$(field Depends)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2 fonts-dejavu-core; do
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
usr/share/icons/hicolor/scalable/apps/cat.ventiro.Ventiro.svg
usr/share/lintian/overrides/ventiro
usr/share/man/ca/man1/ventiro.1.gz
usr/share/man/man1/ventiro.1.gz
usr/share/metainfo/cat.ventiro.Ventiro.metainfo.xml
LIST
if diff -u "$work/expected" "$work/files"; then echo "ok: the package holds exactly the installed files"; else fail "the package's files differ (above)"; fi
awk '$2 != "root/root" { print }' "$work/contents" | grep . && fail "files not owned by root (above)" || echo "ok: every file is owned by root"
# The copyright file is the source package's, under the GPL.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/ventiro/copyright >"$work/copyright"
grep -qx "License: GPL-3+" "$work/copyright" \
  && echo "ok: the copyright file gives the GPL-3+" || fail "the installed copyright file names no GPL-3+"

# The debug symbols: their own package, holding the program's by build id.
if [ -f "$dbgsym" ] && dpkg-deb -c "$dbgsym" >"$work/dbgsym-contents" \
   && grep -q '/usr/lib/debug/.build-id/.*\.debug$' "$work/dbgsym-contents"; then
  echo "ok: $(basename "$dbgsym") holds the debug symbols"
else
  fail "no debug-symbols package with the program's symbols"
fi

# lintian, pedantic, on the source and binary packages: no tag at all beyond the
# overrides (debian/source/lintian-overrides, debian/ventiro.lintian-overrides),
# each with its reason beside it.
lintian --pedantic --display-info "$changes" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
if grep -qE "^[EWPI]: " "$work/lintian"; then fail "lintian reports tags (above)"; else echo "ok: lintian --pedantic reports no tag"; fi

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/ventiro

# The distribution's build flags reached the program: every protection Debian 12's
# hardening=+all gives. (hardening-check also reports stack clash protection, which
# it cannot tell without a large stack frame, and control-flow protection, which
# Debian 12's flags do not ask for: neither is checked.)
hardening-check "$program" >"$work/hardening" 2>&1 || true
cat "$work/hardening"
for protection in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
                  "Read-only relocations" "Immediate binding"; do
  grep -q "^ $protection: yes" "$work/hardening" && echo "ok: $protection" || fail "hardening-check: $protection is not yes"
done
# No build folder is named in the program.
grep -qaF "$work" "$program" && fail "the program names its build folder $work" || echo "ok: no build path in the program"

# The packaged program runs: it answers --version and --help without a display,
# and it starts and keeps running.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "ventiro $version" ] \
  && echo "ok: --version" || fail "--version prints '$("$program" --version 2>&1)'"
env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -q -- --version && echo "ok: --help" || fail "--help prints no usage"
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$program" >"$work/run.log" 2>&1
status=$?
set -e
[ $status -eq 124 ] && echo "ok: the packaged program starts" || { cat "$work/run.log"; fail "the packaged program stopped with status $status"; }

[ "$failures" -eq 0 ] && echo "package: all checks passed" || { echo "package: $failures failed"; exit 1; }
