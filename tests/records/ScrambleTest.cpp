// The scrambling of the data files, and the text mappings that keep stored names whole.
#include "DataFiles.h"
#include "HighScoreTable.h"
#include "RecordsTestSupport.h"
#include "Scramble.h"
#include "TextCodec.h"

using namespace orbulon;

TEST(Scrambling, PositionJUsesKeyCharacterJMod15Plus1)
{
    // Zero bytes scramble to the key characters themselves.
    const std::string Key = ScrambleText(std::string(31, '\0'));
    EXPECT_EQ(Key[0], 'a');   // position 1: the 2nd key character
    EXPECT_EQ(Key[13], '8');  // position 14: the 15th
    EXPECT_EQ(Key[14], 'T');  // position 15: the 1st
    EXPECT_EQ(Key[15], 'a');  // position 16: the 2nd again
    EXPECT_EQ(Key[29], 'T');  // position 30
    EXPECT_EQ(ScrambleText(""), "");
}

TEST(Scrambling, EveryByteAtEveryKeyPositionComesBackBothWays)
{
    for (int Byte = 0; Byte < 256; ++Byte) {
        const std::string Line(15, static_cast<char>(Byte));
        EXPECT_EQ(UnscrambleText(ScrambleText(Line)), Line) << Byte;
        EXPECT_EQ(ScrambleText(UnscrambleText(Line)), Line) << Byte;
        EXPECT_EQ(ScrambleText(Line).size(), 15u);
    }
    // Sums past 255 wrap, differences below 0 wrap back: 255 + 'a' (97) is 96.
    EXPECT_EQ(ScrambleText("\xff"), "\x60");
    EXPECT_EQ(UnscrambleText("\x60"), "\xff");
}

TEST(TextCodec, EveryLatin1ByteSurvivesUtf8AndBack)
{
    std::string All;
    for (int Byte = 0; Byte < 256; ++Byte)
        All += static_cast<char>(Byte);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(All)), All);
    EXPECT_EQ(Latin1ToUtf8("Ren\xe9"), "René");
    // Beyond Latin-1, and broken UTF-8, become the substitute one for one.
    EXPECT_EQ(Utf8ToLatin1("€ \xc3 \xed\xa0\x80 \xc0\xaf"), "? ? ??? ??");
}

TEST(StoredNames, EveryLatin1CharacterAtEveryPlaceKeepsTheTableFiveLines)
{
    for (int Code = 0; Code < 256; ++Code) {
        const std::string Name = Latin1ToUtf8(std::string(15, static_cast<char>(Code)));
        HighScoreTable Table;
        for (int Rank = 1; Rank <= TableRanks; ++Rank)
            PlaceScore(Table, static_cast<std::int16_t>(100 - Rank), Name);
        const std::string Bytes = FormatHighScoreTable(Table);
        const auto Lines = SplitLines(Bytes, 10);
        ASSERT_EQ(Lines.size(), 5u) << Code;
        const HighScoreTable Back = ParseHighScoreTable(Bytes);
        EXPECT_EQ(Back.Names[5], Table.Names[5]) << Code;
        const std::string Stored = NameToRecord(Name);
        for (std::size_t i = 0; i < Stored.size(); ++i) {
            const unsigned Key = static_cast<unsigned char>(ScrambleKey[(RecordNameStart + i) % 15]);
            const bool Breaks = (Code + Key) % 256 == '\n' || (Code + Key) % 256 == '\r';
            if (Code < 32 || (Code >= 127 && Code < 160))
                EXPECT_EQ(Stored[i], '?') << Code;
            else if (Breaks)
                EXPECT_TRUE(Stored[i] >= 32 && Stored[i] < 127) << Code << " at " << i;
            else
                EXPECT_EQ(static_cast<unsigned char>(Stored[i]), Code) << Code << " at " << i;
        }
    }
    EXPECT_EQ(NameToRecord("Renée Ñ"), "Ren\xe9" "e N");  // Ñ there would scramble to LF
}

TEST(StoredNames, OddNamesAreCutAndCleanedOnce)
{
    EXPECT_EQ(NameToRecord(std::string(10000, 'x')).size(), MaxNameLength);
    EXPECT_EQ(NameToRecord("a\r\nb\tc"), "a??b?c");
    EXPECT_EQ(NameToRecord("Zoë 🙂"), "Zo\xeb ?");
    EXPECT_EQ(NameToRecord("Zoe\xcc\x88"), "Zoe");  // a combining diaeresis is dropped
    for (const std::string Name : {"Ñandú\r\n€", "\xff\xfe", "  spaced  "})
        EXPECT_EQ(StoredName(StoredName(Name)), StoredName(Name));
}

TEST(MarqueeFile, ReadsTheFirstLineUnscrambledWhateverTheFile)
{
    EXPECT_EQ(FirstLine("one\r\ntwo"), "one");
    EXPECT_EQ(FirstLine("one\ntwo"), "one");
    EXPECT_EQ(FirstLine("one\rtwo"), "one");
    EXPECT_EQ(FirstLine("\r\n"), "");

    TempFolder Folder;
    EXPECT_EQ(ReadMarqueeText(Folder.Path), "");
    WriteBytes(Folder.Path / "String.cfg", ScrambleText("Hello") + "\r\n" + ScrambleText("second"));
    EXPECT_EQ(ReadMarqueeText(Folder.Path), "Hello");
    WriteBytes(Folder.Path / "String.cfg", std::string(1'000'000, 'q'));
    EXPECT_EQ(ReadMarqueeText(Folder.Path).size(), MaxLineLength);
    fs::remove(Folder.Path / "String.cfg");
    fs::create_directory(Folder.Path / "String.cfg");
    EXPECT_EQ(ReadMarqueeText(Folder.Path), "");
}
