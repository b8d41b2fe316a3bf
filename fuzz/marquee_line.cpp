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
    FUZZ_CHECK(Bytes.substr(0, Line.size()) == Line && Line.find_first_of("\r\n") == std::string::npos &&
               (Line.size() == Bytes.size() || Bytes[Line.size()] == '\r' || Bytes[Line.size()] == '\n'));

    // (That unscrambling loses nothing is the scramble tests' to pin, byte by byte at every key position.)
    const std::string Plain = UnscrambleText(Line);

    // The real file: the same line, cut to the longest line the marquee can hold.
    WriteBytes(ScratchFolder() / MarqueeFile, Bytes);
    FUZZ_CHECK(ReadMarqueeText(ScratchFolder() / MarqueeFile) == Plain.substr(0, MaxLineLength));
    return 0;
}
