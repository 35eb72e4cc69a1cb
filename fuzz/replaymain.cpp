// Replays saved inputs through a fuzz target without libFuzzer, so that
// every compiler and sanitizer build runs the corpus as a regression test.
// Arguments are folders (every regular file in them) or single files.
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& argument)
{
    std::vector<fs::path> inputs;
    if (fs::is_directory(argument)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(argument))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        // Always the same order, so that a failure repeats.
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::is_regular_file(argument)) {
        inputs.push_back(argument);
    }
    return inputs;
}

std::vector<std::uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> inputs = InputsOf(argv[i]);
        // A folder that went missing or empty would make the test pass
        // without testing anything.
        if (inputs.empty()) {
            std::cerr << "No input in " << argv[i] << "\n";
            return 1;
        }
        for (const fs::path& input : inputs) {
            std::cerr << "Replaying " << input.string() << "\n";
            const std::vector<std::uint8_t> bytes = ReadAll(input);
            // Never a null pointer, even for an empty input, as with libFuzzer.
            static const std::uint8_t none = 0;
            LLVMFuzzerTestOneInput(bytes.empty() ? &none : bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed\n";
    return replayed > 0 ? 0 : 1;
}
