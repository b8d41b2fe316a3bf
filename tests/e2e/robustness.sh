#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server, in a folder of its own that one thing has gone wrong
# with: it must start, take a group after File > New, leave by File > Exit, and keep the
# stored scores byte for byte.
# Usage: robustness.sh path/to/orbulon missing-marquee|missing-bitmap|missing-wave|table-is-a-folder|read-only-folder
#        |table-is-a-pipe|lock-is-a-pipe|lock-is-endless|table-is-a-link|unreadable-table
#        |fifo-wave|fifo-bitmap|wave-is-dev-zero|huge-bitmap|cut-bitmap
set -uo pipefail

program=$(readlink -f "$1")
case=$2
for tool in Xvfb xdotool import convert setpriv; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL ($case): $*"; echo "--- game output:"; cat "$work/game.log" 2>/dev/null; exit 1; }

# The program and everything that lies beside it, in a folder of its own.
game=$work/game
mkdir "$game"
cp "$program" "$game/"
source "$(dirname "$0")/session.sh"
for file in $media_files $table_file; do
    cp "$(dirname "$program")/$file" "$game/" || fail "no $file beside the program"
done

# As root, folder permissions would not bite: the game then runs as an ordinary user.
as_player=()
[ "$(id -u)" -eq 0 ] && as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)

case $case in
    missing-marquee) rm "$game/String.cfg" ;;
    missing-bitmap) rm "$game/BlueBall.bmp"; echo "not a bitmap" >"$game/GreenBall.bmp" ;;
    missing-wave) rm "$game/Click.wav"; head -c 100 "$(dirname "$program")/Clear.wav" >"$game/Clear.wav" ;;
    table-is-a-folder)
        rm "$game/$table_file"
        mkdir "$game/$table_file"
        cp "$(dirname "$program")/$table_file" "$game/$table_file/scores kept here" ;;
    read-only-folder) ;;
    # Nothing here may make the game wait on an open or read without end (time to the window).
    table-is-a-pipe) rm "$game/$table_file"; mkfifo "$game/$table_file" ;;
    lock-is-a-pipe) mkfifo "$game/$table_file.lock" ;;
    lock-is-endless) ln -s /dev/zero "$game/$table_file.lock" ;;
    table-is-a-link) mv "$game/$table_file" "$work/linked-table"; ln -s "$work/linked-table" "$game/$table_file" ;;
    unreadable-table) ;;
    # Special and oversized media: each must give a window in good time and bounded memory.
    fifo-wave) rm "$game/$click_wave_file"; mkfifo "$game/$click_wave_file" ;;
    fifo-bitmap) rm "$game/$red_bitmap_file"; mkfifo "$game/$red_bitmap_file" ;;
    wave-is-dev-zero) rm "$game/$click_wave_file"; ln -s /dev/zero "$game/$click_wave_file" ;;
    huge-bitmap) convert -size 4000x4000 xc:red "BMP3:$game/$red_bitmap_file" || fail "no large bitmap made" ;;
    cut-bitmap) head -c 100 "$(dirname "$program")/$red_bitmap_file" >"$game/$red_bitmap_file" ;;
    *) echo "unknown case $case"; exit 2 ;;
esac
# A sanitizer build reads its suppression files as the player: give the player copies.
if [ "${#as_player[@]}" -ne 0 ]; then
    for var in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        value=${!var:-}
        [[ $value =~ suppressions=([^:]+) ]] || continue
        cp "${BASH_REMATCH[1]}" "$work/$var.supp"
        export "$var=${value/${BASH_REMATCH[1]}/$work/$var.supp}"
    done
fi
chmod -R a+rX "$work"
[ "$case" = read-only-folder ] && chmod -R a-w "$game"
[ "$case" = read-only-folder ] && [ "${#as_player[@]}" -eq 0 ] && [ "$(id -u)" -eq 0 ] && { echo "SKIP: root"; exit 77; }
scores_before=$(cd "$game" && find -L "$table_file" -type f -exec sha256sum {} + | sort)
[ "$case" = unreadable-table ] && chmod 000 "$game/$table_file"

# The player's own folders, away from the real home.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
[ "${#as_player[@]}" -ne 0 ] && chown 65534:65534 "$work/home" "$work/runtime"

start_xvfb
started=$SECONDS

(cd "$work/home" && exec env -u QT_QPA_PLATFORM HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" "${as_player[@]}" "$game/orbulon") \
    >"$work/game.log" 2>&1 &
game_pid=$!

find_game_window
# Whatever lies beside the program, the window comes up in good time and the memory stays
# near that of a plain start (about 60 MiB; a sanitizer build needs several times that).
# Before, a FIFO kept the window away for good and a link to /dev/zero ate gigabytes.
waited=$((SECONDS - started))
peak_kib=$(awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status")
[ "$waited" -le 15 ] || fail "the window took $waited s"
[ "${peak_kib:-0}" -le $((400 * 1024)) ] || fail "peak memory $peak_kib KiB"
green() { awk -v green="$score_text" '$2 == green { n++ } END { print n + 0 }' "$work/$1.txt"; }  # the score's segments

new_game_by_keyboard
pixels new

# A ball whose right neighbour looks the same: a click frames the pair in red.
find_pair new
click_cell $column $row
pixels selected
gap="$(($(cell_left $column) + cell_size)) $(cell_y $row)"
[ "$(pixel selected $gap)" = "$highlight" ] || fail "the click framed no group"
xdotool click 1
sleep 0.7
pixels taken
[ "$(pixel taken $gap)" != "$highlight" ] || fail "the second click did not take the group"
[ "$(green taken)" -ne "$(green new)" ] || fail "the score did not change"

# File > Exit during a game asks first; the answer OK ends the program.
xdotool windowfocus --sync "$window"
xdotool key alt+f
sleep 0.5
xdotool key x
question=$(timeout 10 xdotool search --sync --name '^Orbulon$' | head -n1)
[ -n "$question" ] || fail "no exit question"
sleep 0.5
# The question is modal, so the keys reach it through the main window: from Cancel, the
# default, one Tab to OK, and space presses it.
xdotool key Tab space
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the program did not exit"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the program exited with status $status"

[ "$case" = unreadable-table ] && chmod 644 "$game/$table_file"
scores_after=$(cd "$game" && find -L "$table_file" -type f -exec sha256sum {} + | sort)
[ "$scores_after" = "$scores_before" ] || fail "the stored scores changed"
[ "$case" != table-is-a-link ] || [ -L "$game/$table_file" ] || fail "the link named Config.cfg is gone"
[ "$case" != table-is-a-folder ] || [ -d "$game/$table_file" ] || fail "the folder named Config.cfg is gone"
echo "PASS ($case): started, took a group at column $column row $row, exited cleanly, scores kept"
exit 0
