// The profile and its numbers, in memory: any text read as a profile gives
// every key its value, writes back to a text that reads the same, takes
// the program's keys with any number, and its numbers read as
// std::from_chars reads them.
//
// Input: the profile text, then up to seven changes of five bytes each
// (which key, then the number, little-endian), then the count of changes.
#include "app/settings/appsettings.h"
#include "app/settings/iniprofile.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/settingsoracle.h"

#include <cstring>

namespace {

struct Change
{
    const char* section;
    const char* key;
    std::int32_t value;
};

const char* const kPlacementKeys[] = {"X", "Y", "W", "H", "Maxis"};

// The program's own keys, placements first, by a byte.
std::pair<const char*, const char*> KeyByIndex(std::uint8_t index)
{
    const int placementKeys = PlacementSlotCount * 5;
    const int all = placementKeys + int(SettingKeys().size());
    const int i = index % all;
    if (i < placementKeys)
        return {PlacementSection(i / 5), kPlacementKeys[i % 5]};
    const SettingKey& key = SettingKeys()[size_t(i - placementKeys)];
    return {key.section, key.key};
}

std::vector<Change> TakeChanges(const std::uint8_t* data, std::size_t& size)
{
    std::vector<Change> changes;
    if (size == 0)
        return changes;
    const std::size_t count = std::min<std::size_t>(data[size - 1] % 8, (size - 1) / 5);
    const std::uint8_t* at = data + size - 1 - 5 * count;
    for (std::size_t i = 0; i < count; ++i, at += 5) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, at + 1, 4);
        const auto [section, key] = KeyByIndex(at[0]);
        changes.push_back({section, key, std::int32_t(bits)});
    }
    size -= 1 + 5 * count;
    return changes;
}

void CheckValues(const IniProfile& profile, const std::vector<ProfileKey>& keys)
{
    for (const ProfileKey& key : keys) {
        const std::optional<QByteArray> value = profile.Value(key.section, key.key);
        FuzzCheck(value.has_value(), "every key line is found by its section and key");
        FuzzCheck(value->size() <= IniProfile::MaxValueLength, "values are cut to the reader's buffer");
        FuzzCheck(ParseProfileInt(*value) == ReferenceProfileInt(*value),
                  "a value reads as the same number as std::from_chars reads it");
    }
}

// Written out and read again, the profile gives every key the same value.
void CheckRewrite(const IniProfile& profile, const std::vector<ProfileKey>& keys)
{
    const QByteArray written = profile.ToBytes();
    const IniProfile reread = IniProfile::FromBytes(written);
    for (const ProfileKey& key : keys)
        FuzzCheck(reread.Value(key.section, key.key) == profile.Value(key.section, key.key),
                  "a written profile reads back with the same values");
    FuzzCheck(reread.ToBytes() == written, "writing a profile read from its own text changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<Change> changes = TakeChanges(data, size);
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniProfile original = IniProfile::FromBytes(text);
    const std::vector<ProfileKey> keys = ProfileKeys(text);
    CheckValues(original, keys);
    CheckRewrite(original, keys);

    IniProfile profile = original;
    for (const Change& change : changes) {
        const QByteArray number = FormatProfileInt(change.value);
        FuzzCheck(ParseProfileInt(number) == change.value, "a written number reads back");
        profile.SetValue(change.section, change.key, number);
        FuzzCheck(profile.Value(change.section, change.key) == number, "a changed key reads its new value");
    }
    const IniProfile reread = IniProfile::FromBytes(profile.ToBytes());
    for (const Change& change : changes)
        FuzzCheck(reread.Value(change.section, change.key) == profile.Value(change.section, change.key),
                  "a changed profile reads back with its new values");
    for (const ProfileKey& key : keys)
        if (!IsSavedKey(key.section, key.key))
            FuzzCheck(reread.Value(key.section, key.key) == original.Value(key.section, key.key),
                      "changing the program's keys leaves the others alone");
    return 0;
}
