#include "iniprofile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

using namespace profiletext;

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

QByteArrayView FirstLineOf(QByteArrayView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    return text.first(end);
}

// The value as a profile reader hands it out: blanks around it dropped, one
// pair of enclosing quotes removed, cut to the reader's buffer.
QByteArray ValueOf(QByteArrayView line)
{
    QByteArrayView value = Trimmed(line.sliced(line.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min(value.size(), IniProfile::MaxValueLength)).toByteArray();
}

// Copies whole lines, each ended with `ending`; the CRs before a line end
// go with it, as they do when the text is read. One pass over the bytes:
// millions of blank lines cost no call each.
char* CopyLines(const char* from, const char* to, char* out, QByteArrayView ending)
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

bool HasNonBlank(QByteArrayView text)
{
    return !Trimmed(text).isEmpty();
}

} // namespace

IniProfile IniProfile::FromBytes(const QByteArray& bytes)
{
    IniProfile profile;
    if (bytes.size() > MaxFileBytes)
        return profile; // never read from a file; offsets would not hold it
    profile.m_text = bytes;
    profile.m_start = bytes.startsWith(kBom) ? 3 : 0;
    const QByteArrayView text = QByteArrayView(bytes).sliced(profile.m_start);
    const qsizetype firstNewline = text.indexOf('\n');
    profile.m_crlf = firstNewline < 0 || (firstNewline > 0 && text[firstNewline - 1] == '\r');
    profile.m_hasContent = HasNonBlank(text);
    profile.m_index.Build(profile.m_text, profile.m_start);
    return profile;
}

IniProfile::Load IniProfile::ShapeOf(QByteArrayView bytes)
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

IniProfile::Load IniProfile::LoadFile(const QString& path)
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
    const Load shape = ShapeOf(bytes);
    if (shape == Load::Read)
        *this = FromBytes(bytes);
    return shape;
}

const IniProfile::AddedLine* IniProfile::FindAdded(QByteArrayView section, QByteArrayView key) const
{
    for (const auto* lines : {&m_inserted, &m_appended})
        for (const AddedLine& line : *lines)
            if (!line.header && SameName(KeyOf(line.text), key) && SameName(line.section, section))
                return &line;
    return nullptr;
}

std::optional<QByteArray> IniProfile::Value(QByteArrayView section, QByteArrayView key) const
{
    if (const std::optional<Offset> line = m_index.KeyLine(m_text, section, key)) {
        const auto changed = m_changed.find(*line);
        return ValueOf(changed != m_changed.end() ? QByteArrayView(changed->second) : LineAt(m_text, *line));
    }
    if (const AddedLine* added = FindAdded(section, key))
        return ValueOf(added->text);
    return std::nullopt;
}

IniProfile::Offset IniProfile::InsertionPoint(Offset header)
{
    // After the section's last non-blank line, so that the blank lines
    // separating it from the next section stay after it.
    if (const auto known = m_insertionPoints.constFind(header); known != m_insertionPoints.constEnd())
        return *known;
    const Offset end = m_index.SectionEnd(m_text, header);
    Offset point = NextLine(m_text, header);
    for (Offset at = point; at < end; at = NextLine(m_text, at))
        if (!IsBlank(LineAt(m_text, at)))
            point = NextLine(m_text, at);
    m_insertionPoints.insert(header, point);
    return point;
}

bool IniProfile::EndsWithBlankLine() const
{
    if (!m_appended.empty())
        return IsBlank(m_appended.back().text);
    if (!m_inserted.empty() && m_inserted.back().before == TextEnd())
        return false;
    const QByteArrayView text = QByteArrayView(m_text).sliced(m_start);
    const QByteArrayView lines = text.endsWith('\n') ? text.chopped(1) : text;
    return IsBlank(lines.sliced(lines.lastIndexOf('\n') + 1));
}

void IniProfile::AddToNewSection(QByteArrayView section, QByteArray line)
{
    auto header = std::find_if(m_appended.begin(), m_appended.end(), [&](const AddedLine& added) {
        return added.header && SameName(added.section, section);
    });
    if (header != m_appended.end()) {
        auto end = std::find_if(header + 1, m_appended.end(), [](const AddedLine& l) { return l.header; });
        while (end - 1 != header && IsBlank((end - 1)->text))
            --end;
        m_appended.insert(end, AddedLine{TextEnd(), section.toByteArray(), std::move(line)});
        return;
    }
    if ((m_hasContent || !m_inserted.empty() || !m_appended.empty()) && !EndsWithBlankLine())
        m_appended.push_back(AddedLine{TextEnd(), {}, {}});
    m_appended.push_back(AddedLine{TextEnd(), section.toByteArray(), '[' + section.toByteArray() + ']', true});
    m_appended.push_back(AddedLine{TextEnd(), section.toByteArray(), std::move(line)});
}

void IniProfile::SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    // A line break inside a name or value would split the line in two.
    section = FirstLineOf(section);
    key = FirstLineOf(key);
    value = FirstLineOf(value);
    if (const std::optional<Offset> line = m_index.KeyLine(m_text, section, key)) {
        m_changed[*line] = KeyOf(LineAt(m_text, *line)).toByteArray() + '=' + value.toByteArray();
        return;
    }
    if (auto* added = const_cast<AddedLine*>(FindAdded(section, key))) {
        added->text = KeyOf(added->text).toByteArray() + '=' + value.toByteArray();
        return;
    }
    QByteArray text = key.toByteArray() + '=' + value.toByteArray();
    if (const std::optional<Offset> header = m_index.Section(m_text, section)) {
        const Offset before = InsertionPoint(*header);
        const auto at = std::upper_bound(m_inserted.begin(), m_inserted.end(), before,
                                         [](Offset point, const AddedLine& added) { return point < added.before; });
        m_inserted.insert(at, AddedLine{before, section.toByteArray(), std::move(text)});
        return;
    }
    AddToNewSection(section, std::move(text));
}

QByteArray IniProfile::ToBytes() const
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
    for (Offset at = m_start; at < TextEnd();) {
        const Offset nextChange = changed == m_changed.end() ? TextEnd() : changed->first;
        const Offset nextInsert = inserted == m_inserted.end() ? TextEnd() : inserted->before;
        const Offset until = std::min(nextChange, nextInsert);
        out = CopyLines(m_text.constData() + at, m_text.constData() + until, out, ending);
        at = until;
        for (; inserted != m_inserted.end() && inserted->before == at; ++inserted)
            put(inserted->text);
        if (changed != m_changed.end() && changed->first == at) {
            put((changed++)->second);
            at = NextLine(m_text, at);
        }
    }
    for (; inserted != m_inserted.end(); ++inserted)
        put(inserted->text);
    for (const AddedLine& line : m_appended)
        put(line.text);
    bytes.truncate(out - bytes.constData());
    return bytes;
}
