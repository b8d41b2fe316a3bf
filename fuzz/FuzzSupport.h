// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a scratch folder for real files and a check that stops the run.
#pragma once

#include "TempFolder.h"

#include <cstdint>
#include <cstdio>

namespace orbulon::fuzz {

using namespace test;  // the scratch folder's reads and writes

// A broken promise of the readers is a finding like any crash: report it and stop.
[[noreturn]] inline void CheckFailed(const char* File, int Line, const char* Condition)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", File, Line, Condition);
    std::abort();
}
#define FUZZ_CHECK(...) ((__VA_ARGS__) ? void() : orbulon::fuzz::CheckFailed(__FILE__, __LINE__, #__VA_ARGS__))

// One folder per fuzzing process, standing in for the program's folder; removed at exit.
inline const std::filesystem::path& ScratchFolder()
{
    static const test::TempFolder Folder;
    return Folder.Path;
}

}  // namespace orbulon::fuzz
