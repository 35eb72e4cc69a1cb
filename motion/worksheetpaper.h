// Drawing on paper in millimetres at the device's own resolution: lines,
// crosses and text placed by an anchor, for the printed worksheet.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;

class WorksheetPaper
{
public:
    explicit WorksheetPaper(QPainter& painter);

    QPainter& painter() const { return m_painter; }
    // Device pixels for millimetres.
    double px(double mm) const { return mm * m_dotsPerMm; }
    QPointF px(QPointF mm) const { return mm * m_dotsPerMm; }

    void line(QPointF fromMm, QPointF toMm, double widthMm, const QColor& color = Qt::black) const;
    // A "+" of arms `armMm` long each side of `atMm`.
    void cross(QPointF atMm, double armMm, double widthMm, const QColor& color) const;
    // `text` placed so that its box has `alignment` at `anchorMm` (AlignLeft
    // puts its left edge there, AlignRight its right edge, ...).
    void text(QPointF anchorMm, Qt::Alignment alignment, const QString& text, const QFont& font) const;
    QSizeF textSizeMm(const QString& text, const QFont& font) const;
    double lineHeightMm(const QFont& font) const;

private:
    QPainter& m_painter;
    double m_dotsPerMm;
};

// Arial (Liberation Sans) at `points`.
QFont WorksheetFont(double points, bool bold = false);
