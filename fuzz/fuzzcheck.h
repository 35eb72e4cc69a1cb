// What the fuzz targets share: a check that fails loudly (libFuzzer and the
// replay both treat an abort as a found fault) and the Qt application that
// text drawing needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The entry point every target defines, called once per input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Aborts with the broken rule when `holds` is false: a wrong result is as
// much a fault as a crash.
inline void FuzzCheck(bool holds, const char* rule)
{
    if (!holds) {
        std::fprintf(stderr, "Broken rule: %s\n", rule);
        std::abort();
    }
}

// The input's first four bytes as a number (zeros where it is shorter): a
// value the settings file would hand the code along with the text.
inline std::uint32_t LeadingWord(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t word = 0;
    if (size > 0)
        std::memcpy(&word, data, size < sizeof word ? size : sizeof word);
    return word;
}

// A QGuiApplication on the offscreen platform, created on first use: fonts
// and text measures need one.
void EnsureGuiApplication();
