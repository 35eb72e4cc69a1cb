// A colour as the program stores it in its settings, pens, brushes and
// fonts: red in the low byte, then green, then blue (0x00BBGGRR). A plain
// integer, so that the settings and the models need no drawing library.
#pragma once

#include <cstdint>

using TColor = std::uint32_t;
