// A profile ("INI") text file held in memory: values looked up and changed
// by section and key, everything else written back as it was read; and how
// integers, colours and booleans are spelled in it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Lines "[Section]" open a section and lines "Key=Value" hold values; names
// are compared without regard to ASCII case. Lines that are neither
// (comments, blank lines, garbage) and keys nobody asks for stay in place.
// When a section or key appears twice, the first one wins. Values are bytes:
// the file's own encoding is never interpreted.
class IniProfile
{
public:
    // Longest value handed out; longer values are cut, as a profile reader
    // with a fixed buffer does.
    static constexpr qsizetype MaxValueLength = 1023;
    // Files above this size are refused rather than read into memory.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    IniProfile() = default;
    static IniProfile fromBytes(const QByteArray& bytes);

    // Replaces the content by the file's; a missing file gives an empty
    // profile. False when the file exists but cannot be read or is too big.
    bool load(const QString& path);

    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    // Changes the key in place; a new key goes at the end of its section, a
    // new section at the end of the file.
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    // The whole file, every line ended with the file's line ending (CR LF
    // for a profile that did not come from a file with LF endings).
    QByteArray toBytes() const;
    bool usesCrLf() const { return m_crlf; }

private:
    struct Line
    {
        QByteArray text;
        QByteArray lowerKey; // empty unless the line is "Key=Value"
    };
    struct Section
    {
        QByteArray lowerName; // empty for the lines before the first section
        std::vector<Line> lines; // the header line first, if any
        QHash<QByteArray, qsizetype> firstKeyLine;
    };

    void appendLine(QByteArray text);
    void addKeyLine(Section& section, qsizetype at, Line line);
    const Line* findLine(QByteArrayView section, QByteArrayView key) const;
    Line* findLine(QByteArrayView section, QByteArrayView key);

    std::vector<Section> m_sections{Section{}};
    QHash<QByteArray, std::vector<qsizetype>> m_sectionIndex;
    bool m_crlf = true;
    bool m_hasContent = false;
};

// Text longer than two characters that begins with "0x" or "0X" is
// hexadecimal; anything else is decimal with an optional sign. Hexadecimal
// values up to 0xFFFFFFFF are taken as a 32-bit pattern (0xFFFFFFFF is -1),
// so that any colour written by another tool reads back; decimal values must
// fit a signed 32-bit integer. Anything else is not a number.
std::optional<std::int32_t> ParseProfileInt(QByteArrayView text);

// Decimal text, with a leading "-" when negative.
QByteArray FormatProfileInt(std::int32_t value);
