#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A game played to a new best score in a folder whose disk takes no more than 40 bytes a file
# (the file-size limit standing in for a full disk, with the signal it sends ignored, as a full
# disk sends none). Figures guarded: the table's bytes before and after, and the boxes the player
# sees. Before, the save went through anyway: "Config.cfg" was left empty and the player was
# only told of the high score.
# Usage: full-disk.sh path/to/orbulon
set -uo pipefail
program=$(readlink -f "$1")
source "$(dirname "$0")/session.sh"
need setpriv prlimit python3
copy_game "$program" $media_files
as_nobody_if_root
# A table of five one-point scores, so any game ends with a new best: "00001Low" five times,
# scrambled as the game stores its lines.
for _ in 1 2 3 4 5; do printf '\221\234\234\237\250\271\324\351\r\n'; done >"$game/$table_file"
chmod -R a+rX "$work"
chmod a+w "$game"
before=$(sha256sum <"$game/$table_file")

trap '' XFSZ
start_game "$game/orbulon" prlimit --fsize=40
play_game  # the end message, the name prompt, the new best, then the failure
[ "$said" -eq 4 ] || fail "the player saw $said boxes, not the end, the prompt, the new best and the failure"
[ "$(sha256sum <"$game/$table_file")" = "$before" ] || fail "the table changed"
[ -z "$(find "$game" -name "$table_file.?*" ! -name '*.lock')" ] || fail "a half-written table was left: $(ls "$game")"
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"
echo "PASS: a save on a full disk kept the table byte for byte and told the player once"
