#include "iniprofile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

using namespace profiletext;

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

QByteArrayView firstLineOf(QByteArrayView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    return text.first(end);
}

// The value as a profile reader hands it out: blanks around it dropped, one
// pair of enclosing quotes removed, cut to the reader's buffer.
QByteArray valueOf(QByteArrayView line)
{
    QByteArrayView value = trimmed(line.sliced(line.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min(value.size(), IniProfile::MaxValueLength)).toByteArray();
}

// Copies whole lines, each ended with `ending`; the CRs before a line end
// go with it, as they do when the text is read. One pass over the bytes:
// millions of blank lines cost no call each.
char* copyLines(const char* from, const char* to, char* out, QByteArrayView ending)
{
    for (const char* p = from; p < to;) {
        const char c = *p++;
        if (c == '\n') {
            out = std::copy(ending.begin(), ending.end(), out);
        } else if (c == '\r') {
            const char* run = p;
            while (run < to && *run == '\r')
                ++run;
            if (run < to && *run != '\n')
                out = std::copy(p - 1, run, out);
            p = run;
        } else {
            *out++ = c;
        }
    }
    // The text's last line, when no LF ends it.
    if (to > from && to[-1] != '\n')
        out = std::copy(ending.begin(), ending.end(), out);
    return out;
}

bool hasNonBlank(QByteArrayView text)
{
    return !trimmed(text).isEmpty();
}

} // namespace

IniProfile IniProfile::fromBytes(const QByteArray& bytes)
{
    IniProfile profile;
    if (bytes.size() > MaxFileBytes)
        return profile; // never read from a file; offsets would not hold it
    profile.m_text = bytes;
    profile.m_start = bytes.startsWith(kBom) ? 3 : 0;
    const QByteArrayView text = QByteArrayView(bytes).sliced(profile.m_start);
    const qsizetype firstNewline = text.indexOf('\n');
    profile.m_crlf = firstNewline < 0 || (firstNewline > 0 && text[firstNewline - 1] == '\r');
    profile.m_hasContent = hasNonBlank(text);
    profile.m_index.build(profile.m_text, profile.m_start);
    return profile;
}

IniProfile::Load IniProfile::shapeOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return Load::Utf16;
    // CRs at the very end only end the one line, as they end any line.
    while (bytes.endsWith('\r'))
        bytes.chop(1);
    if (!bytes.contains('\n') && bytes.contains('\r'))
        return Load::CrOnly;
    return Load::Read;
}

IniProfile::Load IniProfile::load(const QString& path)
{
    *this = IniProfile();
    const QFileInfo info(path);
    if (!info.exists())
        return Load::Missing;
    // A pipe would block the start for ever, a device never end.
    if (!info.isFile())
        return Load::NotAFile;
    if (info.size() > MaxFileBytes)
        return Load::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Load::Unreadable;
    // One byte more than it claims: a file growing meanwhile is caught.
    const QByteArray bytes = file.read(info.size() + 1);
    if (file.error() != QFileDevice::NoError)
        return Load::Unreadable;
    if (bytes.size() > MaxFileBytes)
        return Load::TooLarge;
    const Load shape = shapeOf(bytes);
    if (shape == Load::Read)
        *this = fromBytes(bytes);
    return shape;
}

const IniProfile::AddedLine* IniProfile::findAdded(QByteArrayView section, QByteArrayView key) const
{
    for (const auto* lines : {&m_inserted, &m_appended})
        for (const AddedLine& line : *lines)
            if (!line.header && sameName(keyOf(line.text), key) && sameName(line.section, section))
                return &line;
    return nullptr;
}

std::optional<QByteArray> IniProfile::value(QByteArrayView section, QByteArrayView key) const
{
    if (const std::optional<Offset> line = m_index.keyLine(m_text, section, key)) {
        const auto changed = m_changed.find(*line);
        return valueOf(changed != m_changed.end() ? QByteArrayView(changed->second) : lineAt(m_text, *line));
    }
    if (const AddedLine* added = findAdded(section, key))
        return valueOf(added->text);
    return std::nullopt;
}

IniProfile::Offset IniProfile::insertionPoint(Offset header)
{
    // After the section's last non-blank line, so that the blank lines
    // separating it from the next section stay after it.
    if (const auto known = m_insertionPoints.constFind(header); known != m_insertionPoints.constEnd())
        return *known;
    const Offset end = m_index.sectionEnd(m_text, header);
    Offset point = nextLine(m_text, header);
    for (Offset at = point; at < end; at = nextLine(m_text, at))
        if (!isBlank(lineAt(m_text, at)))
            point = nextLine(m_text, at);
    m_insertionPoints.insert(header, point);
    return point;
}

