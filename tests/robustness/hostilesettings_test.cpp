// Settings files holding hostile values, for every key alone and for all
// keys at once: with each file every window that reads the value is opened,
// animated, resized and closed, no timer runs faster than 10 ms, and the
// settings saved afterwards read back as they were. And settings files of
// hostile shapes (a pipe, a folder, blank lines, a byte-order mark, UTF-16,
// CR-only line ends, a read-only file) through the whole program.
#include "app/launcherwindow.h"
#include "app/settings/appsettings.h"
#include "modalcloser.h"
#include "programdriver.h"
#include "testhelpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringEncoder>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <variant>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace robustness;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const char* const kHostileValues[] = {"-2147483648", "-1", "0", "2147483647", "0xFFFFFFFF", "abc", ""};
const char* const kPlacementKeys[] = {"X", "Y", "W", "H", "Maxis"};
const QStringList kMotionWindows{"RoueF", "BalleF", "DisqueF", "ChuteF"};
constexpr int kTicks = 3;

struct FileKey
{
    QByteArray section;
    QByteArray key;
};

std::vector<FileKey> AllKeys()
{
    std::vector<FileKey> keys{{"Access", "Allowed"}};
    for (int slot = 0; slot < PlacementSlotCount; ++slot)
        for (const char* key : kPlacementKeys)
            keys.push_back({PlacementSection(slot), key});
    for (const SettingKey& key : SettingKeys())
        keys.push_back({key.section, key.key});
    return keys;
}

// The windows that read a key when they are shown or while they run.
QStringList Readers(const FileKey& k)
{
    for (int slot = 0; slot < PlacementSlotCount; ++slot)
        if (k.section == PlacementSection(slot))
            return {QString::fromLatin1(k.section)};
    const QByteArray& key = k.key;
    if (k.section == "General") {
        if (key == "TipFlag" || key == "TipIndex")
            return {"TipF", "PreferencesF"};
        if (key == "Ips")
            return kMotionWindows;
        if (key == "LockFlag")
            return kMotionWindows + QStringList{"PreferencesF"};
        if (key == "SplasheFlag" || key == "Event_Index")
            return {"SplashF", "PreferencesF"};
        if (key == "CalcFlag")
            return {"FreinageF", "PercutaF", "PreferencesF"};
        if (key == "HintFlag")
            return {"BalleF", "PreferencesF"};
        if (key == "clDigits")
            return {"PoidsF"};
        return {"PreferencesF"};
    }
    if (k.section == "Couleurs")
        return key == "clCurseur" ? QStringList{"ChuteF"} : kMotionWindows + QStringList{"PreferencesF"};
    if (k.section == "Modules")
        return key == "HauteurUm" ? QStringList{"ChuteF"} : kMotionWindows + QStringList{"PreferencesF"};
    if (k.section == "Freinage")
        return {"FreinageF", "PreferencesF"};
    if (k.section == "Percuta")
        return {"PercutaF", "PreferencesF"};
    if (k.section == "Poids")
        return {"PoidsF", "PreferencesF"};
    if (k.section == "Champ")
        return {"ChampF", "PreferencesF"};
    return {};
}

// Every field of the settings, as text: equal texts, equal settings.
QByteArray RecordText(const AppSettingsRecord& r)
{
    QByteArray text;
    for (const WindowPlacement& p : r.Placements)
        text += QByteArray::number(p.X) + ',' + QByteArray::number(p.Y) + ',' + QByteArray::number(p.W) + ','
                + QByteArray::number(p.H) + ',' + QByteArray::number(p.Maxis) + ';';
    for (const SettingKey& key : SettingKeys())
        text += QByteArray(key.key) + '='
                + std::visit([&](auto field) { return QByteArray::number(qint64(r.*field)); }, key.field) + ';';
    return text;
}

QByteArray FileWith(const std::vector<FileKey>& keys, const char* value)
{
    QByteArray file;
    QByteArray section;
    for (const FileKey& k : keys) {
        if (k.section != section)
            file += '[' + k.section + "]\r\n";
        section = k.section;
        file += k.key + '=' + value + "\r\n";
    }
    return file;
}

// Saves the settings, reads them back, and expects them unchanged.
void ExpectSavedFileReadsBack(const QString& path)
{
    const QByteArray before = RecordText(AppSettings);
    ASSERT_TRUE(SaveSettings(path).saved);
    LoadSettings(path);
    EXPECT_EQ(RecordText(AppSettings), before);
}

class HostileSettings : public ::testing::Test
{
protected:
    void SetUp() override { AppSettings = AppSettingsRecord{}; }
    QString IniPath() const { return dir.File("Kinea.ini"); }

    TempDir dir;
    ModalCloser answerer{5};
};

} // namespace

TEST_F(HostileSettings, EveryKeyAloneWithEachValue)
{
    Program program(dir.Path());
    std::set<QByteArray> driven;
    int files = 0;
    for (const FileKey& key : AllKeys()) {
        const QStringList readers = Readers(key);
        for (const char* value : kHostileValues) {
            SCOPED_TRACE((key.section + "/" + key.key + "=" + value).toStdString());
            WriteFile(IniPath(), FileWith({key}, value));
            ++files;
            LoadSettings(IniPath());
            // A value that reads as one already tried on the same windows
            // ("0xFFFFFFFF" as -1, any true as 1) tells nothing new.
            if (driven.insert(readers.join(',').toLatin1() + RecordText(AppSettings)).second) {
                for (const ProgramWindow& window : program.Windows()) {
                    if (!readers.contains(window.name))
                        continue;
                    if (window.slot >= 0)
                        ApplyPlacement(window.widget, AppSettings.Placements[size_t(window.slot)]);
                    EXPECT_EQ(Exercise(window.widget, kTicks, false), QStringList()) << window.name.toStdString();
                    if (window.slot >= 0)
                        CapturePlacement(window.widget, AppSettings.Placements[size_t(window.slot)]);
                }
            }
            ExpectSavedFileReadsBack(IniPath());
        }
    }
    std::printf("%d hostile files, %zu of them driven through their windows\n", files, driven.size());
}

