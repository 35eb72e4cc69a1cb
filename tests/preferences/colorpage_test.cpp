// The colour editor: choosing a colour target, the colour dialog preset
// with the current colour, and the two palette buttons.
#include "preferencesfixture.h"

#include "controls/plaincontrols.h"
#include "shell/preferencescolorpage.h"

#include <QRadioButton>
#include <QTest>

namespace {

class ColorEditorTest : public PreferencesTest
{
protected:
    ColorEditorPage* page() { return control<ColorEditorPage>("Page3"); }
    QRadioButton* radio(int target)
    {
        return control<QRadioButton>(QStringLiteral("ColorRadio%1").arg(target).toLatin1().constData());
    }
    PaintBox* swatch(int target)
    {
        return control<PaintBox>(QStringLiteral("ColorBox%1").arg(target).toLatin1().constData());
    }
};

TEST_F(ColorEditorTest, ShowingChoosesTheFirstMarker)
{
    open(3);
    radio(5)->click();
    dialog.close();
    open(3);
    EXPECT_TRUE(radio(0)->isChecked());
    EXPECT_EQ(page()->Target(), 0);
    EXPECT_EQ(page()->CurrentColor(), AppSettings.clTraceA);
}

TEST_F(ColorEditorTest, EachRadioTargetsItsSetting)
{
    AppSettings.clFond = 0x000203;
    AppSettings.clCadre = 0x000809;
    open(3);
    radio(3)->click();
    EXPECT_EQ(page()->Target(), 3);
    EXPECT_EQ(page()->CurrentColor(), 0x000203u);
    radio(7)->click();
    EXPECT_EQ(page()->CurrentColor(), 0x000809u);
}

TEST_F(ColorEditorTest, ReleasingOnTheBackgroundSwatchEditsTheBackground)
{
    AppSettings.clFond = 0x00445566;
    open(3);
    answer = 0x00112233;
    QTest::mouseClick(swatch(3), Qt::LeftButton, {}, QPoint(8, 6));
    EXPECT_TRUE(radio(3)->isChecked());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], 0x00445566u);
    EXPECT_EQ(AppSettings.clFond, 0x00112233u);
    EXPECT_EQ(page()->CurrentColor(), 0x00112233u);
}

TEST_F(ColorEditorTest, ReleasingOutsideTheSwatchDoesNothing)
{
    open(3);
    QTest::mousePress(swatch(3), Qt::LeftButton, {}, QPoint(8, 6));
    QTest::mouseRelease(swatch(3), Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(radio(0)->isChecked());
}

TEST_F(ColorEditorTest, CancelledColourDialogLeavesTheSetting)
{
    open(3);
    radio(6)->click();
    AppSettings.clTexte = 0x00010101;
    radio(7)->click();
    radio(6)->click();
    answer.reset();
    click("ChangerBout");
    EXPECT_EQ(asked.back(), 0x00010101u);
    EXPECT_EQ(AppSettings.clTexte, 0x00010101u);
}

TEST_F(ColorEditorTest, ChosenColourIsStoredAtOnceAndDrawn)
{
    open(3);
    answer = 0x0000FF00; // green in the canvas layout
    radio(3)->click();
    click("ChangerBout");
    EXPECT_EQ(AppSettings.clFond, 0x0000FF00u);
    EXPECT_EQ(QColor(page()->Preview().pixel(3, 40)), QColor(0, 255, 0));
}

TEST_F(ColorEditorTest, PrintPaletteThenDefaultsGivesBackExactlyTheDefaults)
{
    AppSettings.clFond = 0x00ABCDEF;
    open(3);
    radio(4)->click();
    click("ImpressionBout");
    EXPECT_EQ(ReadColors(AppSettings), PrintColors());
    EXPECT_EQ(page()->CurrentColor(), 0xFFFFFFu); // clObjet on paper
    click("DefautBout");
    EXPECT_EQ(ReadColors(AppSettings), ReadColors(AppSettingsRecord{}));
    EXPECT_EQ(page()->CurrentColor(), 0u);
    EXPECT_EQ(QColor(page()->Preview().pixel(3, 40)), QColor(0x80, 0x80, 0x80));
}

TEST_F(ColorEditorTest, PreviewIsReleasedOnClosing)
{
    open(3);
    EXPECT_EQ(page()->Preview().size(), QSize(180, 100));
    dialog.close();
    EXPECT_TRUE(page()->Preview().isNull());
}

} // namespace
