// What the scale's six-digit readout shows for a weight, and the colours
// the readout cycles through.
#pragma once

#include <array>
#include <cstdint>

constexpr int kReadoutDigits = 6;

struct ScaleReadout
{
    bool overflow = false; // DEPASSE instead of digits
    std::array<int, kReadoutDigits> digits{}; // hundred-thousands first
    int pointAfter = 0; // the point follows this digit (1..5); 0: no point
};

// The weight rounded to the finest resolution at which it still fits in six
// digits (0.00001 N below 10 N, ..., 1 N from 100 000 N on); 1 000 000 N and
// more, once rounded, overflow. Negative or undefined values read 0.
ScaleReadout ReadoutFor(double newtons);

// Canvas colours (0x00BBGGRR) of the readout, positions 1..7.
constexpr std::array<std::uint32_t, 7> ReadoutColours{0xC0C0C0, 0x6666FF, 0xE0E0E0, 0xEDE8C9,
                                                      0x00A0FF, 0x66FF66, 0xD7A987};

// Position 1..7 of `colour` in ReadoutColours; 0 when it is not there.
int ReadoutColourPosition(std::uint32_t colour);
// The colour after `colour` in the cycle; the first one after the last, or
// after a colour that is not in the list.
std::uint32_t NextReadoutColour(std::uint32_t colour);
