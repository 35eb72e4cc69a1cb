// The settings store: the file's keys each tied to its field of the record,
// read at start-up and written back at the end.
#include "appsettings.h"
#include "iniprofile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
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
    return LocateSettingsFiles(ProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramDir).own;
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

// The files a load reads, the one whose keys win first.
using Profiles = std::vector<const IniProfile*>;

std::int32_t ReadInt(const Profiles& profiles, const char* section, const char* key, std::int32_t fallback)
{
    for (const IniProfile* profile : profiles)
        if (const std::optional<QByteArray> text = profile->Value(section, key))
            return ParseProfileInt(*text).value_or(fallback);
    return fallback;
}

bool ReadBool(const Profiles& profile, const char* section, const char* key, bool fallback)
{
    return ReadInt(profile, section, key, fallback ? 1 : 0) != 0;
}

void WriteInt(IniProfile& profile, const char* section, const char* key, std::int32_t value)
{
    profile.SetValue(section, key, FormatProfileInt(value));
}

WindowPlacement ReadPlacement(const Profiles& profile, const char* section)
{
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.X = ReadInt(profile, section, "X", defaults.X);
    placement.Y = ReadInt(profile, section, "Y", defaults.Y);
    placement.W = ReadInt(profile, section, "W", defaults.W);
    placement.H = ReadInt(profile, section, "H", defaults.H);
    placement.Maxis = ReadBool(profile, section, "Maxis", defaults.Maxis);
    return placement;
}

void WritePlacement(IniProfile& profile, const char* section, const WindowPlacement& placement)
{
    WriteInt(profile, section, "X", placement.X);
    WriteInt(profile, section, "Y", placement.Y);
    WriteInt(profile, section, "W", placement.W);
    WriteInt(profile, section, "H", placement.H);
    WriteInt(profile, section, "Maxis", placement.Maxis ? 1 : 0);
}

// Colours go through the file as their signed 32-bit pattern, so that every
// value, even one above 0x7FFFFFFF, reads back as it was.
struct KeyReader
{
    const Profiles& profile;
    const SettingKey& key;
    AppSettingsRecord& record;
    void operator()(bool AppSettingsRecord::*field) const
    {
        record.*field = ReadBool(profile, key.section, key.key, AppSettingsRecord{}.*field);
    }
    void operator()(std::int32_t AppSettingsRecord::*field) const
    {
        record.*field = ReadInt(profile, key.section, key.key, AppSettingsRecord{}.*field);
    }
    void operator()(TColor AppSettingsRecord::*field) const
    {
        const auto fallback = std::int32_t(AppSettingsRecord{}.*field);
        record.*field = TColor(ReadInt(profile, key.section, key.key, fallback));
    }
};

struct KeyWriter
{
    IniProfile& profile;
    const SettingKey& key;
    const AppSettingsRecord& record;
    void operator()(bool AppSettingsRecord::*field) const
    {
        WriteInt(profile, key.section, key.key, record.*field ? 1 : 0);
    }
    void operator()(std::int32_t AppSettingsRecord::*field) const
    {
        WriteInt(profile, key.section, key.key, record.*field);
    }
    void operator()(TColor AppSettingsRecord::*field) const
    {
        WriteInt(profile, key.section, key.key, std::int32_t(record.*field));
    }
};

