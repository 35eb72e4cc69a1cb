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

void WorksheetPaper::line(QPointF fromMm, QPointF toMm, double widthMm, const QColor& color) const
{
    m_painter.setPen(QPen(color, px(widthMm), Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(px(fromMm), px(toMm));
}

void WorksheetPaper::cross(QPointF atMm, double armMm, double widthMm, const QColor& color) const
{
    line(atMm - QPointF(armMm, 0), atMm + QPointF(armMm, 0), widthMm, color);
    line(atMm - QPointF(0, armMm), atMm + QPointF(0, armMm), widthMm, color);
}

void WorksheetPaper::text(QPointF anchorMm, Qt::Alignment alignment, const QString& text, const QFont& font) const
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
    m_painter.drawText(QRectF(px(QPointF(left, top)), QSizeF(px(kTextBoxMm), px(kTextBoxMm))),
                       int(alignment) | Qt::TextSingleLine, text);
}

QSizeF WorksheetPaper::textSizeMm(const QString& text, const QFont& font) const
{
    const QFontMetricsF metrics(font, m_painter.device());
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / m_dotsPerMm;
}

double WorksheetPaper::lineHeightMm(const QFont& font) const
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
