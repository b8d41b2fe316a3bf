// SPDX-License-Identifier: GPL-3.0-or-later
// The scrambling of the data files and the names kept in them.
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"
#include "TextCodec.h"

using namespace orbulon;

TEST(Scramble, EveryByteAtEveryPositionComesBackThroughItsKeyCharacter)
{
    // Zero bytes show the key: position 1 uses its 2nd character, 15 the 1st, 16 the 2nd again.
    EXPECT_EQ(ScrambleText(std::string(16, '\0')), "allowmere 1998Ta");
    for (int Byte = 0; Byte < 256; ++Byte) {
        const std::string Line(15, static_cast<char>(Byte));  // the byte under every key character
        EXPECT_EQ(UnscrambleText(ScrambleText(Line)), Line) << Byte;
    }
}

TEST(StoredNames, EveryNameReadsBackAsShownFromAFiveLineTable)
{
    for (int Code = 0; Code < 256; ++Code) {
        const std::string Latin1(15, static_cast<char>(Code)), Name = Latin1ToUtf8(Latin1);
        EXPECT_EQ(Utf8ToLatin1(Name), Latin1) << Code;
        HighScoreTable Table;  // a break in the name's line would shift the ranks below it
        PlaceScore(Table, 99, Name);
        EXPECT_EQ(ParseHighScoreTable(FormatHighScoreTable(Table)).Names, Table.Names) << Code;
    }
}

TEST(StoredNames, ATypedNameIsCutAndMappedOntoLatin1ForItsRecord)
{
    EXPECT_EQ(Latin1ToUtf8("Ren\xe9"), "René");
    EXPECT_EQ(Utf8ToLatin1("€ \xc3 \xed\xa0\x80 \xc0\xaf"), "? ? ??? ??");  // beyond Latin-1, broken UTF-8
    EXPECT_EQ(NameToRecord("Renée Ñ🙂\r\n\t"),
              "Ren\xe9"
              "e N????");  // Ñ there would scramble to LF
    EXPECT_EQ(NameToRecord("Zoe\xcc\x88"), "Zoe");  // a combining diaeresis is dropped
    EXPECT_EQ(NameToRecord(std::string(10000, 'x')).size(), MaxNameLength);
}
