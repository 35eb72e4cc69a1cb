// What the fuzz targets share: a check that fails loudly (libFuzzer and the
// replay both treat an abort as a found fault) and the Qt application that
// text drawing needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

// A QGuiApplication on the offscreen platform, created on first use: fonts
// and text measures need one.
void EnsureGuiApplication();
