// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder for one test, benchmark or fuzzing run, removed with everything in it afterwards, and
// the whole-file reads and writes the tests do in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

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
    TempFolder(TempFolder&&) = delete;  // and so copies too: only one owner removes the folder
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

inline std::string ReadBytes(const std::filesystem::path& Path)
{
    std::ifstream File(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& Path, std::string_view Bytes)
{
    std::filesystem::create_directories(Path.parent_path());
    std::ofstream(Path, std::ios::binary) << Bytes;
}

}  // namespace orbulon::test
