// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the reading of the bitmaps and waves beside the program: any bytes, any length.
#include "FuzzSupport.h"
#include "MediaFile.h"

#include <QImage>

using namespace orbulon;
using namespace orbulon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);

    // A file is read whole, as it is, up to the bound and not a byte beyond.
    WriteBytes(ScratchFolder() / "RedBall.bmp", Bytes);
    const auto Read = ReadMediaFile(ScratchFolder() / "RedBall.bmp", MaxBitmapBytes);
    FUZZ_CHECK(Read.has_value() == (static_cast<qint64>(Size) <= MaxBitmapBytes));
    if (!Read)
        return 0;
    FUZZ_CHECK(Read->size() == static_cast<qsizetype>(Size) && std::string_view(Read->constData(), Size) == Bytes);
    FUZZ_CHECK(!ReadMediaFile(ScratchFolder() / "RedBall.bmp", static_cast<qint64>(Size) - 1));

    // A bitmap that passes the checks is handed to Qt, which then decodes within the bytes
    // (the sanitizers watch) a picture no larger than a cell could need.
    if (WholeBitmap(*Read)) {
        const QImage Picture = QImage::fromData(*Read, "BMP");
        FUZZ_CHECK(Picture.width() <= MaxPictureSide && Picture.height() <= MaxPictureSide);
    }
    // The wave check reads nothing beyond the bytes, whatever the chunks claim.
    (void)WholeWave(*Read);
    return 0;
}
