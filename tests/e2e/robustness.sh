#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X server, in a folder of its own where much has gone wrong.
#   damaged-media: every ball's bitmap and one cue missing, damaged, oversized, a FIFO or an
#     endless device, no marquee, the table a FIFO, and a sound server and a session bus that
#     take the connection and never answer. The game must start in good time and bounded memory,
#     open its about and scores windows during a game, and end at once on File > Exit.
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
[ "$case" = foreign-folder ] && game_folder=$'caf\xe9'
copy_game "$program" $media_files "$table_file"
as_nobody_if_root
# A sanitizer build reads its suppression files as the player: give the player copies.
for var in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [[ ${!var:-} =~ suppressions=([^:]+) ]] && cp "${BASH_REMATCH[1]}" "$work/$var.supp" &&
        export "$var=${!var/${BASH_REMATCH[1]}/$work/$var.supp}"
done

scores() { (cd "$game" && find -L "$table_file" -type f -exec sha256sum {} + | sort); }
# Starts a Python helper in the background that prints a line once it is ready; sets helper_pid.
helper() {
    python3 -c "import fcntl, os, signal, socket, sys; $1; print('ready', flush=True); signal.pause()" "$2" \
        >"$work/helper" 2>&1 &
    helper_pid=$! servers+=($!)
    within_5s test -s "$work/helper" || fail "the helper did not start"
}

damaged_media() {
    (cd "$game" && rm String.cfg BlueBall.bmp "$red_bitmap_file" "$table_file" "$click_wave_file" &&
        echo "not a bitmap" >GreenBall.bmp && head -c 100 "$(dirname "$program")/PurpleBall.bmp" >PurpleBall.bmp &&
        convert -size 4000x4000 xc:yellow BMP3:YellowBall.bmp && mkfifo "$red_bitmap_file" "$table_file" &&
        ln -s /dev/zero "$click_wave_file") || fail "the damaged media were not made"
    # The clear cue is whole, so its stream goes to this socket, which never says a word; so
    # does the session bus.
    helper 's = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); os.chmod(sys.argv[1], 0o777); s.listen(16)' \
        "$work/mute"
    chmod -R a+rX "$work"
    before=$(scores)

    start_game "$game/orbulon" PULSE_SERVER="unix:$work/mute" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/mute"
    # The window comes up in good time and the memory stays near that of a plain start (about
    # 60 MiB; a sanitizer build needs several times that). Before, a FIFO kept the window away
    # for good, a link to /dev/zero ate gigabytes, and the silent bus held it back inside Qt.
    waited=$((SECONDS - started))
    peak_kib=$(awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status")
    [ "$waited" -le 15 ] || fail "the window took $waited s"
    [ "${peak_kib:-0}" -le $((400 * 1024)) ] || fail "peak memory $peak_kib KiB"
    keys alt+f n

    # The about window shows the red ball's picture, a FIFO here; the scores window reads the
    # table, a FIFO too. Each comes up, and goes with Return: each holds the main window until
    # it goes, so that the next step fails unless it does.
    for menu in "a About" "s Scores"; do
        keys alt+h "${menu::1}" && wait_window "$game_title - ${menu:2}\." && answer || fail "no ${menu:2} window"
    done

    # File > Exit during a game asks first: from Cancel, the default, one Tab to OK. The cue's
    # stream still waits for the sound server, which must not keep the game alive.
    keys alt+f x && wait_window "${game_title%!}" && answer Tab space || fail "no exit question"
    timeout 2 tail --pid="$game_pid" -s 0.05 -f /dev/null || fail "the program did not exit within 2 s of OK"
    wait "$game_pid" || fail "the program exited with status $?"
    game_pid=""
    [ "$(scores)" = "$before" ] || fail "the stored scores changed"
    echo "PASS ($case): window in $waited s, about and scores shown, exit within 2 s of OK"
}

foreign_folder() {
    # Five one-point scores, "00001Low" scrambled as the game stores it, so any game's score
    # enters: the player's table must then hold four of them, read from this folder.
    low=$'\221\234\234\237\250\271\324\351'
    for _ in 1 2 3 4 5; do printf '%s\r\n' "$low"; done >"$game/$table_file"
    touch "$game/$table_file.lock"
    chmod -R a+rX "$work"
    chmod -R a-w "$game"
    kept=$work/home/.local/share/orbulon/$table_file
    before=$(scores)
    # Another copy of the game, in the middle of its save until it is stopped.
    helper 'f = open(sys.argv[1]); fcntl.flock(f, fcntl.LOCK_EX)' "$game/$table_file.lock"

    start_buses
    start_game "$game/orbulon" XDG_DATA_HOME=data QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    reader play actions Ann prompt >"$work/play.log" 2>&1 || fail "playing"
    reader wait "Waiting for another copy" && within_5s box_up || fail "no box while the other copy holds the lock"
    # The box is drawn and its bar moves: the window's events go on while it waits.
    first=$(import -window "$box_id" rgb:- | md5sum)
    changed() { [ "$(import -window "$box_id" rgb:- | md5sum)" != "$first" ]; }
    within_5s changed || fail "the waiting box stands still"
    # Once the other copy lets go, the waiting box gives way to the new best's message.
    kill "$helper_pid"
    reader wait "You got the high score!" && within_5s box_up && answer || fail "no new best announced once the other copy let go"

    within_5s test -s "$kept" || fail "no score kept in $kept"
    grep -q "orbulon.media" "$work/game.log" && fail "media not read: $(cat "$work/game.log")"
    [ -e "$work/home/data" ] && fail "a relative XDG_DATA_HOME was used: $(find "$work/home/data")"
    [ "$(grep -c -a -F "$low" "$kept")" -eq 4 ] || fail "the player's table was not seeded from the game's folder"
    [ "$(scores)" = "$before" ] || fail "the table in the game's folder changed"
    echo "PASS ($case): media read from a Latin-1 folder, the lock waited for on screen, the score kept in $kept"
}

# Each case is run by the function of its name.
declare -F "${case/-/_}" >/dev/null || { echo "unknown case $case"; exit 2; }
"${case/-/_}"
