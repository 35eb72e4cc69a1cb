#include "iniprofile.h"

#include <QFile>
#include <limits>

namespace {

QByteArray lowered(QByteArrayView text)
{
    return text.toByteArray().toLower();
}

QByteArrayView firstLineOf(QByteArrayView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    return text.first(end);
}

bool isBlank(const QByteArray& text)
{
    return text.trimmed().isEmpty();
}

// The name of a "[Name]" line; a missing closing bracket ends the name at
// the end of the line.
QByteArray sectionName(const QByteArray& trimmedLine)
{
    const qsizetype close = trimmedLine.indexOf(']');
    const qsizetype end = close < 0 ? trimmedLine.size() : close;
    return trimmedLine.mid(1, end - 1).trimmed();
}

// The key of a "Key=Value" line, empty when the line holds none.
QByteArray keyOf(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArray() : line.left(equals).trimmed();
}

// The value as a profile reader hands it out: blanks around it dropped, one
// pair of enclosing quotes removed, cut to the reader's buffer.
QByteArray valueOf(const QByteArray& line)
{
    QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(IniProfile::MaxValueLength);
}

} // namespace

IniProfile IniProfile::fromBytes(const QByteArray& bytes)
{
    IniProfile profile;
    const qsizetype firstNewline = bytes.indexOf('\n');
    profile.m_crlf = firstNewline < 0 || (firstNewline > 0 && bytes[firstNewline - 1] == '\r');

    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        // Every CR before the line end goes with it: one kept in the text
        // would be written back as "\r\n" in a file with LF endings and
        // read as a different line next time.
        while (end > start && bytes[end - 1] == '\r')
            --end;
        profile.appendLine(bytes.mid(start, end - start));
        start = next;
    }
    return profile;
}

bool IniProfile::load(const QString& path)
{
    *this = IniProfile();
    QFile file(path);
    if (!file.exists())
        return true;
    if (file.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly))
        return false;
    *this = fromBytes(file.readAll());
    return true;
}

void IniProfile::appendLine(QByteArray text)
{
    const QByteArray trimmed = text.trimmed();
    m_hasContent = m_hasContent || !trimmed.isEmpty();
    if (trimmed.startsWith('[')) {
        Section section;
        section.lowerName = sectionName(trimmed).toLower();
        section.lines.push_back(Line{std::move(text), {}});
        m_sectionIndex[section.lowerName].push_back(qsizetype(m_sections.size()));
        m_sections.push_back(std::move(section));
        return;
    }
    Section& section = m_sections.back();
    Line line{std::move(text), keyOf(trimmed).toLower()};
    addKeyLine(section, qsizetype(section.lines.size()), std::move(line));
}

void IniProfile::addKeyLine(Section& section, qsizetype at, Line line)
{
    if (!line.lowerKey.isEmpty() && !section.firstKeyLine.contains(line.lowerKey))
        section.firstKeyLine.insert(line.lowerKey, at);
    section.lines.insert(section.lines.begin() + at, std::move(line));
}

const IniProfile::Line* IniProfile::findLine(QByteArrayView section, QByteArrayView key) const
{
    const auto sections = m_sectionIndex.constFind(lowered(section));
    if (sections == m_sectionIndex.constEnd())
        return nullptr;
    const QByteArray lowerKey = lowered(key);
    for (const qsizetype index : *sections) {
        const Section& candidate = m_sections[size_t(index)];
        const auto line = candidate.firstKeyLine.constFind(lowerKey);
        if (line != candidate.firstKeyLine.constEnd())
            return &candidate.lines[size_t(*line)];
    }
    return nullptr;
}

IniProfile::Line* IniProfile::findLine(QByteArrayView section, QByteArrayView key)
{
    return const_cast<Line*>(std::as_const(*this).findLine(section, key));
}

std::optional<QByteArray> IniProfile::value(QByteArrayView section, QByteArrayView key) const
{
    const Line* line = findLine(section, key);
    if (!line)
        return std::nullopt;
    return valueOf(line->text);
}

void IniProfile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    // A line break inside a name or value would split the line in two.
    section = firstLineOf(section);
    key = firstLineOf(key);
    value = firstLineOf(value);
    if (Line* line = findLine(section, key)) {
        line->text = keyOf(line->text) + '=' + value.toByteArray();
        return;
    }
    Line line{key.toByteArray() + '=' + value.toByteArray(), lowered(key)};
    const auto sections = m_sectionIndex.constFind(lowered(section));
    if (sections != m_sectionIndex.constEnd()) {
        // After the section's last non-blank line, so that the blank lines
        // separating it from the next section stay after it.
        Section& existing = m_sections[size_t(sections->front())];
        qsizetype at = qsizetype(existing.lines.size());
        while (at > 1 && isBlank(existing.lines[size_t(at - 1)].text))
            --at;
        addKeyLine(existing, at, std::move(line));
        return;
    }
    if (m_hasContent && !isBlank(m_sections.back().lines.back().text))
        appendLine(QByteArray());
    appendLine('[' + section.toByteArray() + ']');
    addKeyLine(m_sections.back(), qsizetype(m_sections.back().lines.size()), std::move(line));
}

QByteArray IniProfile::toBytes() const
{
    const QByteArray ending = m_crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QByteArray bytes;
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) {
            bytes += line.text;
            bytes += ending;
        }
    }
    return bytes;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> parseHex(QByteArrayView digits)
{
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(digit);
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return std::int32_t(std::uint32_t(value));
}

std::optional<std::int32_t> parseDecimal(QByteArrayView text)
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
        return parseHex(text.sliced(2));
    return parseDecimal(text);
}

QByteArray FormatProfileInt(std::int32_t value)
{
    return QByteArray::number(value);
}
