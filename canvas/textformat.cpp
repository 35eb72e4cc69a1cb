// Rounding to whole units, fixed-point numbers and plurals.
#include "canvas/textformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr int kMaxDecimals = 20;
constexpr int kMaxWidth = 255;

struct DecimalDigits
{
    std::string digits; // significant digits, no point
    int point = 0; // how many of them stand before the point
};

// The shortest decimal text that reads back as `magnitude` (>= 0): 1.45 is
// seen as 1.45 rather than as its binary neighbour 1.4499999..., so that
// rounding works on the number the user meant.
DecimalDigits ShortestDigits(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    DecimalDigits out;
    for (char c : text.substr(0, e))
        if (c != '.')
            out.digits += c;
    out.point = std::stoi(text.substr(e + 1)) + 1;
    return out;
}

// Keeps `decimals` digits after the point, rounding half away from zero.
std::string RoundedFixed(DecimalDigits d, int decimals)
{
    if (d.point <= 0) {
        d.digits.insert(0, std::size_t(1 - d.point), '0');
        d.point = 1;
    }
    const std::size_t keep = std::size_t(d.point + decimals);
    if (d.digits.size() < keep)
        d.digits.append(keep - d.digits.size(), '0');
    const bool roundUp = d.digits.size() > keep && d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        int i = int(keep) - 1;
        for (; i >= 0 && d.digits[std::size_t(i)] == '9'; --i)
            d.digits[std::size_t(i)] = '0';
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(0, 1, '1');
            ++d.point;
        }
    }
    std::string whole = d.digits.substr(0, std::size_t(d.point));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    const std::string fraction = d.digits.substr(std::size_t(d.point));
    return fraction.empty() ? whole : whole + '.' + fraction;
}

QString NonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

} // namespace

int RoundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    // nearbyint rounds exact halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(std::fmin(std::fmax(x, lowest), highest)));
}

QString FormatFixed(double value, int width, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    width = std::clamp(width, 0, kMaxWidth);
    QString text;
    if (!std::isfinite(value)) {
        text = NonFinite(value);
    } else {
        const std::string digits = RoundedFixed(ShortestDigits(std::fabs(value)), decimals);
        // A value that rounds to zero is written without a sign.
        const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
        text = QString::fromStdString((negative ? "-" : "") + digits);
    }
    return text.rightJustified(width, QLatin1Char(' '));
}

QString PluralS(long long count)
{
    return count >= 2 ? QStringLiteral("s") : QString();
}
