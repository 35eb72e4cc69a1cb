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
QByteArrayView LineAt(const QByteArray& text, Offset at);
// Where the next line starts (the text's size after the last one).
Offset NextLine(const QByteArray& text, Offset at);
QByteArrayView Trimmed(QByteArrayView text);
bool IsBlank(QByteArrayView line);
// "[Name]" (or "[Name" when the bracket is missing) opens a section.
bool IsHeader(QByteArrayView line);
QByteArrayView SectionName(QByteArrayView headerLine);
// The key of a "Key=Value" line, empty when the line holds none.
QByteArrayView KeyOf(QByteArrayView line);
bool SameName(QByteArrayView a, QByteArrayView b); // ASCII case ignored

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
    void Build(const QByteArray& text, Offset start);

    // The first line holding this key in a section of this name, both
    // compared without case; lines before the first section belong to none.
    std::optional<Offset> KeyLine(const QByteArray& text, QByteArrayView section, QByteArrayView key) const;
    // The header of the first section of this name.
    std::optional<Offset> Section(const QByteArray& text, QByteArrayView name) const;
    // Where the section opened at `header` ends: the next header, or the
    // text's end.
    Offset SectionEnd(const QByteArray& text, Offset header) const;

private:
    QByteArrayView SectionOfLine(const QByteArray& text, Offset line) const;
    std::uint64_t KeyHash(const QByteArray& text, Offset line) const;

    std::vector<Offset> m_headers; // every header line, in order
    profiletext::OffsetTable m_sections; // the first header of each name
    profiletext::OffsetTable m_keys; // the first line of each (section name, key)
};
