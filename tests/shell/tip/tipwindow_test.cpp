// The tip of the day: its hints read from the text the program carries,
// numbering, stepping with wraps, closing, the start-up check box and its
// status picture.
#include "app/settings/appsettings.h"
#include "shell/tip/tipwindow.h"
#include "testhelpers.h"
#include "window/modulewindow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::Child;
using testing_support::RgbAt;

namespace {

class TipTest : public ::testing::Test
{
protected:
    void SetUp() override { AppSettings = AppSettingsRecord{}; }
    void TearDown() override { tip.close(); }

    QString Number() { return Child<QLabel>(&tip, "NumeroLab")->text(); }
    QString Text() { return Child<QLabel>(&tip, "TipLab")->text(); }
    void Click(const char* name) { QTest::mouseClick(Child<QPushButton>(&tip, name), Qt::LeftButton); }

    TTipF tip;
};

} // namespace

TEST_F(TipTest, DialogLayout)
{
    EXPECT_EQ(tip.objectName(), QStringLiteral("TipF"));
    EXPECT_EQ(tip.windowTitle(), QStringLiteral(" Astuce du jour"));
    EXPECT_EQ(tip.size(), QSize(328, 173));
    EXPECT_TRUE(tip.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Child<QWidget>(&tip, "tipBox")->geometry(), QRect(14, 8, 300, 107));
    EXPECT_EQ(Child<QLabel>(&tip, "TipLab")->geometry(), QRect(23, 35, 281, 70));
    EXPECT_EQ(Child<QLabel>(&tip, "NumeroLab")->pos(), QPoint(220, 19));
    EXPECT_EQ(Child<QCheckBox>(&tip, "TipCroix")->text(),
              QStringLiteral(" Toujours afficher cette boîte de dialogue au démarrage."));
    EXPECT_EQ(Child<QPushButton>(&tip, "QuitterBout")->text(), QStringLiteral("&Quitter"));
    EXPECT_EQ(Child<QPushButton>(&tip, "PrecedentBout")->text(), QStringLiteral("Astuce &précédente"));
    EXPECT_EQ(Child<QPushButton>(&tip, "SuivantBout")->text(), QStringLiteral("Astuce &suivante"));
}

TEST_F(TipTest, ShowsTheStoredHintNumbered)
{
    AppSettings.TipIndex = 2;
    tip.show();
    ASSERT_EQ(tip.TipList().size(), 17);
    EXPECT_EQ(Number(), QStringLiteral("Astuce n° 3 sur 17"));
    EXPECT_EQ(Text(), tip.TipList()[2]);
}

TEST_F(TipTest, LastHintThenCloseWrapsToTheFirst)
{
    AppSettings.TipIndex = 16;
    tip.show();
    EXPECT_EQ(Number(), QStringLiteral("Astuce n° 17 sur 17"));
    Click("QuitterBout");
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(AppSettings.TipIndex, 0);
    EXPECT_TRUE(tip.TipList().isEmpty());
}

TEST_F(TipTest, PreviousFromTheFirstShowsTheLast)
{
    AppSettings.TipIndex = 0;
    tip.show();
    Click("PrecedentBout");
    EXPECT_EQ(Number(), QStringLiteral("Astuce n° 17 sur 17"));
    EXPECT_EQ(AppSettings.TipIndex, 16);
}

TEST_F(TipTest, NextStepsAndWraps)
{
    AppSettings.TipIndex = 15;
    tip.show();
    Click("SuivantBout");
    EXPECT_EQ(Number(), QStringLiteral("Astuce n° 17 sur 17"));
    Click("SuivantBout");
    EXPECT_EQ(Number(), QStringLiteral("Astuce n° 1 sur 17"));
    EXPECT_EQ(Text(), tip.TipList()[0]);
}

TEST_F(TipTest, ClosingByEscapeAlsoMovesOn)
{
    AppSettings.TipIndex = 4;
    tip.show();
    QTest::keyClick(&tip, Qt::Key_Escape);
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(AppSettings.TipIndex, 5);
}

