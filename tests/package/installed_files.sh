#!/usr/bin/env bash
# Installs the build into a temporary staging folder (DESTDIR, prefix /usr) and
# checks what a desktop needs: the program on the PATH folder, a menu entry that
# starts it by name and shows an installed icon, the icon at every hicolor size
# as a PNG of that size, and AppStream metadata that launches the menu entry;
# desktop-file-validate and appstreamcli validate the installed files.
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
for f in $desktop $metainfo share/man/man1/ventiro.1.gz share/man/ca/man1/ventiro.1.gz \
         share/doc/ventiro/copyright share/doc/ventiro/changelog.gz; do
  expect_file "$f"
done

# The menu entry: Catalan texts, the categories, a program named without a path
# that is installed in bin, an icon that is installed.
entry() { sed -n "s/^$1=//p" "$usr/$desktop"; }
[ "$(entry Exec)" = "ventiro" ] || fail "Exec is '$(entry Exec)', not the program's bare name"
[ -x "$usr/bin/$(entry Exec | cut -d' ' -f1)" ] || fail "Exec names no installed program"
[ "$(entry Categories)" = "Education;Science;Engineering;" ] || fail "Categories are '$(entry Categories)'"
[ "$(entry Name)" = "Ventiro" ] || fail "Name is '$(entry Name)'"
entry Comment | grep -q "pneumàtics" || fail "Comment '$(entry Comment)' is not the Catalan one"
icon=$(entry Icon)
[ "$icon" = "$id" ] || fail "Icon is '$icon'"

# The icon at each size, each one a PNG picture of exactly that size.
for size in 16 32 48 64 128 256; do
  png=share/icons/hicolor/${size}x${size}/apps/$icon.png
  if [ ! -f "$usr/$png" ]; then fail "$png is not installed"; continue; fi
  described=$(file -b "$usr/$png")
  case $described in
    "PNG image data, $size x $size,"*) echo "ok: $png" ;;
    *) fail "$png is '$described'" ;;
  esac
done

# The metainfo file names the menu entry as what it launches.
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$usr/$metainfo" \
  || fail "the metainfo file does not launch $id.desktop"

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
