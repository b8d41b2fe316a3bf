#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a player gets it: the one "make package" makes in build-package/ (make
# test makes it before the suite), brought up to date first. Checks the menu entry and metainfo
# with their validators and the package with lintian, unpacks it into a scratch root and starts
# the installed game there under a virtual X server as an ordinary user: it must find its media,
# play a game to a qualifying score and keep that score in the player's own data folder, leaving
# the read-only installed folder untouched.
# Usage: package.sh SOURCE-FOLDER
set -uo pipefail
source_dir=$(readlink -f "$1")
source "$source_dir/tests/e2e/session.sh"
need cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian xprop python3 setpriv
# --- The package. Without its build folder the suite does not build one of its own: that is a
# whole Release tree, which "make package" (or "make test") makes once, outside the suite.
build=$source_dir/build-package
[ -f "$build/CMakeCache.txt" ] || { echo "SKIP: no $build; make package (or make test) makes it"; exit 77; }
cmake --build "$build" -j2 >"$work/build.log" 2>&1 || fail "the package build failed"
# The package "make package" left is this build's own unless the build has changed a file since.
deb_made() { deb=$(ls "$build"/orbulon_*.deb 2>/dev/null | head -n1) && [ -n "$deb" ]; }
if ! deb_made || [ -n "$(find "$build/bin" "$build/packaging" -newer "$deb" -print -quit)" ]; then
    rm -f "$build"/orbulon_*.deb
    (cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || fail "cpack failed"
    deb_made || fail "cpack made no orbulon_*.deb"
fi
# In section games, its dependency on Qt computed, recommending the sound library, the score's
# faces, the Wayland plugin and Qt's own translations.
fields=$(dpkg-deb -f "$deb" Section Depends Recommends)
grep -qx "Section: games" <<<"$fields" && grep -q "^Depends: .*libqt6widgets6" <<<"$fields" &&
    grep -qx "Recommends: libpulse0, fonts-dseg, qt6-wayland, qt6-translations-l10n" <<<"$fields" || fail "the package's fields: $fields"

# --- Lintian: no error and no warning.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian objects: $(grep -E '^[EW]:' "$work/lintian.log")"

# --- Unpacked into a scratch root: the layout, the entry, the metainfo and every icon.
root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
game=$root/usr/lib/games/orbulon
[ "$(readlink "$root/usr/games/orbulon")" = ../lib/games/orbulon/orbulon ] || fail "no relative link in /usr/games"
entry=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$entry" >"$work/desktop.log" 2>&1 && [ ! -s "$work/desktop.log" ] ||
    fail "desktop-file-validate: $(cat "$work/desktop.log")"
# Any issue but a pedantic hint fails the validation.
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli validate"
grep -qx "Icon=$app_id" "$entry" || fail "the entry names another icon"
# The game speaks every language its menu entry does, and the metainfo says so.
languages=$(sed -n 's/^Comment\[\(.*\)\]=.*/\1/p' "$entry")
[ "$(echo $languages | wc -w)" -ge 8 ] || fail "the entry speaks only: $languages"
for language in $languages; do
    [ -s "$root/usr/share/games/orbulon/translations/orbulon_$language.qm" ] || fail "no $language translation installed"
    grep -q "<lang percentage=\"100\">$language</lang>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo does not list $language"
done
# The theme's nine PNG icons each a red ball, opaque below its highlight, on a transparent square,
# and its SVG; the window's icon a disc of the red ball's colour on black at 16 and 32 pixels.
# (Their sizes against their folders are lintian's.)
ball='%[fx:p{0,0}.a == 0 && p{w/2,h*2/3}.a == 1 && p{w/2,h*2/3}.r > 2 * p{w/2,h*2/3}.g]'
[ "$(convert "$root"/usr/share/icons/hicolor/*/apps/$app_id.png -format "$ball" info:)" = 111111111 ] ||
    fail "the theme's PNG icons are not nine red balls on transparent squares"
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the scalable icon is no SVG"
red=$(printf '%02X%02X%02XFF' ${red_ball//,/ })
[ "$(convert "$game/$icon_file" -format '%w:%[hex:p{w/2,h/2}]:%[hex:p{0,0}] ' info:)" = "16:$red:000000FF 32:$red:000000FF " ] ||
    fail "$icon_file is no disc of the red ball's colour on black at 16 and 32 pixels"

# --- The installed game, played by an ordinary user in a folder they cannot write.
as_nobody_if_root
chmod -R a-w "$game"
installed_before=$(cd "$game" && find . -exec ls -ld --full-time {} + && sha256sum ./*)
table=$work/home/data/orbulon/$table_file
start_buses
start_game "$root/usr/games/orbulon" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The window must carry the class the menu entry names, or launchers show it apart.
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
[ "StartupWMClass=$class" = "$(grep '^StartupWMClass=' "$entry")" ] || fail "window class is '$class'"

# A game may end below the shipped table's last score; then another is played.
for attempt in 1 2 3 4; do
    reader play actions "Packaged Player" prompt >>"$work/play.log" 2>&1 || fail "playing game $attempt"
    # A new best is announced before it is kept.
    within_5s box_up && answer
    within_5s test -f "$table" && break
done
[ -f "$table" ] || fail "no score was kept in $table"
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"
cmp -s "$table" "$game/$table_file" && fail "the player's table is the shipped one"
[ "$(cd "$game" && find . -exec ls -ld --full-time {} + && sha256sum ./*)" = "$installed_before" ] || fail "the installed folder changed"
echo "PASS: $(basename "$deb") built, lintian and validators clean, the installed game played to a kept score"
