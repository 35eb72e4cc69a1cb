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

    QPainter& Painter() const { return m_painter; }
    // Device pixels for millimetres.
    double Px(double mm) const { return mm * m_dotsPerMm; }
    QPointF Px(QPointF mm) const { return mm * m_dotsPerMm; }

    void Line(QPointF fromMm, QPointF toMm, double widthMm, const QColor& color = Qt::black) const;
    // A "+" of arms `armMm` long each side of `atMm`.
    void Cross(QPointF atMm, double armMm, double widthMm, const QColor& color) const;
    // `text` placed so that its box has `alignment` at `anchorMm` (AlignLeft
    // puts its left edge there, AlignRight its right edge, ...).
    void Text(QPointF anchorMm, Qt::Alignment alignment, const QString& text, const QFont& font) const;
    QSizeF TextSizeMm(const QString& text, const QFont& font) const;
    double LineHeightMm(const QFont& font) const;

private:
    QPainter& m_painter;
    double m_dotsPerMm;
};

// Arial (Liberation Sans) at `points`.
QFont WorksheetFont(double points, bool bold = false);
