// The settings store: where the file lives, the file's keys each tied to
// its field of the record, read at start-up and written back at the end.
#include "appsettings.h"
#include "iniprofile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <array>
#include <variant>

AppSettingsRecord AppSettings;
QString ProgramDir;

const char* PlacementSection(int slot)
{
    static const char* const sections[PlacementSlotCount] = {
        "MainF", "RoueF", "BalleF", "DisqueF", "ChuteF", "FreinageF", "PercutaF", "PoidsF", "ChampF",
    };
    return slot >= 0 && slot < PlacementSlotCount ? sections[slot] : "";
}

void InitProgramDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    while (dir.endsWith('/'))
        dir.chop(1);
    ProgramDir = dir;
}

QString SettingsFilePath()
{
    const QString dir = ProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramDir;
    const QString beside = dir + "/Kinea.ini";
    if (QFileInfo::exists(beside) || QFileInfo(dir).isWritable())
        return beside;
    // A system-wide install: keep the settings in the user's own folder
    // rather than lose them at every exit.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty() || !QDir().mkpath(config))
        return beside;
    return config + "/Kinea.ini";
}

QString ProgramTitle()
{
    return QStringLiteral("Kinea");
}

QString LauncherCaption()
{
    return QStringLiteral(" Kinea - La physique en mouvement");
}

QString ModuleCaption(const QString& suffix)
{
    return ProgramTitle() + " - " + suffix;
}

