#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary staging folder (DESTDIR, prefix /usr) and
# checks what a desktop acts on: the program on the PATH folder; a menu entry that
# opens no terminal, starts the installed program by name (Exec, TryExec), names
# the window class the program sets on X11 (StartupWMClass), one main category,
# English texts with the Catalan in [ca], and an installed icon; the icon at every
# hicolor size as a PNG of that size with a transparent ground, and scalable; and
# AppStream metadata whose launchable is the installed menu entry and whose
# provided binary is the installed program; desktop-file-validate and
# appstreamcli validate the installed files.
set -euo pipefail
build=${1:?usage: installed_files.sh BUILD_FOLDER}
for tool in desktop-file-validate appstreamcli file; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
id=cat.ventiro.Ventiro

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -f "$usr/$1" ] && echo "ok: $1" || fail "$1 is not installed"; }

[ -x "$usr/bin/ventiro" ] && echo "ok: bin/ventiro" || fail "bin/ventiro is not an installed program"
desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
for f in $desktop $metainfo share/man/man1/ventiro.1 share/man/ca/man1/ventiro.1 \
         share/icons/hicolor/scalable/apps/$id.svg; do
  expect_file "$f"
done

# The menu entry: no terminal; a program named without a path that is installed
# in bin, also as TryExec (menus hide an entry whose TryExec is not installed);
# the window class the program's windows carry on X11, which is the toolkit's
# application name, the program's file name; one main category of the menu
# standard, so menus list the program once; English texts with the Catalan
# in [ca]; an icon that is installed.
entry() { sed -n "s/^$(sed 's/[][]/\\&/g' <<<"$1")=//p" "$usr/$desktop"; }
[ "$(grep -c '^\[' "$usr/$desktop")" -eq 1 ] || fail "the menu entry has more than its [Desktop Entry] group"
[ "$(entry Type)" = "Application" ] || fail "Type is '$(entry Type)'"
[ "$(entry Terminal)" = "false" ] && echo "ok: Terminal=false" || fail "Terminal is '$(entry Terminal)', not false"
[ "$(entry Exec)" = "ventiro" ] && echo "ok: Exec=ventiro" || fail "Exec is '$(entry Exec)', not the program's bare name"
[ -x "$usr/bin/$(entry Exec | cut -d' ' -f1)" ] || fail "Exec names no installed program"
[ "$(entry TryExec)" = "ventiro" ] && [ -x "$usr/bin/$(entry TryExec)" ] && echo "ok: TryExec=ventiro" \
  || fail "TryExec is '$(entry TryExec)', not the installed program"
[ "$(entry StartupWMClass)" = "ventiro" ] && echo "ok: StartupWMClass=ventiro" \
  || fail "StartupWMClass is '$(entry StartupWMClass)', not the program's window class 'ventiro'"
main_categories=(AudioVideo Audio Video Development Education Game Graphics Network Office Science Settings System Utility)
categories=$(entry Categories)
mains=0
for c in ${categories//;/ }; do
  for m in "${main_categories[@]}"; do [ "$c" = "$m" ] && mains=$((mains + 1)); done
done
[ "$mains" -eq 1 ] && echo "ok: one main category ($categories)" || fail "Categories '$categories' name $mains main categories"
[ "$categories" = "Education;Engineering;" ] || fail "Categories are '$categories'"
[ "$(entry Name)" = "Ventiro" ] || fail "Name is '$(entry Name)'"
entry Comment | grep -q "pneumatic components" || fail "Comment '$(entry Comment)' is not the English one"
entry 'Comment[ca]' | grep -q "pneumàtics" || fail "Comment[ca] '$(entry 'Comment[ca]')' is not the Catalan one"
icon=$(entry Icon)
[ "$icon" = "$id" ] || fail "Icon is '$icon'"

# The icon at each size, each one a PNG picture of exactly that size.
for size in 16 32 48 64 128 256; do
  png=share/icons/hicolor/${size}x${size}/apps/$icon.png
  if [ ! -f "$usr/$png" ]; then fail "$png is not installed"; continue; fi
  described=$(file -b "$usr/$png")
  case $described in
    "PNG image data, $size x $size, 8-bit/color RGBA,"*) echo "ok: $png" ;;
    *) fail "$png is '$described'" ;;
  esac
done

grep -q '<svg xmlns="http://www.w3.org/2000/svg"' "$usr/share/icons/hicolor/scalable/apps/$icon.svg" \
  && echo "ok: the scalable icon" || fail "the scalable icon is no SVG picture"

# The metainfo file: what it launches is the installed menu entry, the binary it
# provides is the installed program, its licences are the project's.
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$usr/$metainfo")
[ -n "$launchable" ] && [ -f "$usr/share/applications/$launchable" ] && echo "ok: the metainfo launches $launchable" \
  || fail "the metainfo file launches '$launchable', which is not an installed menu entry"
binaries=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$usr/$metainfo")
[ -n "$binaries" ] || fail "the metainfo file provides no binary"
for b in $binaries; do
  [ -x "$usr/bin/$b" ] && echo "ok: the metainfo provides the installed program $b" \
    || fail "the metainfo file provides '$b', which is not an installed program"
done
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$usr/$metainfo" || fail "the project licence is not GPL-3.0-or-later"
grep -q "<summary xml:lang=\"ca\">" "$usr/$metainfo" && grep -q "<summary>[A-Z][a-z]" "$usr/$metainfo" \
  || fail "the metainfo summary is not English with a Catalan translation"

# The validators: errors and warnings fail; hints and pedantic notes pass.
if out=$(desktop-file-validate "$usr/$desktop" 2>&1) && ! grep -qE "error:|warning:" <<<"$out"; then
  echo "ok: desktop-file-validate"
else
  fail "desktop-file-validate: $out"
fi
if out=$(appstreamcli validate --no-net "$usr/$metainfo" 2>&1); then
  echo "ok: appstreamcli validate"
else
  fail "appstreamcli validate: $out"
fi
# The whole tree: the metainfo file together with the desktop entry and icons it refers to.
if out=$(appstreamcli validate-tree --no-net "$stage" 2>&1); then
  echo "ok: appstreamcli validate-tree"
else
  fail "appstreamcli validate-tree: $out"
fi

[ "$failures" -eq 0 ] && echo "installed files: all checks passed" || { echo "installed files: $failures failed"; exit 1; }
