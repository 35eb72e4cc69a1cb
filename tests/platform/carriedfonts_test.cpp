// The fonts carried beside the program: loaded, and standing in for Arial
// where the system has none.
#include "platform/carriedfonts.h"
#include "testhelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <gtest/gtest.h>

namespace {

// Liberation Sans as the Windows build carries it, or as Debian installs it.
QString LiberationSansFile()
{
    for (const QString& folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"),
                                  QStringLiteral("/usr/share/fonts/truetype/liberation2")}) {
        const QString file = folder + QStringLiteral("/LiberationSans-Regular.ttf");
        if (QFile::exists(file))
            return file;
    }
    return {};
}

} // namespace

TEST(CarriedFonts, AFolderWithoutFontsChangesNothing)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir.File("notes.ttf"), "pas une police");
    const QStringList before = QFont::substitutes(QStringLiteral("Arial"));
    EXPECT_EQ(LoadCarriedFonts(dir.Path()), 0);
    EXPECT_EQ(LoadCarriedFonts(dir.File("absent")), 0);
    EXPECT_EQ(QFont::substitutes(QStringLiteral("Arial")), before);
}

TEST(CarriedFonts, LiberationSansLoadsAndStandsInForAMissingArial)
{
    const QString font = LiberationSansFile();
    if (font.isEmpty())
        GTEST_SKIP() << "Liberation Sans (fonts-liberation2) is not installed";
    testing_support::TempDir dir;
    ASSERT_TRUE(QFile::copy(font, dir.File("LiberationSans-Regular.ttf")));
    EXPECT_EQ(LoadCarriedFonts(dir.Path()), 1);
    EXPECT_TRUE(QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")));
    if (!QFontDatabase::hasFamily(QStringLiteral("Arial"))) {
        EXPECT_TRUE(QFont::substitutes(QStringLiteral("Arial"))
                        .contains(QStringLiteral("Liberation Sans"), Qt::CaseInsensitive));
    }
}
