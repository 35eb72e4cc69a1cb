// Where the sections and keys of a profile text start: offsets into the
// text, so that a file of any shape (millions of blank lines, of sections,
// of keys) costs a few bytes of index per byte of text and no more.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <vector>

// Lines end at LF; the CRs before it go with the line end. Offsets are those
// of the text a line was read from; texts stay below 4 GB (files are capped
// long before).
namespace profiletext {

using Offset = std::uint32_t;

// The line that starts at `at`, without its line end.
QByteArrayView lineAt(const QByteArray& text, Offset at);
// Where the next line starts (the text's size after the last one).
Offset nextLine(const QByteArray& text, Offset at);
QByteArrayView trimmed(QByteArrayView text);
bool isBlank(QByteArrayView line);
// "[Name]" (or "[Name" when the bracket is missing) opens a section.
bool isHeader(QByteArrayView line);
QByteArrayView sectionName(QByteArrayView headerLine);
// The key of a "Key=Value" line, empty when the line holds none.
QByteArrayView keyOf(QByteArrayView line);
bool sameName(QByteArrayView a, QByteArrayView b); // ASCII case ignored

// A hash set of line offsets (open addressing; a slot holds offset + 1, 0
// when empty), grown to stay at most 70 % full.
struct OffsetTable
{
    std::vector<Offset> entries;
    std::size_t used = 0;
};

} // namespace profiletext

class ProfileIndex
{
public:
    using Offset = profiletext::Offset;

    // Indexes the lines of `text` from `start` on. The same text must be
    // handed to every later call.
    void build(const QByteArray& text, Offset start);

    // The first line holding this key in a section of this name, both
    // compared without case; lines before the first section belong to none.
    std::optional<Offset> keyLine(const QByteArray& text, QByteArrayView section, QByteArrayView key) const;
    // The header of the first section of this name.
    std::optional<Offset> section(const QByteArray& text, QByteArrayView name) const;
    // Where the section opened at `header` ends: the next header, or the
    // text's end.
    Offset sectionEnd(const QByteArray& text, Offset header) const;

private:
    QByteArrayView sectionOfLine(const QByteArray& text, Offset line) const;
    std::uint64_t keyHash(const QByteArray& text, Offset line) const;

    std::vector<Offset> m_headers; // every header line, in order
    profiletext::OffsetTable m_sections; // the first header of each name
    profiletext::OffsetTable m_keys; // the first line of each (section name, key)
};
