// The settings file as the program meets it: any bytes in Kinea.ini are
// loaded, saved and read back. The save must keep every key and every
// other line of the file, the settings must read back as they were loaded,
// and a second save must change nothing; text that cannot be split into
// lines (UTF-16, CR-only) is said once and left as it was.
#include "app/settings/appsettings.h"
#include "app/settings/iniprofile.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/settingsoracle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// In memory where the system offers it: a save syncs the file to disk,
// which would make every input wait for the disk.
QString TemporaryTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/kinea_fuzz-XXXXXX");
}

QString IniPath()
{
    static QTemporaryDir folder(TemporaryTemplate());
    FuzzCheck(folder.isValid(), "a temporary folder can be made");
    return folder.filePath(QStringLiteral("Kinea.ini"));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
              "the input can be written");
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    FuzzCheck(file.open(QIODevice::ReadOnly), "the saved file can be read");
    return file.readAll();
}

// Every line that a save has no reason to touch is found in the saved
// file, in the same order.
void CheckOtherLinesKept(const QByteArray& original, const QByteArray& saved)
{
    std::vector<bool> rewritable(ProfileLines(original).size(), false);
    for (const ProfileKey& key : ProfileKeys(original))
        if (IsSavedKey(key.section, key.key))
            rewritable[key.line] = true;
    const std::vector<QByteArray> before = ProfileLines(original);
    const std::vector<QByteArray> after = ProfileLines(saved);
    std::size_t at = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (rewritable[i])
            continue;
        while (at < after.size() && after[at] != before[i])
            ++at;
        FuzzCheck(at < after.size(), "a line the save does not own is kept, in order");
        ++at;
    }
}

void CheckKeysKept(const QByteArray& original, const QByteArray& saved)
{
    const IniProfile before = IniProfile::FromBytes(original);
    const IniProfile after = IniProfile::FromBytes(saved);
    for (const ProfileKey& key : ProfileKeys(original)) {
        const std::optional<QByteArray> was = before.Value(key.section, key.key);
        const std::optional<QByteArray> is = after.Value(key.section, key.key);
        FuzzCheck(was.has_value(), "every key line of the file is found by its section and key");
        FuzzCheck(is.has_value(), "every key survives a save");
        if (!IsSavedKey(key.section, key.key))
            FuzzCheck(*is == *was, "a key the program does not write keeps its value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = IniPath();
    const QByteArray original(reinterpret_cast<const char*>(data), qsizetype(size));
    WriteFile(path, original);

    AppSettings = AppSettingsRecord{};
    const SettingsLoadResult load = LoadSettings(path);
    if (IniProfile::ShapeOf(original) != IniProfile::Load::Read) {
        // Text this reader cannot split into lines is said once and left as it is.
        FuzzCheck(!load.message.isEmpty(), "a file left unread is said at loading");
        FuzzCheck(SameSettings(AppSettings, AppSettingsRecord{}), "a file left unread gives the defaults");
        const SettingsSaveResult save = SaveSettings(path);
        FuzzCheck(!save.saved && save.error.isEmpty(), "a file left unread is not written, without a word");
        FuzzCheck(ReadFile(path) == original, "a file left unread stays byte for byte");
        return 0;
    }
    FuzzCheck(load.message.isEmpty(), "a file read says nothing");
    const AppSettingsRecord loaded = AppSettings;
    FuzzCheck(SaveSettings(path).saved, "a save in a writable folder succeeds");
    const QByteArray saved = ReadFile(path);

    CheckKeysKept(original, saved);
    CheckOtherLinesKept(original, saved);

    AppSettings = AppSettingsRecord{};
    LoadSettings(path);
    FuzzCheck(SameSettings(AppSettings, loaded), "the saved file reads back as the settings were");
    FuzzCheck(SaveSettings(path).saved, "a save in a writable folder succeeds");
    FuzzCheck(ReadFile(path) == saved, "saving unchanged settings again changes nothing");
    return 0;
}
