#include "motion/worksheetpaper.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr double kMmPerInch = 25.4;
// Wide enough for any line of the page: the text box is placed by its anchor.
constexpr double kTextBoxMm = 400;

} // namespace

WorksheetPaper::WorksheetPaper(QPainter& painter)
    : m_painter(painter),
      m_dotsPerMm(painter.device()->logicalDpiX() / kMmPerInch)
{ }

void WorksheetPaper::Line(QPointF fromMm, QPointF toMm, double widthMm, const QColor& color) const
{
    m_painter.setPen(QPen(color, Px(widthMm), Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(Px(fromMm), Px(toMm));
}

void WorksheetPaper::Cross(QPointF atMm, double armMm, double widthMm, const QColor& color) const
{
    Line(atMm - QPointF(armMm, 0), atMm + QPointF(armMm, 0), widthMm, color);
    Line(atMm - QPointF(0, armMm), atMm + QPointF(0, armMm), widthMm, color);
}

void WorksheetPaper::Text(QPointF anchorMm, Qt::Alignment alignment, const QString& text, const QFont& font) const
{
    double left = anchorMm.x();
    if (alignment & Qt::AlignRight)
        left -= kTextBoxMm;
    else if (alignment & Qt::AlignHCenter)
        left -= kTextBoxMm / 2;
    double top = anchorMm.y();
    if (alignment & Qt::AlignBottom)
        top -= kTextBoxMm;
    else if (alignment & Qt::AlignVCenter)
        top -= kTextBoxMm / 2;
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QRectF(Px(QPointF(left, top)), QSizeF(Px(kTextBoxMm), Px(kTextBoxMm))),
                       int(alignment) | Qt::TextSingleLine, text);
}

QSizeF WorksheetPaper::TextSizeMm(const QString& text, const QFont& font) const
{
    const QFontMetricsF metrics(font, m_painter.device());
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / m_dotsPerMm;
}

double WorksheetPaper::LineHeightMm(const QFont& font) const
{
    return QFontMetricsF(font, m_painter.device()).height() / m_dotsPerMm;
}

QFont WorksheetFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
