// A film printed as a worksheet, read back from the PDF as a pupil with a
// ruler would: the scale bar is as long as it says, the marks lie at the
// stated scale, and the table holds the numbers Ctrl+Maj+C copies.
#include "motiontesting.h"

#include "modalcloser.h"
#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/model/measurements.h"
#include "motion/motionworksheet.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "pdfpages.h"
#include "platform/printdialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <cmath>
#include <functional>

namespace {

// Fine enough for a tenth of a millimetre; a page at 600 dpi is more than
// QImage reads by default.
constexpr int kDpi = 300;
constexpr double kDotsPerMm = kDpi / 25.4;
// The printable area starts this far from the page's corner.
constexpr double kMarginMm = 15;

using WorksheetPrint = MotionTest;

using testing_support::PrintToPdf;

// Ctrl+P in `window`, the dialog printing to a PDF file with the table or
// not: the text of the page.
QString PrintedWithCtrlP(QWidget* window, bool withTable)
{
    testing_support::TempDir dir;
    const QString pdf = dir.File(QStringLiteral("film.pdf"));
    PrintToPdf printing(pdf, withTable);
    QTest::keyClick(KeyTarget(window), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printing.runs, 1);
    return testing_support::PdfText(pdf);
}

std::optional<WorksheetLayout> PrintProjectile(const QString& pdf)
{
    Opened<TBalleF> w;
    QPrinter printer(QPrinter::HighResolution);
    PrepareA4Printer(printer, QStringLiteral("projectile"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return PrintWorksheetTo(printer, w->FilmWorksheet(), false);
}

double ToDots(double printableMm)
{
    return (kMarginMm + printableMm) * kDotsPerMm;
}

// The centre of the ink within `radiusMm` of `aroundMm` (printable area).
QPointF InkCentreMm(const QImage& page, QPointF aroundMm, double radiusMm)
{
    double sumX = 0, sumY = 0, count = 0;
    for (int y = int(ToDots(aroundMm.y() - radiusMm)); y <= int(ToDots(aroundMm.y() + radiusMm)); ++y)
        for (int x = int(ToDots(aroundMm.x() - radiusMm)); x <= int(ToDots(aroundMm.x() + radiusMm)); ++x) {
            const double ink = 255 - qGray(page.pixel(x, y));
            sumX += ink * (x + 0.5);
            sumY += ink * (y + 0.5);
            count += ink;
        }
    if (count == 0)
        return {};
    return QPointF(sumX / count / kDotsPerMm - kMarginMm, sumY / count / kDotsPerMm - kMarginMm);
}

// The rows of the table as the PDF's text holds them, tab-separated and
// sorted: after the row of names, the numbers with a decimal comma, taken
// `columns` at a time (blocks side by side share a line).
QStringList NumberRows(const QString& text, int columns)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+,\\d+$"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QStringList rows;
    bool inTable = false;
    for (const QString& line : text.split(u'\n')) {
        const QStringList cells = line.split(spaces, Qt::SkipEmptyParts);
        if (!inTable) {
            inTable = !cells.isEmpty() && cells.front() == QStringLiteral("t");
            continue;
        }
        QStringList numbers;
        for (const QString& cell : cells)
            if (number.match(cell).hasMatch())
                numbers << cell;
        for (int at = 0; at + columns <= numbers.size(); at += columns)
            rows << numbers.mid(at, columns).join(u'\t');
    }
    rows.sort();
    return rows;
}

TEST_F(WorksheetPrint, ScaleBarMeasuresItsStatedLengthOnThePage)
{
    testing_support::TempDir dir;
    const QString pdf = dir.File(QStringLiteral("projectile.pdf"));
    const auto layout = PrintProjectile(pdf);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(testing_support::PdfText(pdf).contains(QStringLiteral("1 cm sur la feuille représente 10 m")));
    const QImage page = testing_support::RenderPdfPage(pdf, kDpi);
    ASSERT_FALSE(page.isNull());
    // Along the bar's middle row, from 5 mm before it to 5 mm after it.
    const int row = int(ToDots(layout->scaleBarMm.center().y()));
    int first = -1, last = -1;
    for (int x = int(ToDots(layout->scaleBarMm.left() - 5)); x < int(ToDots(layout->scaleBarMm.right() + 5)); ++x)
        if (qGray(page.pixel(x, row)) < 128) {
            first = first < 0 ? x : first;
            last = x;
        }
    ASSERT_GE(first, 0);
    EXPECT_NEAR((last - first + 1) / kDotsPerMm, 50.0, 0.5);
}

TEST_F(WorksheetPrint, SuccessiveMarksLieAsFarApartAsTheScaleSays)
{
    testing_support::TempDir dir;
    const QString pdf = dir.File(QStringLiteral("projectile.pdf"));
    const auto layout = PrintProjectile(pdf);
    ASSERT_TRUE(layout);
    const QImage page = testing_support::RenderPdfPage(pdf, kDpi);
    ASSERT_FALSE(page.isNull());
    const MeasurementTable table = ProjectileMeasurements(30, 45);
    // The marks at 0.5 s and 0.75 s, clear of the axes and of each other.
    const auto& a = table.rows[2];
    const auto& b = table.rows[3];
    const QPointF atA = InkCentreMm(page, layout->figure.ToPaperMm(a[1], a[2]), 2.5);
    const QPointF atB = InkCentreMm(page, layout->figure.ToPaperMm(b[1], b[2]), 2.5);
    const double paperMm = std::hypot(atB.x() - atA.x(), atB.y() - atA.y());
    // 1 cm for 10 m: 6.5 m between them are 6.5 mm.
    EXPECT_NEAR(paperMm, std::hypot(b[1] - a[1], b[2] - a[2]), 0.1);
    EXPECT_NEAR(paperMm, 6.5, 0.1);
}

TEST_F(WorksheetPrint, TableHoldsTheNumbersCtrlShiftCCopies)
{
    Opened<TBalleF> w;
    const QString printed = PrintedWithCtrlP(w.Get(), true);
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QStringList copied = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GT(copied.size(), 3);
    copied = copied.mid(2); // the names and the units
    copied.sort();
    EXPECT_EQ(NumberRows(printed, 3), copied);
}

TEST_F(WorksheetPrint, TableIsLeftOutUnlessAsked)
{
    Opened<TBalleF> w;
    const QString text = PrintedWithCtrlP(w.Get(), false);
    EXPECT_TRUE(text.contains(QStringLiteral("Mouvement d'un projectile")));
    EXPECT_TRUE(NumberRows(text, 3).isEmpty());
}

struct FilmRow
{
    const char* name;
    std::function<QWidget*()> make;
    const char* scale;
    int tableColumns;
};

class WorksheetFilms : public MotionTest, public testing::WithParamInterface<FilmRow>
{ };

// Every film: Ctrl+P prints one page with its scale and its whole table.
TEST_P(WorksheetFilms, CtrlPPrintsTheFilmAtItsScaleWithItsTable)
{
    const FilmRow& row = GetParam();
    std::unique_ptr<QWidget> w(row.make());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    const QString text = PrintedWithCtrlP(w.get(), true);
    EXPECT_TRUE(text.contains(QStringLiteral("1 cm sur la feuille représente ") + row.scale)) << text.toStdString();
    const MeasurementTable table = static_cast<MotionWindow*>(w.get())->Measurements();
    EXPECT_EQ(NumberRows(text, row.tableColumns).size(), qsizetype(table.rows.size()));
    w->close();
}

INSTANTIATE_TEST_SUITE_P(Films, WorksheetFilms,
                         testing::Values(FilmRow{"Projectile", [] { return new TBalleF; }, "10 m", 3},
                                         // 1.2 m down a page: 10 cm for each centimetre.
                                         FilmRow{"FreeFall", [] { return new TChuteF; }, "10 cm", 2},
                                         FilmRow{"Wheel", [] { return new TRoueF; }, "50 cm", 7},
                                         // The disc, 30 cm across, at 2 cm for each centimetre.
                                         FilmRow{"Disc", [] { return new TDisqueF; }, "2 cm", 7}),
                         [](const testing::TestParamInfo<FilmRow>& info) { return std::string(info.param.name); });

TEST_F(WorksheetPrint, PrinterThatCannotStartIsReported)
{
    Opened<TBalleF> w;
    PrintToPdf printing(QStringLiteral("/nonexistent-folder/film.pdf"), false);
    ModalCloser closer;
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(closer.Answered(), 1);
    EXPECT_TRUE(closer.seen.front().startsWith(QStringLiteral("L'impression n'a pas pu commencer")));
}

} // namespace
