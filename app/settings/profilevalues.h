// How integers, colours and booleans are spelled in the settings file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

// Text longer than two characters that begins with "0x" or "0X" is
// hexadecimal; anything else is decimal with an optional sign. Hexadecimal
// values up to 0xFFFFFFFF are taken as a 32-bit pattern (0xFFFFFFFF is -1),
// so that any colour written by another tool reads back; decimal values must
// fit a signed 32-bit integer. Anything else is not a number.
std::optional<std::int32_t> ParseProfileInt(QByteArrayView text);

// Decimal text, with a leading "-" when negative.
QByteArray FormatProfileInt(std::int32_t value);
