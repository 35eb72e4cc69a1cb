// Settings files of unusual shapes: a byte-order mark, text this reader
// cannot split into lines, things that are not files, and files whose
// memory cost a careless reader multiplies.
#include "settingstestsupport.h"

#include "app/settings/iniprofile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

namespace {

using testing_support::ReadFile;

class SettingsShapes : public SettingsTest
{ };

TEST_F(SettingsShapes, Utf8ByteOrderMarkIsSkippedAndKept)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    LoadFrom(bom + "[General]\r\nIps=50\r\n");
    EXPECT_EQ(AppSettings.Ips, 50);
    AppSettings.Ips = 200;
    ASSERT_TRUE(Save(IniPath()));
    EXPECT_TRUE(ReadIni().startsWith(bom + "[General]\r\nIps=200\r\n")) << ReadIni().left(40).toStdString();
    EXPECT_EQ(ReadIni().count("[General]"), 1);
    EXPECT_EQ(ReadIni().count(bom), 1);
}

struct ForeignFile
{
    const char* name;
    QByteArray bytes;
    const char* told; // a word of the message
};

QByteArray Utf16(const char* text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(QString::fromLatin1(text));
}

class SettingsForeignText : public SettingsTest, public testing::WithParamInterface<ForeignFile>
{ };

TEST_P(SettingsForeignText, IsLeftUntouchedAndSaidOnce)
{
    const QByteArray before = GetParam().bytes;
    const QString told = (WriteIni(before), LoadSettings(IniPath()).message);
    EXPECT_EQ(AppSettings.Ips, 100);
    EXPECT_TRUE(told.contains(QString::fromUtf8(GetParam().told))) << told.toStdString();
    EXPECT_TRUE(told.contains(QDir::toNativeSeparators(IniPath()))) << told.toStdString();
    AppSettings.Ips = 400;
    EXPECT_FALSE(Save(IniPath()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(ReadIni(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsForeignText,
    testing::Values(ForeignFile{"utf16le", Utf16("[General]\r\nIps=50\r\n", QStringConverter::Utf16LE), "UTF-16"},
                    ForeignFile{"utf16be", Utf16("[General]\r\nIps=50\r\n", QStringConverter::Utf16BE), "UTF-16"},
                    ForeignFile{"cr_only", "[General]\rIps=50\r", "(CR)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsShapes, ACarriageReturnEndingTheLastLineIsNoForeignText)
{
    const QString told = (WriteIni("[General]\r\nIps=50\r"), LoadSettings(IniPath()).message);
    EXPECT_EQ(AppSettings.Ips, 50);
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(SettingsShapes, APipeIsNeitherOpenedNorWritten)
{
#ifdef Q_OS_LINUX
    // Opening a pipe for reading waits for a writer: the test would hang.
    ASSERT_EQ(::mkfifo(QFile::encodeName(IniPath()).constData(), 0644), 0);
    AppSettings.Ips = 7;
    EXPECT_TRUE(LoadSettings(IniPath()).message.isEmpty());
    EXPECT_EQ(AppSettings.Ips, 100);
    EXPECT_FALSE(Save(IniPath()));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(QFileInfo(IniPath()).isFile());
#else
    GTEST_SKIP() << "no named pipes here";
#endif
}

TEST_F(SettingsShapes, AFolderIsNeitherReadNorReplaced)
{
    ASSERT_TRUE(QDir(dir.Path()).mkdir("Kinea.ini"));
    LoadSettings(IniPath());
    EXPECT_FALSE(Save(IniPath()));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());
}

#ifdef Q_OS_LINUX
// The peak resident memory since the last reset, in bytes (-1 if unknown).
qint64 PeakResident()
{
    const QList<QByteArray> lines = ReadFile("/proc/self/status").split('\n');
    for (const QByteArray& line : lines)
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong() * 1024;
    return -1;
}

bool ResetPeakResident()
{
    QFile refs("/proc/self/clear_refs");
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}
#endif

struct Shape
{
    const char* name;
    QByteArray line; // repeated to fill the file; "%" takes a counter
};

class SettingsMemory : public SettingsTest, public testing::WithParamInterface<Shape>
{ };

// A file filled with one shape of line, loaded and saved: what the program
// holds stays a few times the file's size.
TEST_P(SettingsMemory, LoadingAndSavingCostAFewTimesTheFileSize)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer keeps freed memory aside: resident sizes mean nothing here";
#endif
#ifdef Q_OS_LINUX
    constexpr qint64 size = 8 * 1024 * 1024;
    QByteArray bytes = "[General]\r\nIps=50\r\n";
    bytes.reserve(size + 64);
    const QByteArray& line = GetParam().line;
    const qsizetype counter = line.indexOf('%');
    for (int n = 0; bytes.size() < size; ++n)
        bytes += counter < 0 ? line : line.left(counter) + QByteArray::number(n, 36) + line.mid(counter + 1);
    WriteIni(bytes);
    bytes = QByteArray();
    if (!ResetPeakResident())
        GTEST_SKIP() << "the peak resident memory cannot be reset here";
    const qint64 before = PeakResident();
    LoadSettings(IniPath());
    EXPECT_EQ(AppSettings.Ips, 50);
    ASSERT_TRUE(Save(IniPath()));
    const qint64 grown = PeakResident() - before;
    std::printf("%s: %.1f MB more at the peak for a %.0f MB file\n", GetParam().name, grown / 1048576.0,
                size / 1048576.0);
    EXPECT_LT(grown, 4 * size);
#else
    GTEST_SKIP() << "the peak resident memory is read from /proc";
#endif
}

INSTANTIATE_TEST_SUITE_P(Rows, SettingsMemory,
                         testing::Values(Shape{"blank_lf_lines", "\n"}, Shape{"blank_crlf_lines", "\r\n"},
                                         Shape{"distinct_keys", "k%=\n"}, Shape{"distinct_sections", "[s%]\n"},
                                         Shape{"repeated_section", "[a]\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
