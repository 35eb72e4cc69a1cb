// The program's persistent settings: one process-wide record, loaded once
// when the launcher is created and saved once when it closes.
#pragma once

#include "canvas/tcolor.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <variant>

// Position and size of one main window.
struct WindowPlacement
{
    std::int32_t X = 1;
    std::int32_t Y = 1;
    std::int32_t W = 700;
    std::int32_t H = 500;
    bool Maxis = false;
};

// Index of each main window in the placement table.
enum PlacementSlot
{
    SlotMain = 0,
    SlotRoue = 1,
    SlotBalle = 2,
    SlotDisque = 3,
    SlotChute = 4,
    SlotFreinage = 5,
    SlotPercuta = 6,
    SlotPoids = 7,
    SlotChamp = 8,
    PlacementSlotCount = 9
};

// File section of each placement slot ("MainF", "RoueF", ...).
const char* PlacementSection(int slot);

// One field per key of the settings file, named after its key; the
// initial values are the defaults used when a key is missing.
struct AppSettingsRecord
{
    std::array<WindowPlacement, PlacementSlotCount> Placements{};

    // General
    bool TipFlag = true;
    bool MotifFlag = true;
    bool HintFlag = true;
    std::int32_t TipIndex = 0;
    std::int32_t Ips = 100;
    bool SplasheFlag = true;
    bool LockFlag = false;
    std::int32_t Event_Index = 0;
    bool CalcFlag = true;
    bool InstanceFlag = true;
    TColor clDigits = 0x00FF00;

    // Couleurs
    TColor clFond = 0x808080;
    TColor clTraceA = 0x0000FF;
    TColor clTraceB = 0x00FF00;
    TColor clTraceC = 0xFFFF00;
    TColor clObjet = 0x000000;
    TColor clContour = 0xC0C0C0;
    TColor clTexte = 0x000000;
    TColor clCadre = 0xFFFFFF;
    TColor clCurseur = 0x00FFFF; // read only: never written back

    // Modules
    std::int32_t HauteurUm = 1200000;
    bool BoucleFlag = true;

    // Freinage
    std::int32_t VitesseCible1 = 60;
    std::int32_t VitesseCible2 = 70;
    std::int32_t TempsReac1 = 100;
    std::int32_t TempsReac2 = 100;
    std::int32_t CoeffRoute1 = 100;
    std::int32_t CoeffRoute2 = 100;
    std::int32_t PasAnim0 = 3;
    bool BasBrake1 = false;
    bool BasBrake2 = false;
    bool AnimPasFlag = true;
    bool FreinageAllowFlag = true;

    // Percuta
    std::int32_t IndexTri = 1;
    bool VmsFlag = true;
    bool VkmhFlag = false;
    bool VcarreFlag = true;
    bool MasseFlag = false;
    bool L0Flag = false;
    bool LfFlag = false;
    bool LEnfFlag = true;
    bool LPliFlag = false;
    bool OrgueAllowFlag = true;
    bool TubeLabFlag = true;
    bool OrgueRandomFlag = false;

    // Poids
    bool LCDCoulFlag = true;
    bool PoidsRandomFlag = false;

    // Champ
    bool ChampAllowFlag = true;
    bool FlouFlag = true;
};

// A key of the file other than the window placements, tied to its field.
struct SettingKey
{
    using Field
        = std::variant<bool AppSettingsRecord::*, std::int32_t AppSettingsRecord::*, TColor AppSettingsRecord::*>;
    const char* section;
    const char* key;
    Field field;
    // Honoured when read, never written back (a hand-edited value stays).
    bool readOnly = false;
};

// Every such key, in the order keys are read and written.
std::span<const SettingKey> SettingKeys();

// The process-wide settings, read and changed in memory by every window.
extern AppSettingsRecord AppSettings;

// The executable's directory, without a trailing separator. Set once by
// InitProgramDir() before the first load.
extern QString ProgramDir;
void InitProgramDir();

// Where the settings file lives: ProgramDir + "/Kinea.ini", or the user's
// configuration folder when the program's folder cannot be written and
// holds no settings file (a system-wide install).
QString SettingsFilePath();

// Overwrites every field of AppSettings from the file (defaults where a key
// is missing or not a number).
void LoadSettings();
void LoadSettings(const QString& path);

// What a save did. A file judged not writable is left alone without a word
// (a file the user protected stays as it is); a write that fails after that
// check carries the message the launcher shows: "Ne peut écrire dans <path>".
struct SettingsSaveResult
{
    bool saved = false;
    QString error;
    explicit operator bool() const { return saved; }
};

// Writes every setting back, keeping the file's other sections and keys.
SettingsSaveResult SaveSettings();
SettingsSaveResult SaveSettings(const QString& path);

// True when a save could replace the file: an existing file must be a
// writable regular file (checked with the system's access rights, so a
// read-only file system or an immutable file count as read-only); a new
// file needs a writable directory.
bool SettingsFileWritable(const QString& path);

// Replaces the check above in SaveSettings (for tests); an empty function
// restores it.
void SetSettingsWritableCheck(std::function<bool(const QString& path)> check);

// An index read from the settings file, which can hold any integer, brought
// into a list of `count` items that wraps round at both ends (0 for an
// empty list).
inline int CycleIndex(std::int64_t index, int count)
{
    if (count <= 0)
        return 0;
    const std::int64_t r = index % count;
    return static_cast<int>(r < 0 ? r + count : r);
}

// The program's title, which begins every module window's caption, and the
// launcher's run-time caption.
QString ProgramTitle();
QString LauncherCaption();
// ProgramTitle() + " - " + suffix, the caption of a module window.
QString ModuleCaption(const QString& suffix);