TEST_F(TipTest, StoredIndexOutsideTheListIsBroughtIn)
{
    const struct
    {
        int stored;
        const char* shown;
    } cases[] = {{17, "Astuce n° 1 sur 17"},
                 {-1, "Astuce n° 17 sur 17"},
                 {2147483647, "Astuce n° 9 sur 17"},
                 {-2147483647 - 1, "Astuce n° 9 sur 17"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        AppSettings.TipIndex = c.stored;
        tip.show();
        EXPECT_EQ(Number(), QString::fromUtf8(c.shown));
        tip.close();
    }
}

TEST_F(TipTest, UncheckingTurnsTheStartUpTipOff)
{
    AppSettings.TipFlag = true;
    tip.show();
    auto* croix = Child<QCheckBox>(&tip, "TipCroix");
    EXPECT_TRUE(croix->isChecked());
    croix->click();
    EXPECT_TRUE(AppSettings.TipFlag); // kept until the dialog closes
    tip.close();
    EXPECT_FALSE(AppSettings.TipFlag);

    tip.show();
    EXPECT_FALSE(croix->isChecked());
    croix->click();
    tip.close();
    EXPECT_TRUE(AppSettings.TipFlag);
}

TEST_F(TipTest, StatusPictureFollowsTheCheckBox)
{
    AppSettings.TipFlag = true;
    tip.show();
    const QImage checked = tip.TipBoxPicture();
    ASSERT_EQ(checked.size(), QSize(300, 107));
    EXPECT_EQ(RgbAt(checked, 0, 0), 0x808080u);
    EXPECT_EQ(RgbAt(checked, 150, 100), 0xF5FFF5u);
    // The key colour of the status pictures has become the box's pale green.
    EXPECT_EQ(RgbAt(checked, 4, 4), 0xF5FFF5u);
    Child<QCheckBox>(&tip, "TipCroix")->click();
    const QImage unchecked = tip.TipBoxPicture();
    EXPECT_NE(checked.copy(4, 4, 19, 17), unchecked.copy(4, 4, 19, 17));
    EXPECT_EQ(checked.copy(30, 30, 200, 60), unchecked.copy(30, 30, 200, 60));
}

TEST_F(TipTest, HintLabelsStandOnPaleGreen)
{
    for (const char* name : {"TipLab", "NumeroLab"}) {
        auto* label = Child<QLabel>(&tip, name);
        EXPECT_TRUE(label->autoFillBackground()) << name;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0xF5, 0xFF, 0xF5)) << name;
    }
    EXPECT_EQ(Child<QLabel>(&tip, "NumeroLab")->font().pixelSize(), 9);
}

TEST(TipText, LinesEndWithCrLfAndStopAtFin)
{
    const QStringList tips = ParseTipLines("Un\r\nDeux\r\nFIN\r\nJamais lu\r\n");
    EXPECT_EQ(tips, QStringList({"Un", "Deux"}));
}

TEST(TipText, FinMustStandAlone)
{
    const QStringList tips = ParseTipLines("FINI\r\nFIN de phrase\r\nFIN\r\n");
    EXPECT_EQ(tips, QStringList({"FINI", "FIN de phrase"}));
}

TEST(TipText, TextWithoutFinEndsAtItsLastByte)
{
    EXPECT_EQ(ParseTipLines("Seule astuce"), QStringList({"Seule astuce"}));
    EXPECT_TRUE(ParseTipLines("").isEmpty());
}

TEST(TipText, DecodedFromWindows1252)
{
    const QStringList tips = ParseTipLines(QByteArray("Pr\xE9"
                                                      "f\xE9rences \x9C\r\nFIN\r\n"));
    ASSERT_EQ(tips.size(), 1);
    EXPECT_EQ(tips[0], QStringLiteral("Préférences œ"));
}

TEST(TipText, ProgramCarriesSeventeenHintsThatFitTheirLabel)
{
    const QStringList tips = LoadTipList();
    ASSERT_EQ(tips.size(), 17);
    const QFontMetrics metrics(DesignFont());
    for (int i = 0; i < tips.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_FALSE(tips[i].trimmed().isEmpty());
        // TipLab is 281 x 70 and wraps words.
        const QRect needed = metrics.boundingRect(QRect(0, 0, 281, 1000), Qt::TextWordWrap, tips[i]);
        EXPECT_LE(needed.height(), 70);
    }
}

TEST(TipText, NumberingCountsFromOne)
{
    EXPECT_EQ(TipNumberText(2, 17), QStringLiteral("Astuce n° 3 sur 17"));
    EXPECT_EQ(TipNumberText(16, 17), QStringLiteral("Astuce n° 17 sur 17"));
}
