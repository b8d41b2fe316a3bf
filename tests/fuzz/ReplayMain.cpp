// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every input of a fuzz target's corpus through the target's own checks, once each,
// so that what a fuzzer found once stays fixed in every ordinary and sanitizer build.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    std::set<std::filesystem::path> Inputs;  // in name order, so a failure is reproducible
    for (const auto& Entry : std::filesystem::directory_iterator(argv[1]))
        if (Entry.is_regular_file())
            Inputs.insert(Entry.path());
    for (const auto& Input : Inputs) {
        std::ifstream File(Input, std::ios::binary);
        const std::string Bytes{std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
        std::printf("%s\n", Input.filename().c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size());
    }
    std::printf("%zu inputs replayed\n", Inputs.size());
    return Inputs.empty() ? 1 : 0;
}
