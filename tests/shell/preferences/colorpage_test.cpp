// The colour editor: choosing a colour target, the colour dialog preset
// with the current colour, the two palette buttons, and the colours the
// page edits with their palettes.
#include "preferencesfixture.h"

#include "controls/plaincontrols.h"
#include "shell/preferences/preferencescolorpage.h"

#include <QRadioButton>
#include <QTest>

namespace {

class ColorEditorTest : public PreferencesTest
{
protected:
    ColorEditorPage* Page() { return Control<ColorEditorPage>("Page3"); }
    QRadioButton* Radio(int target)
    {
        return Control<QRadioButton>(QStringLiteral("ColorRadio%1").arg(target).toLatin1().constData());
    }
    PaintBox* Swatch(int target)
    {
        return Control<PaintBox>(QStringLiteral("ColorBox%1").arg(target).toLatin1().constData());
    }
};

TEST_F(ColorEditorTest, ShowingChoosesTheFirstMarker)
{
    AppSettings.clTraceA = 0x00123456;
    Open(3);
    Radio(5)->click();
    dialog.close();
    Open(3);
    EXPECT_TRUE(Radio(0)->isChecked());
    EXPECT_EQ(Page()->Target(), 0);
    EXPECT_EQ(Page()->CurrentColor(), 0x00123456u);
}

// A paint box is opaque: corners left unpainted would show whatever the
// screen held there before.
TEST_F(ColorEditorTest, SwatchCornersTakeThePageColour)
{
    Open(3);
    for (int target = 0; target < kColorTargetCount; ++target) {
        const QImage swatch = Swatch(target)->grab().toImage();
        EXPECT_EQ(swatch.pixelColor(0, 0), Swatch(target)->palette().window().color()) << "swatch " << target;
    }
}

TEST_F(ColorEditorTest, EachRadioTargetsItsSetting)
{
    AppSettings.clFond = 0x000203;
    AppSettings.clCadre = 0x000809;
    Open(3);
    Radio(3)->click();
    EXPECT_EQ(Page()->Target(), 3);
    EXPECT_EQ(Page()->CurrentColor(), 0x000203u);
    Radio(7)->click();
    EXPECT_EQ(Page()->CurrentColor(), 0x000809u);
}

TEST_F(ColorEditorTest, ReleasingOnTheBackgroundSwatchEditsTheBackground)
{
    AppSettings.clFond = 0x00445566;
    Open(3);
    answer = 0x00112233;
    QTest::mouseClick(Swatch(3), Qt::LeftButton, {}, QPoint(8, 6));
    EXPECT_TRUE(Radio(3)->isChecked());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], 0x00445566u);
    EXPECT_EQ(AppSettings.clFond, 0x00112233u);
    EXPECT_EQ(Page()->CurrentColor(), 0x00112233u);
}

TEST_F(ColorEditorTest, ReleasingOutsideTheSwatchDoesNothing)
{
    Open(3);
    QTest::mousePress(Swatch(3), Qt::LeftButton, {}, QPoint(8, 6));
    QTest::mouseRelease(Swatch(3), Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(Radio(0)->isChecked());
}

TEST_F(ColorEditorTest, CancelledColourDialogLeavesTheSetting)
{
    Open(3);
    Radio(6)->click();
    AppSettings.clTexte = 0x00010101;
    Radio(7)->click();
    Radio(6)->click();
    answer.reset();
    Click("ChangerBout");
    EXPECT_EQ(asked.back(), 0x00010101u);
    EXPECT_EQ(AppSettings.clTexte, 0x00010101u);
}

TEST_F(ColorEditorTest, ChosenColourIsStoredAtOnceAndDrawn)
{
    Open(3);
    answer = 0x0000FF00; // green in the canvas layout
    Radio(3)->click();
    Click("ChangerBout");
    EXPECT_EQ(AppSettings.clFond, 0x0000FF00u);
    EXPECT_EQ(QColor(Page()->Preview().pixel(3, 40)), QColor(0, 255, 0));
}

TEST_F(ColorEditorTest, PrintPaletteThenDefaultsGivesBackExactlyTheDefaults)
{
    AppSettings.clFond = 0x00ABCDEF;
    Open(3);
    Radio(4)->click();
    Click("ImpressionBout");
    EXPECT_EQ(ReadColors(AppSettings), PrintColors());
    EXPECT_EQ(Page()->CurrentColor(), 0xFFFFFFu); // clObjet on paper
    Click("DefautBout");
    EXPECT_EQ(ReadColors(AppSettings), ReadColors(AppSettingsRecord{}));
    EXPECT_EQ(Page()->CurrentColor(), 0u);
    EXPECT_EQ(QColor(Page()->Preview().pixel(3, 40)), QColor(0x80, 0x80, 0x80));
}

TEST_F(ColorEditorTest, PreviewIsReleasedOnClosing)
{
    Open(3);
    EXPECT_EQ(Page()->Preview().size(), QSize(180, 100));
    dialog.close();
    EXPECT_TRUE(Page()->Preview().isNull());
}

// The settings a palette writes over other colours: background, traces
// A, B and C, object, outline, text and frame.
std::array<TColor, 8> WrittenColors(const ColorSet& palette)
{
    AppSettingsRecord s;
    WriteColors(s, ColorSet{1, 2, 3, 4, 5, 6, 7, 8});
    WriteColors(s, palette);
    return {s.clFond, s.clTraceA, s.clTraceB, s.clTraceC, s.clObjet, s.clContour, s.clTexte, s.clCadre};
}

TEST(ColorPalettes, DefaultsAreTheSettingsStoreDefaults)
{
    const std::array<TColor, 8> expected{0x808080, 0x0000FF, 0x00FF00, 0xFFFF00, 0, 0xC0C0C0, 0, 0xFFFFFF};
    EXPECT_EQ(WrittenColors(DefaultColors()), expected);
}

TEST(ColorPalettes, PrintPaletteIsForWhitePaper)
{
    const std::array<TColor, 8> expected{0xFFFFFF, 0, 0x808080, 0xC0C0C0, 0xFFFFFF, 0, 0, 0x808080};
    EXPECT_EQ(WrittenColors(PrintColors()), expected);
}

TEST(ColorTargets, TargetsFollowTheRadioOrderAndLeaveOtherSettingsAlone)
{
    AppSettingsRecord s;
    const ColorSet colors{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    WriteColors(s, colors);
    EXPECT_EQ(s.clTraceA, 0x11u);
    EXPECT_EQ(s.clTraceB, 0x22u);
    EXPECT_EQ(s.clTraceC, 0x33u);
    EXPECT_EQ(s.clFond, 0x44u);
    EXPECT_EQ(s.clObjet, 0x55u);
    EXPECT_EQ(s.clContour, 0x66u);
    EXPECT_EQ(s.clTexte, 0x77u);
    EXPECT_EQ(s.clCadre, 0x88u);
    EXPECT_EQ(s.clCurseur, AppSettingsRecord{}.clCurseur);
    EXPECT_EQ(s.clDigits, AppSettingsRecord{}.clDigits);
    EXPECT_EQ(ReadColors(s), colors);
    EXPECT_EQ(ColorSetting(s, 3), &s.clFond);
    EXPECT_EQ(ColorSetting(s, -1), nullptr);
    EXPECT_EQ(ColorSetting(s, 8), nullptr);
}

} // namespace
