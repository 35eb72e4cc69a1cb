// Saving to a file the user chooses: the proposed name, the bytes written,
// the extension added, and the French message of a failed write.
#include "platform/savefile.h"
#include "testhelpers.h"

#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Answers the save dialog with `answer` and records what it was asked and
// what the user was told; the program's own dialog and box come back after.
class SaveSeams : public testing::Test
{
protected:
    void SetUp() override
    {
        SetSavePathChooser([this](QWidget*, const SaveRequest& request) {
            asked = request;
            return answer;
        });
        SetSaveFailureReporter(
            [this](QWidget*, const QString& title, const QString& message) { reported = title + u'|' + message; });
    }
    void TearDown() override
    {
        SetSavePathChooser({});
        SetSaveFailureReporter({});
    }

    testing_support::TempDir dir;
    QString answer;
    SaveRequest asked;
    QString reported;
};

TEST_F(SaveSeams, CsvIsWrittenAsGivenUnderTheProposedNameAndExtension)
{
    const QByteArray csv("\xEF\xBB\xBFt;y\r\ns;cm\r\n0,000;0,0000\r\n");
    answer = dir.File(QStringLiteral("mesures"));
    EXPECT_EQ(SaveCsvAs(nullptr, csv, QStringLiteral("chute_libre_120cm")), SaveResult::Saved);
    EXPECT_EQ(QFileInfo(asked.proposedPath).fileName(), QStringLiteral("chute_libre_120cm.csv"));
    EXPECT_EQ(testing_support::ReadFile(dir.File(QStringLiteral("mesures.csv"))), csv);
    EXPECT_TRUE(reported.isEmpty());
    // The next save opens in the folder of this one.
    SaveCsvAs(nullptr, csv, QStringLiteral("roue"));
    EXPECT_EQ(asked.proposedPath, dir.File(QStringLiteral("roue.csv")));
}

TEST_F(SaveSeams, AFailedWriteSaysSoInFrenchAndLeavesNoFile)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    answer = dir.File(QStringLiteral("absent/image.png"));
    EXPECT_EQ(SavePictureAs(nullptr, picture, QStringLiteral("disque")), SaveResult::Failed);
    EXPECT_TRUE(reported.startsWith(QStringLiteral("Enregistrer l'image|Le fichier « ")));
    EXPECT_TRUE(reported.contains(QStringLiteral("image.png » n'a pas pu être enregistré.")));
    EXPECT_FALSE(QFileInfo::exists(answer));
}

} // namespace
