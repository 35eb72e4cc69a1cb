// A second, deliberately plain reading of a settings file, against which
// the fuzz targets check the profile: its lines, its keys, and which keys
// a save rewrites.
#pragma once

#include "app/settings/appsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <vector>

// The lines of a profile text after its UTF-8 byte-order mark, if any:
// split at LF, the CRs before it dropped; the LF that ends the text opens
// no line.
std::vector<QByteArray> ProfileLines(const QByteArray& bytes);

// A "Key=Value" line and the section it stands in, spelled as in the file.
// Lines before the first section belong to none: nobody can ask for them.
struct ProfileKey
{
    QByteArray section;
    QByteArray key;
    std::size_t line; // index in ProfileLines
};
std::vector<ProfileKey> ProfileKeys(const QByteArray& bytes);

// True for the keys a save writes (compared without case): the placements,
// every key of the record that is not read-only, and "Access" "Allowed".
bool IsSavedKey(QByteArrayView section, QByteArrayView key);

// Settings compare field by field.
bool SameSettings(const AppSettingsRecord& a, const AppSettingsRecord& b);

// How an integer value should read, worked out with std::from_chars.
std::optional<std::int32_t> ReferenceProfileInt(QByteArrayView text);