TEST_F(HostileSettings, EveryKeyAtOnceWithEachValueThroughTheWholeProgram)
{
    for (const char* value : kHostileValues) {
        SCOPED_TRACE(std::string("every key = ") + value);
        WriteFile(IniPath(), FileWith(AllKeys(), value));
        Program program(dir.Path());
        program.Launcher().show();
        QApplication::processEvents();
        for (const ProgramWindow& window : program.Windows()) {
            if (window.widget == &program.Launcher())
                continue;
            // Drawing at 4000 x 3000 is slow: once per window is enough.
            const bool huge = QByteArray(value) == "2147483647";
            EXPECT_EQ(Exercise(window.widget, kTicks, huge), QStringList()) << window.name.toStdString();
        }
        EXPECT_EQ(FastTimers(&program.Launcher()), QStringList());
        // Closing the launcher captures the placements and saves.
        program.Launcher().close();
        const QByteArray saved = RecordText(AppSettings);
        LoadSettings(IniPath());
        EXPECT_EQ(RecordText(AppSettings), saved);
    }
}

namespace {

// A Kinea.ini of one shape: how it is made, the Ips the program reads from
// it, and what must hold of it once the launcher has closed.
struct FileShape
{
    const char* name;
    std::function<void(const QString& path)> make;
    std::int32_t ips;
    bool told; // a message at loading
    std::function<void(const QString& path)> expectAfter;
};

const QByteArray kGeneral = "[General]\r\nIps=50\r\n";

void ExpectUnchanged(const QString& path, const QByteArray& bytes)
{
    EXPECT_EQ(testing_support::ReadFile(path), bytes);
}

// The settings of a run whose Kinea.ini is not a file are kept there.
void ExpectSavedInTheUserFolder()
{
    EXPECT_TRUE(testing_support::ReadFile(UserSettingsFolder() + "/Kinea.ini").contains("Ips=100"));
}

std::vector<FileShape> FileShapes()
{
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray blank = kGeneral + QByteArray(8 * 1024 * 1024, '\n');
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray utf16 = toUtf16(QString::fromLatin1(kGeneral));
    const QByteArray crOnly = QByteArray(kGeneral).replace("\r\n", "\r");
    return {
#ifdef Q_OS_UNIX
        {"pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0644), 0); }, 100, false,
         [](const QString& p) {
             EXPECT_FALSE(QFileInfo(p).isFile());
             ExpectSavedInTheUserFolder();
         }},
#endif
        {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }, 100, false,
         [](const QString& p) {
             EXPECT_TRUE(QFileInfo(p).isDir());
             ExpectSavedInTheUserFolder();
         }},
        {"blank lines", [=](const QString& p) { WriteFile(p, blank); }, 50, false,
         [](const QString& p) { EXPECT_TRUE(testing_support::ReadFile(p).startsWith(kGeneral)); }},
        {"byte-order mark", [=](const QString& p) { WriteFile(p, bom + kGeneral); }, 50, false,
         [=](const QString& p) {
             const QByteArray saved = testing_support::ReadFile(p);
             EXPECT_TRUE(saved.startsWith(bom + kGeneral));
             EXPECT_EQ(saved.count("[General]"), 1);
         }},
        {"UTF-16", [=](const QString& p) { WriteFile(p, utf16); }, 100, true,
         [=](const QString& p) { ExpectUnchanged(p, utf16); }},
        {"CR-only", [=](const QString& p) { WriteFile(p, crOnly); }, 100, true,
         [=](const QString& p) { ExpectUnchanged(p, crOnly); }},
        {"read-only",
         [](const QString& p) {
             WriteFile(p, kGeneral);
             QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
         },
         50, false,
         [](const QString& p) {
             ExpectUnchanged(p, kGeneral);
             EXPECT_FALSE(QFileInfo(p).permission(QFile::WriteOwner));
         }},
    };
}

} // namespace

TEST_F(HostileSettings, EachFileShapeThroughTheWholeProgram)
{
    // Settings sent to the user's folder land in a test folder.
    QStandardPaths::setTestModeEnabled(true);
    for (const FileShape& shape : FileShapes()) {
        SCOPED_TRACE(shape.name);
        QDir(UserSettingsFolder()).removeRecursively();
        testing_support::TempDir folder;
        const QString path = folder.File("Kinea.ini");
        shape.make(path);
        Program program(folder.Path());
        EXPECT_EQ(AppSettings.Ips, shape.ips);
        EXPECT_EQ(!LoadSettings().message.isEmpty(), shape.told);
        program.Launcher().show();
        QApplication::processEvents();
        EXPECT_EQ(Exercise(program.Window("BalleF"), kTicks, false), QStringList());
        const int boxes = answerer.Answered();
        program.Launcher().close();
        EXPECT_EQ(answerer.Answered(), boxes) << "no message at closing";
        shape.expectAfter(path);
    }
    QDir(UserSettingsFolder()).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}
