#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server, in a folder of its own where much has gone wrong.
#   damaged-media: every ball's bitmap and one cue missing, damaged, oversized, a FIFO or an
#     endless device, no marquee, the table a FIFO, and a sound server and a session bus that
#     take the connection and never answer. The game must start in good time and bounded memory,
#     frame and take a group, open its about and scores windows, and end within moments of
#     File > Exit.
#   foreign-folder: a read-only folder named in Latin-1 ("café", not UTF-8), a relative
#     XDG_DATA_HOME, and another copy holding the table's lock as the game ends. The media must
#     load, the window must show that it waits and keep drawing, and once the other copy lets
#     go the score must be kept in the player's own folder, seeded from the folder's table.
# Usage: robustness.sh path/to/orbulon damaged-media|foreign-folder
set -uo pipefail
program=$(readlink -f "$1")
case=$2
source "$(dirname "$0")/session.sh"
need setpriv python3
built=$(dirname "$program")
[ "$case" = foreign-folder ] && game_folder=$'caf\xe9'
copy_game "$program" $media_files "$table_file"
as_nobody_if_root
holder_pid="" server_pid=""
trap '[ -n "$holder_pid" ] && kill "$holder_pid" 2>/dev/null; [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; cleanup' EXIT

# A sanitizer build reads its suppression files as the player: give the player copies.
for var in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [[ ${!var:-} =~ suppressions=([^:]+) ]] || continue
    cp "${BASH_REMATCH[1]}" "$work/$var.supp"
    export "$var=${!var/${BASH_REMATCH[1]}/$work/$var.supp}"
done
scores() { (cd "$game" && find -L "$table_file" -type f -exec sha256sum {} + | sort); }
# Gives the output of a helper started in the background once it has said it is ready.
ready() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.05; done; fail "$2 did not start"; }
# Holds until the window id $1 is gone, or fails saying $2.
gone() { for _ in $(seq 100); do xdotool getwindowname "$1" >/dev/null 2>&1 || return 0; sleep 0.05; done; fail "$2"; }
# Gives the box that is up the focus, and then the keys (Return unless told).
answer() { xdotool windowfocus --sync "$box_id" key "${@:-Return}"; }

# The board's background and outline, and the score box's green pixels between two columns.
board_drawn() {
    [ "$(pixel "$1" 3 3)" = "$background" ] || fail "background is $(pixel "$1" 3 3)"
    [ "$(pixel "$1" "$shape1_left" 100)" = "$shape1_outline" ] || fail "board outline is $(pixel "$1" "$shape1_left" 100)"
}
green_in() {
    awk -F'[ ,]' -v from="$2" -v to="$3" -v top=$((score_top + 4)) -v bottom=$((score_top + score_height - 4)) \
        -v green="$score_text" '$1 >= from && $1 <= to && $2 >= top && $2 <= bottom &&
        $3 "," $4 "," $5 == green { n++ } END { print n + 0 }' "$work/$1.txt"
}

