// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every input of a fuzz target's corpus through the target's own checks, once each,
// so that what a fuzzer found once stays fixed in every ordinary and sanitizer build.
#include "TempFolder.h"

#include <cstdint>
#include <cstdio>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

int main(int argc, char** argv)
{
    std::set<std::filesystem::path> Inputs;  // in name order, so a failure is reproducible
    for (const auto& Entry : std::filesystem::directory_iterator(argc == 2 ? argv[1] : "usage: corpus-folder"))
        if (Entry.is_regular_file())
            Inputs.insert(Entry.path());
    for (const auto& Input : Inputs) {
        const std::string Bytes = orbulon::test::ReadBytes(Input);
        std::fprintf(stderr, "%s\n", Input.filename().c_str());  // unbuffered: named before any finding
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size());
    }
    std::printf("%zu inputs replayed\n", Inputs.size());
    return Inputs.empty() ? 1 : 0;
}
