#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the tree is complete: the program, its
# desktop entry (valid, in the Education menu, naming the installed program and icon) and the icon.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }
bin=$prefix/bin/tabelul-periodic
desktop=$prefix/share/applications/tabelul-periodic.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/tabelul-periodic.svg
[ -x "$bin" ] || fail "no executable $bin"
[ -f "$desktop" ] || fail "no desktop entry"
[ -s "$icon" ] || fail "no icon"
desktop-file-validate "$desktop" || fail "invalid desktop entry"
grep -qx 'Categories=Education;Chemistry;' "$desktop" || fail "not in the Education menu"
exec_name=$(sed -n 's/^Exec=//p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ "$exec_name" = "$(basename "$bin")" ] || fail "Exec=$exec_name does not name the installed program"
[ "$icon_name.svg" = "$(basename "$icon")" ] || fail "Icon=$icon_name does not name the installed icon"
grep -q '<svg' "$icon" || fail "the icon is not an SVG picture"
# The installed program is the built one, and it needs nothing else from the tree.
cmp -s "$bin" "$build/tabelul-periodic" || fail "the installed program differs from the built one"
extra=$(find "$prefix" -type f | grep -v -e "$bin" -e "$desktop" -e "$icon" || true)
[ -z "$extra" ] || fail "unexpected files installed: $extra"
echo "install tree complete"
