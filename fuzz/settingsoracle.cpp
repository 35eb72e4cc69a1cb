#include "fuzz/settingsoracle.h"

#include "app/settings/appsettings.h"

#include <charconv>
#include <variant>

namespace {

bool SameName(QByteArrayView a, const char* b)
{
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}

bool SamePlacement(const WindowPlacement& a, const WindowPlacement& b)
{
    return a.X == b.X && a.Y == b.Y && a.W == b.W && a.H == b.H && a.Maxis == b.Maxis;
}

template <typename T> bool ReadWhole(const char* first, const char* last, T& value, int base)
{
    const auto [end, error] = std::from_chars(first, last, value, base);
    return error == std::errc() && end == last;
}

QByteArray WithoutEndingCrs(QByteArray line)
{
    while (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

std::vector<QByteArray> ProfileLines(const QByteArray& bytes)
{
    std::vector<QByteArray> lines;
    QByteArray line;
    for (const char c : bytes) {
        if (c != '\n') {
            line += c;
            continue;
        }
        lines.push_back(WithoutEndingCrs(line));
        line.clear();
    }
    if (!line.isEmpty())
        lines.push_back(WithoutEndingCrs(line));
    return lines;
}

std::vector<ProfileKey> ProfileKeys(const QByteArray& bytes)
{
    std::vector<ProfileKey> keys;
    std::optional<QByteArray> section;
    const std::vector<QByteArray> lines = ProfileLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QByteArray text = lines[i].trimmed();
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            section = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (section && equals > 0 && !text.left(equals).trimmed().isEmpty())
            keys.push_back({*section, text.left(equals).trimmed(), i});
    }
    return keys;
}

bool IsSavedKey(QByteArrayView section, QByteArrayView key)
{
    if (SameName(section, "Access") && SameName(key, "Allowed"))
        return true;
    for (int slot = 0; slot < PlacementSlotCount; ++slot) {
        if (!SameName(section, PlacementSection(slot)))
            continue;
        for (const char* name : {"X", "Y", "W", "H", "Maxis"})
            if (SameName(key, name))
                return true;
    }
    for (const SettingKey& saved : SettingKeys())
        if (!saved.readOnly && SameName(section, saved.section) && SameName(key, saved.key))
            return true;
    return false;
}

bool SameSettings(const AppSettingsRecord& a, const AppSettingsRecord& b)
{
    for (int slot = 0; slot < PlacementSlotCount; ++slot)
        if (!SamePlacement(a.Placements[size_t(slot)], b.Placements[size_t(slot)]))
            return false;
    for (const SettingKey& key : SettingKeys()) {
        const bool same = std::visit([&](auto field) { return a.*field == b.*field; }, key.field);
        if (!same)
            return false;
    }
    return true;
}

std::optional<std::int32_t> ReferenceProfileInt(QByteArrayView text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t pattern = 0;
        if (!ReadWhole(first + 2, last, pattern, 16))
            return std::nullopt;
        return std::int32_t(pattern);
    }
    // from_chars takes a minus sign but no plus sign.
    if (text.startsWith('+')) {
        ++first;
        if (first != last && *first == '-')
            return std::nullopt;
    }
    std::int32_t value = 0;
    if (!ReadWhole(first, last, value, 10))
        return std::nullopt;
    return value;
}
