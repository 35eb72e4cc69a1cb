#include "profileindex.h"

#include <algorithm>
#include <cstring>

namespace profiletext {

QByteArrayView LineAt(const QByteArray& text, Offset at)
{
    const char* begin = text.constData() + at;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', size_t(text.size() - at)));
    qsizetype length = lf ? lf - begin : text.size() - at;
    while (length > 0 && begin[length - 1] == '\r')
        --length;
    return QByteArrayView(begin, length);
}

Offset NextLine(const QByteArray& text, Offset at)
{
    const char* begin = text.constData() + at;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', size_t(text.size() - at)));
    return lf ? Offset(lf - text.constData() + 1) : Offset(text.size());
}

namespace {

    bool IsSpace(char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    char Lower(char c)
    {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }

} // namespace

QByteArrayView Trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool IsBlank(QByteArrayView line)
{
    return Trimmed(line).isEmpty();
}

bool IsHeader(QByteArrayView line)
{
    return Trimmed(line).startsWith('[');
}

QByteArrayView SectionName(QByteArrayView headerLine)
{
    const QByteArrayView text = Trimmed(headerLine);
    const qsizetype close = text.indexOf(']');
    const qsizetype end = close < 0 ? text.size() : close;
    return Trimmed(text.sliced(1, end - 1));
}

QByteArrayView KeyOf(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArrayView() : Trimmed(line.first(equals));
}

bool SameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

namespace {

    constexpr std::uint64_t kFnvBasis = 14695981039346656037ull;

    std::uint64_t HashOn(std::uint64_t hash, QByteArrayView name)
    {
        for (const char c : name)
            hash = (hash ^ std::uint8_t(Lower(c))) * 1099511628211ull;
        return hash;
    }

    std::uint64_t PairHash(QByteArrayView section, QByteArrayView key)
    {
        return HashOn(HashOn(kFnvBasis, section) ^ 0xFF, key);
    }

    // The slot where `same` holds, else the empty slot where the probe ended.
    template <typename Same> std::size_t Probe(const OffsetTable& table, std::uint64_t hash, Same same)
    {
        const std::size_t mask = table.entries.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Offset slot = table.entries[at];
            if (slot == 0 || same(slot - 1))
                return at;
        }
    }

    template <typename Same> std::optional<Offset> LookUp(const OffsetTable& table, std::uint64_t hash, Same same)
    {
        if (table.entries.empty())
            return std::nullopt;
        const Offset slot = table.entries[Probe(table, hash, same)];
        return slot == 0 ? std::nullopt : std::optional<Offset>(slot - 1);
    }

    // Adds the line unless one that is `same` is there already (the first of a
    // name wins); `hashOf` gives the hash of a stored line when the table grows.
    template <typename HashOf, typename Same>
    void Insert(OffsetTable& table, Offset line, std::uint64_t hash, HashOf hashOf, Same same)
    {
        if ((table.used + 1) * 10 > table.entries.size() * 7) {
            OffsetTable grown;
            grown.entries.assign(std::max<std::size_t>(16, table.entries.size() * 2), 0);
            for (const Offset slot : table.entries)
                if (slot != 0)
                    grown.entries[Probe(grown, hashOf(slot - 1), [](Offset) { return false; })] = slot;
            grown.used = table.used;
            table = std::move(grown);
        }
        const std::size_t at = Probe(table, hash, same);
        if (table.entries[at] == 0) {
            table.entries[at] = line + 1;
            ++table.used;
        }
    }

} // namespace

} // namespace profiletext

using namespace profiletext;

void ProfileIndex::Build(const QByteArray& text, Offset start)
{
    *this = ProfileIndex();
    const auto nameHashOf = [&](Offset header) { return HashOn(kFnvBasis, SectionName(LineAt(text, header))); };
    const auto keyHashOf = [&](Offset line) { return KeyHash(text, line); };
    const char* data = text.constData();
    const auto size = Offset(text.size());
    // Room for a header at every '[': growing would copy the list, while
    // room never used is never touched.
    m_headers.reserve(size_t(std::count(data + start, data + size, '[')));
    for (Offset at = start; at < size; at = NextLine(text, at)) {
        // Runs of blank lines are passed over in one sweep: at the end, `at`
        // is the start of the first line holding something.
        for (Offset next = at; next < size && IsSpace(data[next]); ++next)
            if (data[next] == '\n')
                at = next + 1;
        if (at >= size)
            break;
        const QByteArrayView line = LineAt(text, at);
        if (IsHeader(line)) {
            m_headers.push_back(at);
            const QByteArrayView name = SectionName(line);
            Insert(m_sections, at, HashOn(kFnvBasis, name), nameHashOf,
                   [&](Offset other) { return SameName(SectionName(LineAt(text, other)), name); });
            continue;
        }
        const QByteArrayView key = KeyOf(line);
        if (key.isEmpty() || m_headers.empty())
            continue;
        const QByteArrayView section = SectionName(LineAt(text, m_headers.back()));
        Insert(m_keys, at, PairHash(section, key), keyHashOf, [&](Offset other) {
            return SameName(KeyOf(LineAt(text, other)), key) && SameName(SectionOfLine(text, other), section);
        });
    }
}

QByteArrayView ProfileIndex::SectionOfLine(const QByteArray& text, Offset line) const
{
    const auto header = std::upper_bound(m_headers.begin(), m_headers.end(), line);
    return SectionName(LineAt(text, *(header - 1)));
}

std::uint64_t ProfileIndex::KeyHash(const QByteArray& text, Offset line) const
{
    return PairHash(SectionOfLine(text, line), KeyOf(LineAt(text, line)));
}

std::optional<ProfileIndex::Offset> ProfileIndex::KeyLine(const QByteArray& text, QByteArrayView section,
                                                          QByteArrayView key) const
{
    return LookUp(m_keys, PairHash(section, key), [&](Offset line) {
        return SameName(KeyOf(LineAt(text, line)), key) && SameName(SectionOfLine(text, line), section);
    });
}

std::optional<ProfileIndex::Offset> ProfileIndex::Section(const QByteArray& text, QByteArrayView name) const
{
    return LookUp(m_sections, HashOn(kFnvBasis, name),
                  [&](Offset header) { return SameName(SectionName(LineAt(text, header)), name); });
}

ProfileIndex::Offset ProfileIndex::SectionEnd(const QByteArray& text, Offset header) const
{
    const auto next = std::upper_bound(m_headers.begin(), m_headers.end(), header);
    return next == m_headers.end() ? Offset(text.size()) : *next;
}