void WriteRecord(IniProfile& profile, const AppSettingsRecord& record)
{
    // Written first: it opens a fresh file with the "Access" section.
    profile.SetValue("Access", "Allowed", "1");
    for (const PlacementSlot slot : kPlacementSaveOrder)
        WritePlacement(profile, PlacementSection(slot), record.Placements[slot]);
    for (const SettingKey& key : kSettingKeys) {
        if (!key.readOnly)
            std::visit(KeyWriter{profile, key, record}, key.field);
    }
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // A writable file in a read-only folder cannot be replaced, only
    // rewritten where it is.
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Why a file was left unread, for the user, when it matters: the file is
// there, holds the user's settings, and will be left as it is.
QString UnreadFileMessage(IniProfile::Load load, const QString& path)
{
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QString kept = QStringLiteral(" Il n'a pas été lu et restera tel quel : les réglages par défaut "
                                        "sont utilisés et ceux de cette séance ne seront pas enregistrés.");
    switch (load) {
    case IniProfile::Load::TooLarge:
        return QStringLiteral("Le fichier de réglages « %1 » dépasse %2 Mo.")
                   .arg(file)
                   .arg(IniProfile::MaxFileBytes >> 20)
               + kept;
    case IniProfile::Load::Utf16:
        return QStringLiteral("Le fichier de réglages « %1 » est enregistré en UTF-16, que Kinea ne lit pas.").arg(file)
               + kept + QStringLiteral(" Enregistrez-le en UTF-8 pour que Kinea le lise.");
    case IniProfile::Load::CrOnly:
        return QStringLiteral("Les lignes du fichier de réglages « %1 » ne finissent que par un retour chariot "
                              "(CR), ce que Kinea ne lit pas.")
                   .arg(file)
               + kept + QStringLiteral(" Enregistrez-le avec des fins de ligne Windows (CR LF) ou Unix (LF).");
    default: return {};
    }
}

} // namespace

std::span<const SettingKey> SettingKeys()
{
    return kSettingKeys;
}

void SetSettingsWritableCheck(std::function<bool(const QString&)> check)
{
    writableCheck = std::move(check);
}

SettingsLoadResult LoadSettings()
{
    return LoadSettings(LocateSettingsFiles(ProgramDir));
}

SettingsLoadResult LoadSettings(const QString& path)
{
    return LoadSettings(SettingsFiles{{}, path});
}

SettingsLoadResult LoadSettings(const SettingsFiles& files)
{
    // A file that cannot be read leaves its profile empty: every default.
    IniProfile shared;
    IniProfile own;
    QStringList messages;
    for (const auto& [profile, path] : {std::pair{&shared, files.shared}, std::pair{&own, files.own}}) {
        if (path.isEmpty())
            continue;
        const QString message = UnreadFileMessage(profile->LoadFile(path), path);
        if (!message.isEmpty())
            messages << message;
    }
    const Profiles profiles{&shared, &own};
    AppSettingsRecord loaded;
    for (int slot = 0; slot < PlacementSlotCount; ++slot)
        loaded.Placements[size_t(slot)] = ReadPlacement(profiles, PlacementSection(slot));
    for (const SettingKey& key : kSettingKeys)
        std::visit(KeyReader{profiles, key, loaded}, key.field);
    AppSettings = loaded;
    return {messages.join(QStringLiteral("\n\n"))};
}

SettingsSaveResult SaveSettings()
{
    const QString path = SettingsFilePath();
    if (path.isEmpty())
        return {};
    // The user's configuration folder is made on the first save only.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return SaveSettings(path);
}

SettingsSaveResult SaveSettings(const QString& path)
{
    const bool writable = writableCheck ? writableCheck(path) : SettingsFileWritable(path);
    if (!writable)
        return {};
    // Unknown sections and keys are kept, so an existing file that cannot be
    // read is left alone rather than replaced by our keys alone.
    IniProfile profile;
    switch (profile.LoadFile(path)) {
    case IniProfile::Load::Read:
    case IniProfile::Load::Missing:
        WriteRecord(profile, AppSettings);
        if (WriteWholeFile(path, profile.ToBytes()))
            return {true, {}};
        break;
    case IniProfile::Load::NotAFile:
    case IniProfile::Load::TooLarge:
    case IniProfile::Load::Utf16:
    case IniProfile::Load::CrOnly: return {}; // left as it was, as the load said
    case IniProfile::Load::Unreadable: break;
    }
    return {false, QString::fromUtf8("Ne peut écrire dans %1").arg(QFileInfo(path).absoluteFilePath())};
}
