// A profile ("INI") text file held in memory: values looked up and changed
// by section and key, everything else written back as it was read; and how
// integers, colours and booleans are spelled in it.
#pragma once

#include "profileindex.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// Lines "[Section]" open a section and lines "Key=Value" hold values; names
// are compared without regard to ASCII case. Lines that are neither
// (comments, blank lines, garbage) and keys nobody asks for stay in place.
// When a section or key appears twice, the first one wins. Values are bytes:
// the file's own encoding is never interpreted.
// The profile keeps the text as read and indexes it by offsets: its memory
// stays a few times the file's size whatever the file holds.
class IniProfile
{
public:
    // Longest value handed out; longer values are cut, as a profile reader
    // with a fixed buffer does.
    static constexpr qsizetype MaxValueLength = 1023;
    // Files above this size are refused rather than read into memory.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    // What reading a file gave. Only Read and Missing leave a profile that
    // may be written back over the file.
    enum class Load
    {
        Read,
        Missing,
        NotAFile, // a directory, a pipe, a device: never opened
        TooLarge,
        Unreadable,
        Utf16, // text in UTF-16, which this byte reader cannot split into lines
        CrOnly, // lines ended by CR alone: the whole file would be one line
    };

    IniProfile() = default;
    // The text's lines; a UTF-8 byte-order mark is skipped and written back.
    static IniProfile FromBytes(const QByteArray& bytes);
    // Utf16 or CrOnly for a text that would read as one garbled line, else Read.
    static Load ShapeOf(QByteArrayView bytes);

    // Replaces the content by the file's; anything but Read leaves the
    // profile empty.
    Load LoadFile(const QString& path);

    std::optional<QByteArray> Value(QByteArrayView section, QByteArrayView key) const;
    // Changes the key in place; a new key goes at the end of its section, a
    // new section at the end of the file.
    void SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    // The whole file, every line ended with the file's line ending (CR LF
    // for a profile that did not come from a file with LF endings).
    QByteArray ToBytes() const;

private:
    using Offset = ProfileIndex::Offset;
    // A line the file did not have: a new key in one of its sections (it
    // goes before the line at `before`), or a line of a new section.
    struct AddedLine
    {
        Offset before = 0;
        QByteArray section; // the section's name, as the caller spelled it
        QByteArray text;
        bool header = false;
    };

    const AddedLine* FindAdded(QByteArrayView section, QByteArrayView key) const;
    Offset InsertionPoint(Offset header);
    void AddToNewSection(QByteArrayView section, QByteArray line);
    bool EndsWithBlankLine() const;
    Offset TextEnd() const { return Offset(m_text.size()); }

    QByteArray m_text; // the bytes read, byte-order mark included
    Offset m_start = 0; // where the first line starts
    ProfileIndex m_index;
    std::map<Offset, QByteArray> m_changed; // lines of the text rewritten, by offset
    std::vector<AddedLine> m_inserted; // new keys of existing sections, in file order
    std::vector<AddedLine> m_appended; // new sections after the text
    QHash<Offset, Offset> m_insertionPoints; // by section header, once found
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
