// SPDX-License-Identifier: GPL-3.0-or-later
// Marks a text of the rules or the records that a player reads, for the translators' tools.
#pragma once

// The rules and records keep their English: it is the key by which the windows look up the
// player's language when they show the text (in the context "orbulon"), and it is what the
// game shows where no translation is installed. lupdate reads this mark as QT_TR_NOOP, so a
// marked text must stand at namespace scope in namespace orbulon to get that context.
#define PLAYER_TEXT(Text) Text