namespace {

using R = AppSettingsRecord;

const auto kSettingKeys = std::to_array<SettingKey>({
    {"General", "TipFlag", &R::TipFlag},
    {"General", "MotifFlag", &R::MotifFlag},
    {"General", "HintFlag", &R::HintFlag},
    {"General", "TipIndex", &R::TipIndex},
    {"General", "Ips", &R::Ips},
    {"General", "SplasheFlag", &R::SplasheFlag},
    {"General", "LockFlag", &R::LockFlag},
    {"General", "Event_Index", &R::Event_Index},
    {"General", "CalcFlag", &R::CalcFlag},
    {"General", "InstanceFlag", &R::InstanceFlag},
    {"Couleurs", "clFond", &R::clFond},
    {"Couleurs", "clTraceA", &R::clTraceA},
    {"Couleurs", "clTraceB", &R::clTraceB},
    {"Couleurs", "clTraceC", &R::clTraceC},
    {"Couleurs", "clObjet", &R::clObjet},
    {"Couleurs", "clContour", &R::clContour},
    {"Couleurs", "clTexte", &R::clTexte},
    {"Couleurs", "clCadre", &R::clCadre},
    {"Couleurs", "clCurseur", &R::clCurseur, true},
    {"General", "clDigits", &R::clDigits},
    {"Modules", "HauteurUm", &R::HauteurUm},
    {"Modules", "BoucleFlag", &R::BoucleFlag},
    {"Freinage", "VitesseCible1", &R::VitesseCible1},
    {"Freinage", "VitesseCible2", &R::VitesseCible2},
    {"Freinage", "TempsReac1", &R::TempsReac1},
    {"Freinage", "TempsReac2", &R::TempsReac2},
    {"Freinage", "CoeffRoute1", &R::CoeffRoute1},
    {"Freinage", "CoeffRoute2", &R::CoeffRoute2},
    {"Freinage", "PasAnim0", &R::PasAnim0},
    {"Freinage", "BasBrake1", &R::BasBrake1},
    {"Freinage", "BasBrake2", &R::BasBrake2},
    {"Freinage", "AnimPasFlag", &R::AnimPasFlag},
    {"Freinage", "FreinageAllowFlag", &R::FreinageAllowFlag},
    {"Percuta", "IndexTri", &R::IndexTri},
    {"Percuta", "VmsFlag", &R::VmsFlag},
    {"Percuta", "VkmhFlag", &R::VkmhFlag},
    {"Percuta", "VcarreFlag", &R::VcarreFlag},
    {"Percuta", "MasseFlag", &R::MasseFlag},
    {"Percuta", "L0Flag", &R::L0Flag},
    {"Percuta", "LfFlag", &R::LfFlag},
    {"Percuta", "LEnfFlag", &R::LEnfFlag},
    {"Percuta", "LPliFlag", &R::LPliFlag},
    {"Percuta", "OrgueAllowFlag", &R::OrgueAllowFlag},
    {"Percuta", "TubeLabFlag", &R::TubeLabFlag},
    {"Percuta", "OrgueRandomFlag", &R::OrgueRandomFlag},
    {"Poids", "LCDCoulFlag", &R::LCDCoulFlag},
    {"Poids", "PoidsRandomFlag", &R::PoidsRandomFlag},
    {"Champ", "ChampAllowFlag", &R::ChampAllowFlag},
    {"Champ", "FlouFlag", &R::FlouFlag},
});

// The placement sections are written in this order, which is not the
// slot order.
const std::array<PlacementSlot, PlacementSlotCount> kPlacementSaveOrder{
    SlotMain, SlotRoue, SlotBalle, SlotDisque, SlotChute, SlotFreinage, SlotPoids, SlotPercuta, SlotChamp,
};

std::function<bool(const QString&)> writableCheck;

std::int32_t readInt(const IniProfile& profile, const char* section, const char* key, std::int32_t fallback)
{
    const std::optional<QByteArray> text = profile.value(section, key);
    if (!text)
        return fallback;
    return ParseProfileInt(*text).value_or(fallback);
}

bool readBool(const IniProfile& profile, const char* section, const char* key, bool fallback)
{
    return readInt(profile, section, key, fallback ? 1 : 0) != 0;
}

void writeInt(IniProfile& profile, const char* section, const char* key, std::int32_t value)
{
    profile.setValue(section, key, FormatProfileInt(value));
}

WindowPlacement readPlacement(const IniProfile& profile, const char* section)
{
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.X = readInt(profile, section, "X", defaults.X);
    placement.Y = readInt(profile, section, "Y", defaults.Y);
    placement.W = readInt(profile, section, "W", defaults.W);
    placement.H = readInt(profile, section, "H", defaults.H);
    placement.Maxis = readBool(profile, section, "Maxis", defaults.Maxis);
    return placement;
}

void writePlacement(IniProfile& profile, const char* section, const WindowPlacement& placement)
{
    writeInt(profile, section, "X", placement.X);
    writeInt(profile, section, "Y", placement.Y);
    writeInt(profile, section, "W", placement.W);
    writeInt(profile, section, "H", placement.H);
    writeInt(profile, section, "Maxis", placement.Maxis ? 1 : 0);
}

// Colours go through the file as their signed 32-bit pattern, so that every
// value, even one above 0x7FFFFFFF, reads back as it was.
struct KeyReader
{
    const IniProfile& profile;
    const SettingKey& key;
    AppSettingsRecord& record;
    void operator()(bool AppSettingsRecord::*field) const
    {
        record.*field = readBool(profile, key.section, key.key, AppSettingsRecord{}.*field);
    }
    void operator()(std::int32_t AppSettingsRecord::*field) const
    {
        record.*field = readInt(profile, key.section, key.key, AppSettingsRecord{}.*field);
    }
    void operator()(TColor AppSettingsRecord::*field) const
    {
        const auto fallback = std::int32_t(AppSettingsRecord{}.*field);
        record.*field = TColor(readInt(profile, key.section, key.key, fallback));
    }
};

struct KeyWriter
{
    IniProfile& profile;
    const SettingKey& key;
    const AppSettingsRecord& record;
    void operator()(bool AppSettingsRecord::*field) const
    {
        writeInt(profile, key.section, key.key, record.*field ? 1 : 0);
    }
    void operator()(std::int32_t AppSettingsRecord::*field) const
    {
        writeInt(profile, key.section, key.key, record.*field);
    }
    void operator()(TColor AppSettingsRecord::*field) const
    {
        writeInt(profile, key.section, key.key, std::int32_t(record.*field));
    }
};

void writeRecord(IniProfile& profile, const AppSettingsRecord& record)
{
    // Written first: it opens a fresh file with the "Access" section.
    profile.setValue("Access", "Allowed", "1");
    for (const PlacementSlot slot : kPlacementSaveOrder)
        writePlacement(profile, PlacementSection(slot), record.Placements[slot]);
    for (const SettingKey& key : kSettingKeys) {
        if (!key.readOnly)
            std::visit(KeyWriter{profile, key, record}, key.field);
    }
}

bool writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // A writable file in a read-only folder cannot be replaced, only
    // rewritten where it is.
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

std::span<const SettingKey> SettingKeys()
{
    return kSettingKeys;
}

bool SettingsFileWritable(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.isFile() && file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

void SetSettingsWritableCheck(std::function<bool(const QString&)> check)
{
    writableCheck = std::move(check);
}

void LoadSettings()
{
    LoadSettings(SettingsFilePath());
}

void LoadSettings(const QString& path)
{
    // A file that cannot be read leaves the profile empty: every default.
    IniProfile profile;
    profile.load(path);
    AppSettingsRecord loaded;
    for (int slot = 0; slot < PlacementSlotCount; ++slot)
        loaded.Placements[size_t(slot)] = readPlacement(profile, PlacementSection(slot));
    for (const SettingKey& key : kSettingKeys)
        std::visit(KeyReader{profile, key, loaded}, key.field);
    AppSettings = loaded;
}

SettingsSaveResult SaveSettings()
{
    return SaveSettings(SettingsFilePath());
}

SettingsSaveResult SaveSettings(const QString& path)
{
    const bool writable = writableCheck ? writableCheck(path) : SettingsFileWritable(path);
    if (!writable)
        return {};
    // Unknown sections and keys are kept, so an existing file that cannot be
    // read is left alone rather than replaced by our keys alone.
    IniProfile profile;
    if (profile.load(path)) {
        writeRecord(profile, AppSettings);
        if (writeWholeFile(path, profile.toBytes()))
            return {true, {}};
    }
    return {false, QString::fromUtf8("Ne peut écrire dans %1").arg(QFileInfo(path).absoluteFilePath())};
}
