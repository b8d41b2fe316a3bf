// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a scratch folder for real files and a check that stops the run.
#pragma once

#include "TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace orbulon::fuzz {

// A broken promise of the readers is a finding like any crash: report it and stop.
#define FUZZ_CHECK(Condition)                                                                                          \
    do {                                                                                                               \
        if (!(Condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #Condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// One folder per fuzzing process, standing in for the program's folder; removed at exit.
inline const std::filesystem::path& ScratchFolder()
{
    static const test::TempFolder Folder;
    return Folder.Path;
}

inline void WriteFile(const std::filesystem::path& Path, std::string_view Bytes)
{
    std::ofstream File(Path, std::ios::binary | std::ios::trunc);
    File.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    FUZZ_CHECK(File.good());
}

inline bool HasLineBreak(std::string_view Text) { return Text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace orbulon::fuzz