damaged_media() {
    rm "$game/String.cfg" "$game/BlueBall.bmp" "$game/$red_bitmap_file" "$game/$table_file" "$game/$click_wave_file"
    echo "not a bitmap" >"$game/GreenBall.bmp"
    head -c 100 "$built/PurpleBall.bmp" >"$game/PurpleBall.bmp"
    convert -size 4000x4000 xc:yellow "BMP3:$game/YellowBall.bmp" || fail "no large bitmap made"
    mkfifo "$game/$red_bitmap_file" "$game/$table_file" || fail "no FIFOs made"
    ln -s /dev/zero "$game/$click_wave_file"
    # The clear cue is whole, so its stream goes to this server, which never says a word; the
    # session bus is the same silent socket.
    python3 -c 'import os, signal, socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
os.chmod(sys.argv[1], 0o777)
server.listen(16)
print("listening", flush=True)
signal.pause()' "$work/sound" >"$work/sound.ready" 2>&1 &
    server_pid=$!
    ready "$work/sound.ready" "the silent sound server"
    chmod -R a+rX "$work"
    local before
    before=$(scores)

    start_game "$game/orbulon" PULSE_SERVER="unix:$work/sound" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/sound"
    # Whatever lies beside the program, the window comes up in good time and the memory stays
    # near that of a plain start (about 60 MiB; a sanitizer build needs several times that).
    # Before, a FIFO kept the window away for good and a link to /dev/zero ate gigabytes, and the
    # silent bus held it back for good inside Qt.
    local waited=$((SECONDS - started))
    local peak_kib
    peak_kib=$(awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status")
    [ "$waited" -le 15 ] || fail "the window took $waited s"
    [ "${peak_kib:-0}" -le $((400 * 1024)) ] || fail "peak memory $peak_kib KiB"
    [ "$WIDTH" -eq "$client_width" ] || fail "window is $WIDTH pixels wide, not $client_width"
    pixels idle
    board_drawn idle

    keys alt+f n
    pixels new
    # The score box shows "0" in its middle: green there, none at its left end.
    [ "$(green_in new 110 150)" -gt 0 ] || fail "no score shown after File > New"
    [ "$(green_in new 10 60)" -eq 0 ] || fail "something shows in the marquee's place after File > New"

    # A ball whose right neighbour looks the same: a click frames the pair in red, the gap
    # between them and the frame's corner; a second click takes the group.
    local row column x y
    for row in $(seq 0 $((rows - 1))); do
        for column in $(seq 0 $((columns - 2))); do
            x=$(cell_x "$column") y=$(cell_y "$row")
            [ "$(pixel new "$x" "$y")" = "$(pixel new $((x + cell_pitch)) "$y")" ] && break 2
        done
    done
    [ "$(pixel new "$x" "$y")" = "$(pixel new $((x + cell_pitch)) "$y")" ] || fail "no pair of neighbours on the board"
    local gap="$(cell_x "$column" "$cell_size") $y"
    xdotool mousemove $((left + x)) $((top + y)) click 1
    for _ in $(seq 50); do pixels selected; [ "$(pixel selected $gap)" = "$highlight" ] && break; done
    [ "$(pixel selected $gap)" = "$highlight" ] || fail "no red between the framed pair ($(pixel selected $gap))"
    [ "$(pixel selected "$(cell_x "$column" -1)" "$(cell_y "$row" -1)")" = "$highlight" ] || fail "no frame corner"
    board_drawn selected
    xdotool click 1
    for _ in $(seq 50); do pixels taken; [ "$(pixel taken $gap)" != "$highlight" ] && break; done
    [ "$(pixel taken $gap)" != "$highlight" ] || fail "the second click did not take the group"
    [ "$(green_in taken 0 "$client_width")" -ne "$(green_in new 0 "$client_width")" ] || fail "the score did not change"

    # The about window shows the red ball's picture, a FIFO here; the scores window reads the
    # table, a FIFO too. Each comes up, and goes with Return.
    local shown
    for menu in "alt+h a About" "alt+h s Scores"; do
        set -- $menu
        keys "$1" "$2"
        shown=$(timeout 10 xdotool search --sync --onlyvisible --name "^$game_title - $3\.\$" | head -n1)
        [ -n "$shown" ] || fail "no $3 window"
        xdotool windowfocus --sync "$shown" key Return
        gone "$shown" "the $3 window did not close"
    done

    # File > Exit during a game asks first: from Cancel, the default, one Tab to OK. The cue's
    # stream still waits for the sound server, which must not keep the game alive.
    keys alt+f x
    box_id=$(timeout 10 xdotool search --sync --onlyvisible --name "^${game_title%!}\$" | head -n1)
    [ -n "$box_id" ] || fail "no exit question"
    answer Tab space
    local asked=$EPOCHREALTIME
    timeout 10 tail --pid="$game_pid" -s 0.05 -f /dev/null || fail "the program did not exit"
    local took
    took=$(awk -v from="$asked" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.1f", to - from }')
    wait "$game_pid" || fail "the program exited with status $?"
    game_pid=""
    awk -v took="$took" 'BEGIN { exit !(took < 2) }' || fail "the program took $took s to exit"
    [ "$(scores)" = "$before" ] || fail "the stored scores changed"
    echo "PASS ($case): started in $waited s, took a group at column $column row $row, about and scores shown, exited $took s after OK"
}

foreign_folder() {
    # Five one-point scores, "00001Low" scrambled as the game stores it, so any game's score
    # enters: the player's table must then hold four of them, read from this folder.
    local low=$'\221\234\234\237\250\271\324\351'
    for _ in 1 2 3 4 5; do printf '%s\r\n' "$low"; done >"$game/$table_file"
    touch "$game/$table_file.lock"
    chmod -R a+rX "$work"
    chmod -R a-w "$game"
    local before
    before=$(scores)
    # Another copy of the game, in the middle of its save until told to stop.
    python3 -c 'import fcntl, signal, sys
lock = open(sys.argv[1])
fcntl.flock(lock, fcntl.LOCK_EX)
print("holding", flush=True)
signal.pause()' "$game/$table_file.lock" >"$work/holder.ready" 2>&1 &
    holder_pid=$!
    ready "$work/holder.ready" "the other copy"

    start_game "$game/orbulon" XDG_DATA_HOME=data
    keys alt+f n
    python3 "$(dirname "$0")/autoplay.py" "$window" >"$work/autoplay.log" 2>&1 ||
        fail "autoplay: $(cat "$work/autoplay.log")"
    box_id=""
    wait_box "$box_id" || fail "no end message"
    answer
    wait_box "$box_id" || fail "no name prompt"
    answer ctrl+a
    xdotool type "Ann"
    xdotool key Return
    wait_box "$box_id" || fail "no box while the other copy holds the lock"
    local waiting=$box_id
    # The box is drawn and its bar moves: the window's events go on while it waits.
    local first
    first=$(import -window "$waiting" rgb:- | md5sum)
    for _ in $(seq 50); do [ "$(import -window "$waiting" rgb:- | md5sum)" != "$first" ] && break; sleep 0.1; done
    [ "$(import -window "$waiting" rgb:- | md5sum)" != "$first" ] || fail "the waiting box stands still"
    [ -s "$work/home/.local/share/orbulon/$table_file" ] && fail "the score was saved while the other copy held the lock"
    kill "$holder_pid"
    wait "$holder_pid" 2>/dev/null
    holder_pid=""
    gone "$waiting" "the waiting box stayed after the other copy let go"
    wait_box "$waiting" || fail "no new best announced"
    answer
    kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"

    grep -q "orbulon.media" "$work/game.log" && fail "media not read: $(cat "$work/game.log")"
    local kept=$work/home/.local/share/orbulon/$table_file
    for _ in $(seq 100); do [ -s "$kept" ] && break; sleep 0.05; done
    [ -s "$kept" ] || fail "no score kept in $kept"
    [ -e "$work/home/data" ] && fail "a relative XDG_DATA_HOME was used: $(find "$work/home/data")"
    [ "$(tr -cd '\n' <"$kept" | wc -c)" -eq 5 ] || fail "the player's table does not have five lines"
    [ "$(grep -c -a -F "$low" "$kept")" -eq 4 ] || fail "the player's table was not seeded from the game's folder"
    [ "$(scores)" = "$before" ] || fail "the table in the game's folder changed"
    echo "PASS ($case): media read from a Latin-1 folder, the lock waited for on screen, the score kept in $kept"
}

case $case in
    damaged-media) damaged_media ;;
    foreign-folder) foreign_folder ;;
    *) echo "unknown case $case"; exit 2 ;;
esac
