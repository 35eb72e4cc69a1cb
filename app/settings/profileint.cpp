// How integers, colours and booleans are spelled in a profile.
#include "iniprofile.h"

#include <limits>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> ParseHex(QByteArrayView digits)
{
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(digit);
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return std::int32_t(std::uint32_t(value));
}

std::optional<std::int32_t> ParseDecimal(QByteArrayView text)
{
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    std::int64_t magnitude = 0;
    const std::int64_t limit
        = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min()) : std::numeric_limits<std::int32_t>::max();
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return std::int32_t(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> ParseProfileInt(QByteArrayView text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.sliced(2));
    return ParseDecimal(text);
}

QByteArray FormatProfileInt(std::int32_t value)
{
    return QByteArray::number(value);
}
