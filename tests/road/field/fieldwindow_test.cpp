// The visual-field window driven through its controls: speed and alcohol,
// the darkening at the driver's eye, the blur setting, copy and show.
#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "raster/tdibplus.h"
#include "road/field/fieldview.h"
#include "road/field/fieldwindow.h"
#include "support/testhelpers.h"
#include "window/hints.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

using testing_support::Child;

namespace {

TDibColor Shaded(TDibColor c)
{
    TDibColor result = 0;
    for (int shift : {0, 8, 16})
        result |= (((c >> shift) & 0xFF) * 70 / 256) << shift;
    return result;
}

// The first row of the views' three lines of text, and their spacing.
int LineHeight()
{
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas canvas(probe);
    canvas.font = ViewLinesFont();
    return canvas.TextHeight("|");
}
int FirstTextRow(const TChampF& w)
{
    return w.geometry().DisplayHeight() - (3 * LineHeight() + 4);
}

// Each test opens the smallest window: displays of 365 x 431, the eye at
// (206, 349).
class FieldWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        AppSettings = AppSettingsRecord{};
        Open(QSize(742, 523));
    }
    void TearDown() override { window->close(); }

    void Open(QSize size)
    {
        window = std::make_unique<TChampF>();
        window->resize(size);
        window->show();
    }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(window.get(), name), Qt::LeftButton); }
    void Spin(bool up, int times)
    {
        auto* s = Child<SpinButton>(window.get(), "SpeedSpin");
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(up ? s->UpButton() : s->DownButton(), Qt::LeftButton);
    }
    QString SpeedText() const { return Child<QLineEdit>(window.get(), "SpeedEd")->text(); }
    bool Enabled(const char* name) const { return Child<QWidget>(window.get(), name)->isEnabled(); }

    std::unique_ptr<TChampF> window;
};

TEST_F(FieldWindow, TheDesignSizeGivesWayToTheMinimum)
{
    window->close();
    Open(QSize(659, 504));
    EXPECT_EQ(window->size(), QSize(742, 523));
    EXPECT_EQ(window->geometry().DisplayWidth(), 365);
    EXPECT_EQ(window->geometry().DisplayHeight(), 431);
}

TEST_F(FieldWindow, OnlyTheArrowsSetTheSpeedFromNoughtTo120)
{
    QTest::keyClicks(Child<QLineEdit>(window.get(), "SpeedEd"), "90");
    EXPECT_EQ(SpeedText(), " 0");
    Spin(true, 12);
    EXPECT_EQ(SpeedText(), " 60");
    EXPECT_EQ(window->ShownFieldAngle(), 81);
    Spin(true, 13);
    EXPECT_EQ(SpeedText(), " 120");
    EXPECT_EQ(window->ShownFieldAngle(), 32);
    Spin(false, 25);
    EXPECT_EQ(SpeedText(), " 0");
    EXPECT_EQ(window->ShownFieldAngle(), 170);
}

