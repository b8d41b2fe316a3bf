// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the reading of "String.cfg": any bytes, any line ends, any length.
#include "DataFiles.h"
#include "FuzzSupport.h"
#include "GameFiles.h"
#include "Scramble.h"

using namespace orbulon;
using namespace orbulon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);

    // The marquee shows the first line alone, without its line end.
    const std::string Line = FirstLine(Bytes);
    FUZZ_CHECK(Bytes.substr(0, Line.size()) == Line && !HasLineBreak(Line) &&
               (Line.size() == Bytes.size() || HasLineBreak(Bytes.substr(Line.size(), 1))));

    // Every line of a file, in order, with nothing but the line ends between them.
    std::size_t Consumed = 0;
    for (const std::string_view Each : SplitLines(Bytes, Bytes.size() + 1)) {
        FUZZ_CHECK(!HasLineBreak(Each) && Bytes.substr(Consumed, Each.size()) == Each);
        Consumed += Each.size();
        if (Consumed < Bytes.size())
            Consumed += Bytes.substr(Consumed, 2) == "\r\n" ? 2 : 1;
    }
    FUZZ_CHECK(Consumed == Bytes.size());

    // (That unscrambling loses nothing is the scramble tests' to pin, byte by byte at every key position.)
    const std::string Plain = UnscrambleText(Line);

    // The real file: the same line, cut to the longest line the marquee can hold.
    WriteBytes(ScratchFolder() / MarqueeFile, Bytes);
    FUZZ_CHECK(ReadMarqueeText(ScratchFolder() / MarqueeFile) == Plain.substr(0, MaxLineLength));
    return 0;
}
