// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder for one test, benchmark or fuzzing run, removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace orbulon::test {

// Open to every user, so a scenario can run as an unprivileged user inside it; folders a test
// made unwritable inside it are opened again so that they can be removed.
struct TempFolder {
    std::filesystem::path Path;
    TempFolder()
    {
        std::string Pattern = (std::filesystem::temp_directory_path() / "orbulon-XXXXXX").string();
        if (!::mkdtemp(Pattern.data()))
            std::abort();
        Path = Pattern;
        std::filesystem::permissions(Path, std::filesystem::perms::all);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code Error;
        for (auto It = fs::recursive_directory_iterator(Path, Error); !Error && It != fs::end(It); It.increment(Error))
            if (It->is_directory(Error))
                fs::permissions(It->path(), fs::perms::owner_all, fs::perm_options::add, Error);
        fs::remove_all(Path, Error);
    }
};

}  // namespace orbulon::test
