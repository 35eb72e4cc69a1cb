// A window's picture on paper: one A4 page in portrait, the window's title
// above the picture fitted to the page's width.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

// Draws the page on `painter`'s device; returns where the picture lies, in
// the device's pixels.
QRectF PaintPicturePage(QPainter& painter, const QImage& picture, const QString& title);
// "Imprimer...": the print dialog, then the page; a French message when the
// printer cannot start.
void PrintPicture(QWidget* parent, const QImage& picture, const QString& title);
