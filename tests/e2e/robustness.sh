#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server, in a folder of its own that one thing has gone wrong
# with (or, as-built, nothing): it must start in good time and bounded memory, show its board,
# frame and take a group after File > New, leave by File > Exit, and keep the stored scores
# byte for byte.
# Usage: robustness.sh path/to/orbulon CASE (the cases are listed below)
set -uo pipefail
program=$(readlink -f "$1")
case=$2
source "$(dirname "$0")/session.sh"
need setpriv
copy_game "$program" $media_files "$table_file"
built=$(dirname "$program")
as_nobody_if_root

case $case in
    as-built | unreadable-table) ;;
    read-only-folder) chmod -R a-w "$game" ;;
    missing-marquee) rm "$game/String.cfg" ;;
    missing-bitmap) rm "$game/BlueBall.bmp"; echo "not a bitmap" >"$game/GreenBall.bmp" ;;
    missing-wave) rm "$game/Click.wav"; head -c 100 "$built/Clear.wav" >"$game/Clear.wav" ;;
    table-is-a-folder) rm "$game/$table_file"; mkdir "$game/$table_file"; cp "$built/$table_file" "$game/$table_file/kept" ;;
    # Nothing here may make the game wait on an open or read without end (time to the window).
    table-is-a-pipe) rm "$game/$table_file"; mkfifo "$game/$table_file" ;;
    lock-is-a-pipe) mkfifo "$game/$table_file.lock" ;;
    lock-is-endless) ln -s /dev/zero "$game/$table_file.lock" ;;
    table-is-a-link) mv "$game/$table_file" "$work/linked-table"; ln -s "$work/linked-table" "$game/$table_file" ;;
    # Special and oversized media: each must give a window in good time and bounded memory.
    fifo-wave) rm "$game/$click_wave_file"; mkfifo "$game/$click_wave_file" ;;
    fifo-bitmap) rm "$game/$red_bitmap_file"; mkfifo "$game/$red_bitmap_file" ;;
    wave-is-dev-zero) rm "$game/$click_wave_file"; ln -s /dev/zero "$game/$click_wave_file" ;;
    huge-bitmap) convert -size 4000x4000 xc:red "BMP3:$game/$red_bitmap_file" || fail "no large bitmap made" ;;
    cut-bitmap) head -c 100 "$built/$red_bitmap_file" >"$game/$red_bitmap_file" ;;
    *) echo "unknown case $case"; exit 2 ;;
esac
# A sanitizer build reads its suppression files as the player: give the player copies.
for var in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [[ ${!var:-} =~ suppressions=([^:]+) ]] || continue
    cp "${BASH_REMATCH[1]}" "$work/$var.supp"
    export "$var=${!var/${BASH_REMATCH[1]}/$work/$var.supp}"
done
chmod -R a+rX "$work"
scores() { (cd "$game" && find -L "$table_file" -type f -exec sha256sum {} + | sort); }
scores_before=$(scores)
[ "$case" = unreadable-table ] && chmod 000 "$game/$table_file"

start_game "$game/orbulon"
# Whatever lies beside the program, the window comes up in good time and the memory stays
# near that of a plain start (about 60 MiB; a sanitizer build needs several times that).
# Before, a FIFO kept the window away for good and a link to /dev/zero ate gigabytes.
waited=$((SECONDS - started))
peak_kib=$(awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status")
[ "$waited" -le 15 ] || fail "the window took $waited s"
[ "${peak_kib:-0}" -le $((400 * 1024)) ] || fail "peak memory $peak_kib KiB"
[ "$WIDTH" -eq "$client_width" ] || fail "window is $WIDTH pixels wide, not $client_width"
# The board's background and outline: checked before, while a group is framed, and after.
board_drawn() {
    [ "$(pixel "$1" 3 3)" = "$background" ] || fail "background is $(pixel "$1" 3 3)"
    [ "$(pixel "$1" "$shape1_left" 100)" = "$shape1_outline" ] || fail "board outline is $(pixel "$1" "$shape1_left" 100)"
}
green_in() {  # the score box's green pixels between two columns
    awk -F'[ ,]' -v from="$2" -v to="$3" -v top=$((score_top + 4)) -v bottom=$((score_top + score_height - 4)) \
        -v green="$score_text" '$1 >= from && $1 <= to && $2 >= top && $2 <= bottom &&
        $3 "," $4 "," $5 == green { n++ } END { print n + 0 }' "$work/$1.txt"
}
pixels idle
board_drawn idle

keys alt+f n
pixels new
# The score box shows "0" in its middle: green there, none at its left end where the marquee ran.
[ "$(green_in new 110 150)" -gt 0 ] || fail "no score shown after File > New"
[ "$(green_in new 10 60)" -eq 0 ] || fail "the marquee still shows after File > New"

# A ball whose right neighbour looks the same: a click frames the pair in red, the gap between
# them and the frame's corner.
for row in $(seq 0 $((rows - 1))); do
    for column in $(seq 0 $((columns - 2))); do
        x=$(cell_x "$column") y=$(cell_y "$row")
        [ "$(pixel new "$x" "$y")" = "$(pixel new $((x + cell_pitch)) "$y")" ] && break 2
    done
done
[ "$(pixel new "$x" "$y")" = "$(pixel new $((x + cell_pitch)) "$y")" ] || fail "no pair of neighbours on the board"
xdotool mousemove $((left + x)) $((top + y)) click 1
sleep 0.7
pixels selected
gap="$(cell_x "$column" "$cell_size") $y"
[ "$(pixel selected $gap)" = "$highlight" ] || fail "no red between the framed pair ($(pixel selected $gap))"
[ "$(pixel selected "$(cell_x "$column" -1)" "$(cell_y "$row" -1)")" = "$highlight" ] || fail "no frame corner"
board_drawn selected
xdotool click 1
sleep 0.7
pixels taken
[ "$(pixel taken $gap)" != "$highlight" ] || fail "the second click did not take the group"
[ "$(green_in taken 0 "$client_width")" -ne "$(green_in new 0 "$client_width")" ] || fail "the score did not change"

# File > Exit during a game asks first. The question is modal, so the keys reach it through the
# main window: from Cancel, the default, one Tab to OK, and space presses it.
keys alt+f x
# The question bears the plain name, without the window title's exclamation mark.
[ -n "$(timeout 10 xdotool search --sync --name '^Orbulon$')" ] || fail "no exit question"
sleep 0.5
xdotool key Tab space
timeout 10 tail --pid="$game_pid" -s 0.1 -f /dev/null || fail "the program did not exit"
wait "$game_pid" || fail "the program exited with status $?"
game_pid=""

[ "$case" = unreadable-table ] && chmod 644 "$game/$table_file"
[ "$(scores)" = "$scores_before" ] || fail "the stored scores changed"
[ "$case" != table-is-a-link ] || [ -L "$game/$table_file" ] || fail "the link named $table_file is gone"
[ "$case" != table-is-a-folder ] || [ -d "$game/$table_file" ] || fail "the folder named $table_file is gone"
echo "PASS ($case): started, framed and took a group at column $column row $row, exited cleanly, scores kept"