bool IniProfile::endsWithBlankLine() const
{
    if (!m_appended.empty())
        return isBlank(m_appended.back().text);
    if (!m_inserted.empty() && m_inserted.back().before == textEnd())
        return false;
    const QByteArrayView text = QByteArrayView(m_text).sliced(m_start);
    const QByteArrayView lines = text.endsWith('\n') ? text.chopped(1) : text;
    return isBlank(lines.sliced(lines.lastIndexOf('\n') + 1));
}

void IniProfile::addToNewSection(QByteArrayView section, QByteArray line)
{
    auto header = std::find_if(m_appended.begin(), m_appended.end(), [&](const AddedLine& added) {
        return added.header && sameName(added.section, section);
    });
    if (header != m_appended.end()) {
        auto end = std::find_if(header + 1, m_appended.end(), [](const AddedLine& l) { return l.header; });
        while (end - 1 != header && isBlank((end - 1)->text))
            --end;
        m_appended.insert(end, AddedLine{textEnd(), section.toByteArray(), std::move(line)});
        return;
    }
    if ((m_hasContent || !m_inserted.empty() || !m_appended.empty()) && !endsWithBlankLine())
        m_appended.push_back(AddedLine{textEnd(), {}, {}});
    m_appended.push_back(AddedLine{textEnd(), section.toByteArray(), '[' + section.toByteArray() + ']', true});
    m_appended.push_back(AddedLine{textEnd(), section.toByteArray(), std::move(line)});
}

void IniProfile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    // A line break inside a name or value would split the line in two.
    section = firstLineOf(section);
    key = firstLineOf(key);
    value = firstLineOf(value);
    if (const std::optional<Offset> line = m_index.keyLine(m_text, section, key)) {
        m_changed[*line] = keyOf(lineAt(m_text, *line)).toByteArray() + '=' + value.toByteArray();
        return;
    }
    if (auto* added = const_cast<AddedLine*>(findAdded(section, key))) {
        added->text = keyOf(added->text).toByteArray() + '=' + value.toByteArray();
        return;
    }
    QByteArray text = key.toByteArray() + '=' + value.toByteArray();
    if (const std::optional<Offset> header = m_index.section(m_text, section)) {
        const Offset before = insertionPoint(*header);
        const auto at = std::upper_bound(m_inserted.begin(), m_inserted.end(), before,
                                         [](Offset point, const AddedLine& added) { return point < added.before; });
        m_inserted.insert(at, AddedLine{before, section.toByteArray(), std::move(text)});
        return;
    }
    addToNewSection(section, std::move(text));
}

QByteArray IniProfile::toBytes() const
{
    const QByteArrayView ending = m_crlf ? QByteArrayView("\r\n") : QByteArrayView("\n");
    // Written through a pointer into room enough for every line of the
    // text to take a two-byte ending; pages never written cost nothing.
    qsizetype room = 2 * m_text.size() + 2;
    for (const auto& [at, text] : m_changed)
        room += text.size() + 2;
    for (const auto* lines : {&m_inserted, &m_appended})
        for (const AddedLine& line : *lines)
            room += line.text.size() + 2;
    QByteArray bytes(room, Qt::Uninitialized);
    char* out = bytes.data();
    // std::copy, not memcpy: an empty line may have no data pointer at all.
    const auto put = [&](QByteArrayView line) {
        out = std::copy(line.begin(), line.end(), out);
        out = std::copy(ending.begin(), ending.end(), out);
    };
    std::memcpy(out, m_text.constData(), m_start);
    out += m_start;
    auto changed = m_changed.begin();
    auto inserted = m_inserted.begin();
    for (Offset at = m_start; at < textEnd();) {
        const Offset nextChange = changed == m_changed.end() ? textEnd() : changed->first;
        const Offset nextInsert = inserted == m_inserted.end() ? textEnd() : inserted->before;
        const Offset until = std::min(nextChange, nextInsert);
        out = copyLines(m_text.constData() + at, m_text.constData() + until, out, ending);
        at = until;
        for (; inserted != m_inserted.end() && inserted->before == at; ++inserted)
            put(inserted->text);
        if (changed != m_changed.end() && changed->first == at) {
            put((changed++)->second);
            at = nextLine(m_text, at);
        }
    }
    for (; inserted != m_inserted.end(); ++inserted)
        put(inserted->text);
    for (const AddedLine& line : m_appended)
        put(line.text);
    bytes.truncate(out - bytes.constData());
    return bytes;
}
