// The keys of the settings file other than the window placements, in the
// order they are read and written, each tied to its field of the record.
#pragma once

#include "appsettings.h"

#include <span>
#include <variant>

struct SettingKey
{
    using Field = std::variant<bool AppSettingsRecord::*, std::int32_t AppSettingsRecord::*,
                               TColor AppSettingsRecord::*>;
    const char* section;
    const char* key;
    Field field;
    // Honoured when read, never written back (a hand-edited value stays).
    bool readOnly = false;
};

std::span<const SettingKey> SettingKeys();

// The placement slots in the order their sections are written, which is
// not the slot order.
std::span<const PlacementSlot> PlacementSaveOrder();
