// The copy button's menu of every window: the picture saved at the
// screen's size or twice it, each carrying its resolution, and printed
// fitted to the page's width.
#include "pdfpages.h"
#include "platform/savefile.h"
#include "testfiles.h"
#include "window/picturemenu.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A window with a copy button whose picture is 40 x 30 of `color`.
class PictureWindow
{
public:
    PictureWindow()
    {
        window.setWindowTitle(QStringLiteral("Freinage"));
        button = new QToolButton(&window);
        button->setObjectName(QStringLiteral("CopierBout"));
        picture.fill(Qt::black);
        AddPictureMenu(button, {[this] { return picture; }, [] { return QStringLiteral("freinage"); }});
    }
    void Trigger(const char* action) { button->menu()->findChild<QAction*>(QString::fromLatin1(action))->trigger(); }

    QWidget window;
    QToolButton* button;
    QImage picture{40, 30, QImage::Format_RGB32};
};

// Saves into `dir`, remembering the proposed name.
class SaveInto
{
public:
    explicit SaveInto(const testing_support::TempDir& dir)
    {
        SetSavePathChooser([this, &dir](QWidget*, const SaveRequest& request) {
            proposed = QFileInfo(request.proposedPath).fileName();
            return dir.File(proposed);
        });
    }
    ~SaveInto() { SetSavePathChooser({}); }
    QString proposed;
};

int ScreenDotsPerMetre(int factor)
{
    return int(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInch() * factor / 0.0254));
}

struct SizeRow
{
    const char* name;
    const char* action;
    const char* file;
    int factor;
};

class PictureSaveSizes : public testing::TestWithParam<SizeRow>
{ };

TEST_P(PictureSaveSizes, SavesThePictureAtItsSizeWithItsResolution)
{
    const SizeRow& row = GetParam();
    PictureWindow w;
    testing_support::TempDir dir;
    SaveInto saving(dir);
    w.Trigger(row.action);
    EXPECT_EQ(saving.proposed, QString::fromLatin1(row.file));
    const QImage saved(dir.File(saving.proposed));
    EXPECT_EQ(saved.size(), QSize(40, 30) * row.factor);
    // Twice the pixels at twice the resolution: both print at one size.
    EXPECT_EQ(saved.dotsPerMeterX(), ScreenDotsPerMetre(row.factor));
    EXPECT_EQ(saved.dotsPerMeterY(), ScreenDotsPerMetre(row.factor));
}

INSTANTIATE_TEST_SUITE_P(Menu, PictureSaveSizes,
                         testing::Values(SizeRow{"ScreenSize", "EnregistrerImageMenu", "freinage.png", 1},
                                         SizeRow{"TwiceTheSize", "EnregistrerImageDoubleMenu", "freinage_double.png",
                                                 2}),
                         [](const testing::TestParamInfo<SizeRow>& info) { return std::string(info.param.name); });

TEST(PicturePrint, PrintsThePictureAcrossThePageWidth)
{
    PictureWindow w;
    testing_support::TempDir dir;
    const QString pdf = dir.File(QStringLiteral("freinage.pdf"));
    {
        const testing_support::PrintToPdf printing(pdf);
        w.Trigger("ImprimerMenu");
    }
    constexpr int dpi = 150;
    const QImage page = testing_support::RenderPdfPage(pdf, dpi);
    ASSERT_FALSE(page.isNull());
    // A4 at 150 dpi; the picture's black spans the 180 mm between margins.
    EXPECT_NEAR(page.width(), 210 / 25.4 * dpi, 1);
    const int row = int(100 / 25.4 * dpi);
    int first = -1, last = -1;
    for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, row)) < 128) {
            first = first < 0 ? x : first;
            last = x;
        }
    ASSERT_GE(first, 0);
    EXPECT_NEAR((last - first + 1) * 25.4 / dpi, 180, 0.5);
    EXPECT_NEAR(first * 25.4 / dpi, 15, 0.5);
    EXPECT_TRUE(testing_support::PdfText(pdf).contains(QStringLiteral("Freinage")));
}

TEST(PicturePrint, GivingUpInTheDialogPrintsNothing)
{
    PictureWindow w;
    testing_support::TempDir dir;
    const QString pdf = dir.File(QStringLiteral("freinage.pdf"));
    {
        const testing_support::PrintToPdf givingUp(pdf, false, false);
        w.Trigger("ImprimerMenu");
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

} // namespace
