#include "window/pictureprint.h"

#include "platform/printdialog.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double kTitlePt = 14;

} // namespace

QRectF PaintPicturePage(QPainter& painter, const QImage& picture, const QString& title)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kTitlePt);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QSizeF page(painter.device()->width(), painter.device()->height());
    painter.drawText(QRectF(QPointF(0, 0), QSizeF(page.width(), metrics.height())), Qt::AlignLeft | Qt::AlignTop,
                     title);
    const double top = 2 * metrics.height();
    if (picture.isNull())
        return {};
    // The page's width, unless the picture is so tall that its height rules.
    const QSizeF fitted = QSizeF(picture.size()).scaled(QSizeF(page.width(), page.height() - top), Qt::KeepAspectRatio);
    const QRectF target(QPointF(0, top), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    return target;
}

void PrintPicture(QWidget* parent, const QImage& picture, const QString& title)
{
    if (picture.isNull())
        return;
    QPrinter printer(QPrinter::HighResolution);
    PrepareA4Printer(printer, title);
    if (!RunPrintDialog(parent, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportPrintFailure(parent);
        return;
    }
    PaintPicturePage(painter, picture, title);
}
