#include "weight/weighing/model/readoutdigits.h"

#include <cmath>

namespace {

constexpr std::int64_t kSixDigitLimit = 1'000'000;

ScaleReadout Digits(std::int64_t n, int decimals)
{
    ScaleReadout readout;
    for (int k = kReadoutDigits - 1; k >= 0; --k, n /= 10)
        readout.digits[std::size_t(k)] = int(n % 10);
    readout.pointAfter = decimals > 0 ? kReadoutDigits - decimals : 0;
    return readout;
}

} // namespace

ScaleReadout ReadoutFor(double newtons)
{
    if (!(newtons > 0.0))
        return Digits(0, kReadoutDigits - 1);
    if (newtons >= double(kSixDigitLimit) - 0.5) {
        ScaleReadout readout;
        readout.overflow = true;
        return readout;
    }
    // Rounded first, then the range: 9.999996 N reads 10.0000, not a
    // seventh digit.
    double scale = 100'000.0;
    for (int decimals = kReadoutDigits - 1; decimals > 0; --decimals, scale /= 10.0) {
        const auto n = std::llround(newtons * scale);
        if (n < kSixDigitLimit)
            return Digits(n, decimals);
    }
    return Digits(std::llround(newtons), 0);
}

int ReadoutColourPosition(std::uint32_t colour)
{
    for (std::size_t i = 0; i < ReadoutColours.size(); ++i)
        if (ReadoutColours[i] == colour)
            return int(i) + 1;
    return 0;
}

std::uint32_t NextReadoutColour(std::uint32_t colour)
{
    const int position = ReadoutColourPosition(colour);
    return ReadoutColours[std::size_t(position) % ReadoutColours.size()];
}
