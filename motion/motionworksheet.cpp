#include "motion/motionworksheet.h"

#include "motion/model/motions.h"
#include "motion/worksheetparts.h"
#include "platform/printdialog.h"

#include <QCheckBox>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kTitlePt = 14;
constexpr double kTextPt = 10;
constexpr double kGapMm = 6;
// The last choice of the dialog's tab, for the next page of this run.
bool g_withTable = false;

struct Header
{
    double bottomMm;
    QRectF scaleBarMm;
};

// The film's name, its parameters, its pace and the scale with its bar.
Header DrawHeader(const WorksheetPaper& paper, const Worksheet& sheet, double metresPerCm)
{
    double y = 0;
    const QFont title = WorksheetFont(kTitlePt, true);
    const QFont text = WorksheetFont(kTextPt);
    paper.Text({0, y}, Qt::AlignLeft | Qt::AlignTop, sheet.title, title);
    y += paper.LineHeightMm(title) + 1;
    if (!sheet.parameters.isEmpty()) {
        paper.Text({0, y}, Qt::AlignLeft | Qt::AlignTop, sheet.parameters, text);
        y += paper.LineHeightMm(text);
    }
    // The first two marks give the time between marks (the last one, the
    // landing, may come sooner).
    const auto& rows = sheet.table.rows;
    const double between = rows.size() >= 2 && !rows[0].empty() && !rows[1].empty() ? rows[1][0] - rows[0][0] : 0;
    const QString pace = QStringLiteral("%1 images par seconde ; %2 s entre deux marques")
                             .arg(std::lround(1 / MotionFrameSeconds))
                             .arg(DecimalComma(between, 2));
    paper.Text({0, y}, Qt::AlignLeft | Qt::AlignTop, pace, text);
    y += paper.LineHeightMm(text) + 2;
    const QString scale = QStringLiteral("Échelle : ") + WorksheetScaleText(metresPerCm);
    paper.Text({0, y}, Qt::AlignLeft | Qt::AlignTop, scale, text);
    const QRectF bar = DrawWorksheetScaleBar(paper, {paper.TextSizeMm(scale, text).width() + 8, y + 1}, metresPerCm);
    return {std::max(y + paper.LineHeightMm(text), bar.bottom() + paper.LineHeightMm(WorksheetFont(8))) + kGapMm, bar};
}

// The room left for the figure, its axes' labels aside.
QRectF FigureRoom(QSizeF page, double top, double tableWidth, double tableHeight, bool fallRule)
{
    const double right = page.width() - WorksheetAxisRightMm - (tableWidth > 0 ? tableWidth + kGapMm : 0)
                         - (fallRule ? WorksheetRuleGapMm : 0);
    const double bottom = page.height() - WorksheetAxisBottomMm - (tableHeight > 0 ? tableHeight + kGapMm : 0);
    return QRectF(QPointF(WorksheetAxisLeftMm, top + WorksheetAxisTopMm), QPointF(right, bottom));
}

} // namespace

QColor WorksheetPointColor(int point)
{
    static const QColor colors[] = {Qt::black, QColor(0x80, 0x80, 0x80), QColor(0xC0, 0xC0, 0xC0)};
    return colors[std::clamp(point, 0, 2)];
}

std::vector<WorksheetPoint> NamedWorksheetPoints(int count)
{
    std::vector<WorksheetPoint> points;
    for (int p = 0; p < std::min(count, 3); ++p) {
        const QString name(QChar(u'A' + p));
        points.push_back({name, QStringLiteral("x") + name, QStringLiteral("y") + name, WorksheetPointColor(p)});
    }
    return points;
}

WorksheetLayout PaintWorksheet(QPainter& painter, const Worksheet& sheet, bool withTable)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const WorksheetPaper paper(painter);
    const QSizeF page(painter.device()->width() / paper.Px(1.0), painter.device()->height() / paper.Px(1.0));
    const std::vector<WorksheetTrack> tracks = WorksheetTracks(sheet);
    const WorldBox box = WorksheetBox(sheet, tracks);

    // The header states the scale, which depends on the room the header
    // leaves: its height, some 30 mm whatever the scale, is taken as this.
    const double headerGuess = 34;
    const bool beside = withTable && sheet.fallRule;
    WorksheetTableShape table;
    // Beside the free fall's tall rule, in as few blocks as the height
    // takes; under the other films, as low as the width lets it be.
    if (withTable)
        table = beside ? ShapeWorksheetTable(paper, sheet.table, QSizeF(page.width() / 2, page.height() - headerGuess))
                       : ShapeFlatWorksheetTable(paper, sheet.table, page.width());
    QRectF room = FigureRoom(page, headerGuess, beside ? table.SizeMm().width() : 0,
                             withTable && !beside ? table.SizeMm().height() : 0, sheet.fallRule);
    const double metresPerCm = PlaceWorksheetFigure(box, room).metresPerCm;
    const Header header = DrawHeader(paper, sheet, metresPerCm);
    room.moveTop(header.bottomMm + WorksheetAxisTopMm);
    const WorksheetGeometry figure = PlaceWorksheetFigure(box, room);
    DrawWorksheetFigure(paper, sheet, tracks, figure);

    WorksheetLayout layout{figure, header.scaleBarMm, {}};
    if (withTable) {
        const QPointF at
            = beside ? QPointF(page.width() - table.SizeMm().width(), header.bottomMm)
                     : QPointF(0, figure.topLeftMm.y() + figure.SizeMm().height() + WorksheetAxisBottomMm + kGapMm);
        DrawWorksheetTable(paper, sheet.table, table, at);
        layout.tableMm = QRectF(at, table.SizeMm());
    }
    return layout;
}

std::optional<WorksheetLayout> PrintWorksheetTo(QPrinter& printer, const Worksheet& sheet, bool withTable)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return std::nullopt;
    return PaintWorksheet(painter, sheet, withTable);
}

void PrintWorksheet(QWidget* parent, const Worksheet& sheet, const QString& docName)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareA4Printer(printer, docName);
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("FeuilleTab"));
    tab->setWindowTitle(QStringLiteral("Feuille d'exercice"));
    auto* check = new QCheckBox(QStringLiteral("Joindre le tableau des positions mesurées"), tab);
    check->setObjectName(QStringLiteral("TableauCheck"));
    check->setChecked(g_withTable);
    QObject::connect(check, &QCheckBox::toggled, [](bool on) { g_withTable = on; });
    auto* column = new QVBoxLayout(tab);
    column->addWidget(check);
    column->addStretch();
    if (!RunPrintDialog(parent, printer, {tab}))
        return;
    if (!PrintWorksheetTo(printer, sheet, g_withTable))
        ReportPrintFailure(parent);
}