TEST_F(FieldWindow, AlcoholGreysTheSpeedAndTheSpeedComesBack)
{
    Spin(true, 12);
    Click("AlcoolRadio");
    EXPECT_EQ(SpeedText(), " 0");
    EXPECT_EQ(window->ShownFieldAngle(), 30);
    for (const char* name : {"SpeedLab0", "SpeedSpin", "SpeedEd", "SpeedLab"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_TRUE(Enabled("AlcoolLab"));
    EXPECT_EQ(Child<QLabel>(window.get(), "AlcoolLab")->text(), "Conducteur fortement alcoolisé");

    Click("SpeedRadio");
    EXPECT_EQ(SpeedText(), " 60");
    EXPECT_EQ(window->ShownFieldAngle(), 81);
    EXPECT_TRUE(Enabled("SpeedSpin"));
    EXPECT_FALSE(Enabled("AlcoolLab"));
}

TEST_F(FieldWindow, AtRestTheRightViewDiffersOnlyInItsFirstLine)
{
    const QImage left = window->LeftViewPicture()->Image();
    const QImage right = window->RightViewPicture()->Image();
    const int first = FirstTextRow(*window);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            if (left.pixel(x, y) != right.pixel(x, y)) {
                ASSERT_TRUE(y >= first && y < first + LineHeight()) << x << ", " << y;
                ++differing;
            }
    EXPECT_GT(differing, 0);
}

TEST_F(FieldWindow, DarkensOutsideTheFieldFromTheDriversEye)
{
    Spin(true, 24); // 32 degrees: 6 columns either side of column 206, 20 rows up
    const TDibPlus& scene = *window->ScenePicture();
    const struct
    {
        const char* name;
        int x;
        int y;
        bool dark;
    } probes[] = {
        {"left edge of the field", 200, 329, true},
        {"just inside on the left", 201, 329, false},
        {"just inside on the right", 211, 329, false},
        {"right edge of the field", 212, 329, true},
        {"the eye itself", 206, 349, true},
        {"the field still closed a row up", 206, 348, true},
        {"two rows up", 206, 347, false},
        {"behind the driver", 206, 350, true},
        {"top row, outside the field", 0, 0, false},
        {"second row, outside the field", 0, 1, true},
    };
    for (const auto& p : probes) {
        const TDibColor under = scene.GetPixel(p.x, p.y);
        EXPECT_EQ(window->RightViewPicture()->GetPixel(p.x, p.y), p.dark ? Shaded(under) : under) << p.name;
    }
}

TEST_F(FieldWindow, TheEyeIsTheRedCarsDriver)
{
    // Dark brown hair at the eye, red bodywork 0.45 m to its left.
    const TDibColor hair = window->ScenePicture()->GetPixel(206, 349);
    const int r = int(hair >> 16), g = int(hair >> 8 & 0xFF), b = int(hair & 0xFF);
    EXPECT_TRUE(r < 0x80 && r > g && g > b) << std::hex << hair;
    const TDibColor body = window->ScenePicture()->GetPixel(198, 349);
    EXPECT_TRUE(body >> 16 > 0xB0 && (body >> 8 & 0xFF) < 0x40 && (body & 0xFF) < 0x40) << std::hex << body;
}

TEST_F(FieldWindow, BlurFollowsTheSettingAtOnceAndNeverTheLeftView)
{
    const QImage leftBefore = window->LeftViewPicture()->Image().copy();
    AppSettings.FlouFlag = false;
    Click("AlcoolRadio");
    // Sharp, the right view shows inside the drunk field what the left one does.
    const auto differingInField = [this] {
        const int eyeY = window->geometry().EyeY();
        const std::vector<FieldSpan> field = ComputeField(window->geometry(), 30);
        int differing = 0;
        for (int j = 1; eyeY - j > 0; ++j)
            for (int x = field[j].left + 1; x < field[j].right; ++x)
                differing += window->LeftViewPicture()->GetPixel(x, eyeY - j)
                             != window->RightViewPicture()->GetPixel(x, eyeY - j);
        return differing;
    };
    EXPECT_EQ(differingInField(), 0);
    AppSettings.FlouFlag = true;
    Click("OptionsBout"); // no dialog in the tests: it returns at once
    EXPECT_GT(differingInField(), 1000);
    EXPECT_EQ(window->LeftViewPicture()->Image(), leftBefore);
}

TEST_F(FieldWindow, CopyPutsBothViewsSideBySide)
{
    Click("CopyBout");
    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(copied.size(), QSize(730, 431));
    EXPECT_EQ(copied.copy(0, 0, 365, 431), window->LeftViewPicture()->Image().convertToFormat(QImage::Format_RGB888));
    EXPECT_EQ(copied.copy(365, 0, 365, 431),
              window->RightViewPicture()->Image().convertToFormat(QImage::Format_RGB888));
}

TEST_F(FieldWindow, ARestoredWindowKeepsItsSpeedAndAReopenedOneStartsAfresh)
{
    Spin(true, 12);
    QShowEvent restored;
    QApplication::sendEvent(window.get(), &restored);
    EXPECT_EQ(window->ShownVehicleSpeed(), 60);
    Click("AlcoolRadio");
    window->close();
    EXPECT_EQ(window->RightViewPicture(), nullptr);
    AppSettings.ChampAllowFlag = false;
    AppSettings.HintFlag = false;
    window->show();
    EXPECT_EQ(SpeedText(), " 0");
    EXPECT_TRUE(Child<QRadioButton>(window.get(), "SpeedRadio")->isChecked());
    EXPECT_FALSE(Enabled("OptionsBout"));
    EXPECT_FALSE(WindowHintsShown(window.get()));
}

TEST_F(FieldWindow, ThreeLinesOfWhiteTextAtTheBottomLeft)
{
    // Everything below the eye is darkened: only the text is white there.
    const QImage view = window->LeftViewPicture()->Image();
    QRect ink;
    for (int y = window->geometry().EyeY() + 1; y < view.height(); ++y)
        for (int x = 0; x < 120; ++x)
            if (qGray(view.pixel(x, y)) > 0xE0)
                ink |= QRect(x, y, 1, 1);
    EXPECT_TRUE(ink.left() >= 4 && ink.left() <= 6) << ink.left();
    EXPECT_GE(ink.top(), FirstTextRow(*window));
    EXPECT_LE(ink.bottom(), view.height() - 4);
    EXPECT_GT(ink.height(), 2 * LineHeight());
}

} // namespace
