#include "motion/model/worksheetscale.h"

#include <array>
#include <cmath>

namespace {

// 1 cm of paper for 1 cm, 2 cm, 5 cm, ... 10 m of the world.
constexpr std::array<double, 10> kMetresPerCm{0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10};
// Rounding of the table's values may put a mark a hair outside a room it
// exactly fills.
constexpr double kSlackCm = 1e-9;

} // namespace

double WorksheetMetresPerCm(const WorldBox& box, double roomWidthCm, double roomHeightCm)
{
    for (double metresPerCm : kMetresPerCm)
        if (box.Width() / metresPerCm <= roomWidthCm + kSlackCm
            && box.Height() / metresPerCm <= roomHeightCm + kSlackCm)
            return metresPerCm;
    return kMetresPerCm.back();
}

QString WorksheetLengthText(double metres)
{
    // Whole numbers of the unit a ruler and a tape measure read.
    if (metres >= 1 - 1e-9)
        return QStringLiteral("%1 m").arg(std::lround(metres));
    return QStringLiteral("%1 cm").arg(std::lround(metres * 100));
}

QString WorksheetScaleText(double metresPerCm)
{
    const QString text = QStringLiteral("1 cm sur la feuille représente %1").arg(WorksheetLengthText(metresPerCm));
    if (std::abs(metresPerCm - 0.01) < 1e-12)
        return text + QStringLiteral(" (échelle 1 : 1)");
    return text;
}

QPointF WorksheetGeometry::ToPaperMm(double xMetres, double yMetres) const
{
    return topLeftMm + QPointF((xMetres - box.left) * MmPerMetre(), (box.top - yMetres) * MmPerMetre());
}

QSizeF WorksheetGeometry::SizeMm() const
{
    return QSizeF(box.Width() * MmPerMetre(), box.Height() * MmPerMetre());
}

WorksheetGeometry PlaceWorksheetFigure(const WorldBox& box, const QRectF& roomMm)
{
    WorksheetGeometry geometry;
    geometry.box = box;
    geometry.metresPerCm = WorksheetMetresPerCm(box, roomMm.width() / 10, roomMm.height() / 10);
    const double widthMm = geometry.SizeMm().width();
    geometry.topLeftMm = QPointF(roomMm.left() + (roomMm.width() - widthMm) / 2, roomMm.top());
    return geometry;
}
