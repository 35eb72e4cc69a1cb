// The roadside: 150 m of sky, road and scenery drawn once per layout as a
// strip, and the background of a zone copied from it.
#include "road/braking/brakingscene.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"
#include "platform/resources/vectorpicture.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr double kPeriodMetres = 150;
constexpr TColor kRoadTop = 0x583130;
constexpr TColor kRoadBottom = 0x000000;

struct SceneryObject
{
    const char* picture;
    double heightM;
    double positionM;
};

// Drawn in this order, later objects over earlier ones.
constexpr SceneryObject kObjects[] = {
    {"Hetre", 7, 5},        {"Chene", 4, 11},     {"Chene", 4, 31},        {"Chene", 8, 15},
    {"Chene", 7, 25},       {"Chene", 10, 20},    {"Hetre", 10, 35},       {"Hetre", 9.5, 39},
    {"Plante", 2.5, 45},    {"Plante", 3, 46.5},  {"Buisson", 1.2, 50},    {"Buisson", 1.5, 53},
    {"Peuplier", 12, 55},   {"Peuplier", 11, 60}, {"Peuplier", 10.5, 64},  {"Peuplier", 11.5, 68.5},
    {"Peuplier", 10, 74.5}, {"Peuplier", 11, 80}, {"Peuplier", 9, 84.5},   {"Buisson", 1.1, 88},
    {"Buisson", 1.4, 90},   {"Buisson", 1, 93},   {"Tessard", 3.5, 101.5}, {"Panneau", 2, 146},
    {"Hetre", 2, 37},       {"Hetre", 9, 110},    {"Hetre", 9, 120},       {"Hetre", 9, 130},
    {"Hetre", 9, 140},      {"Hetre", 13, 95},    {"Hetre", 12, 105},      {"Hetre", 11.5, 115},
    {"Hetre", 12.5, 125},   {"Hetre", 12, 135},   {"Hetre", 7, 97},        {"Hetre", 8, 108},
    {"Hetre", 7, 130},      {"Hetre", 8, 138},    {"Hetre", 6.5, 140},
};

// Each drawing parsed once for the program's life; null when the picture
// is missing or unreadable.
const VectorPicture* Drawing(const QString& name)
{
    static QHash<QString, std::shared_ptr<const VectorPicture>> drawings;
    auto found = drawings.constFind(name);
    if (found == drawings.constEnd()) {
        auto picture = std::make_shared<const VectorPicture>(LoadNamedResource(name));
        found = drawings.insert(name, picture->IsValid() ? picture : nullptr);
    }
    return found->get();
}

QImage GradientBand(int width, int rows, qreal ratio, TColor from, TColor to)
{
    QImage band = NewPicture(QSize(width, std::max(rows, 1)), ratio);
    VerticalGradient(band, from, to, rows);
    return band;
}

// Fills `picture` with `strip` repeated end to end, starting at strip
// column `from`.
void CopyWrapped(const QImage& strip, int from, QImage& picture)
{
    const int stripWidth = strip.width();
    const int width = picture.width();
    const int rows = std::min(picture.height(), strip.height());
    for (int y = 0; y < rows; ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
        QRgb* target = reinterpret_cast<QRgb*>(picture.scanLine(y));
        int column = from;
        for (int x = 0; x < width;) {
            const int run = std::min(stripWidth - column, width - x);
            std::memcpy(target + x, source + column, std::size_t(run) * sizeof(QRgb));
            x += run;
            column = 0;
        }
    }
}

} // namespace

void BrakingScene::BuildScenery()
{
    const int height = m_zone.height();
    const int skyRows = height - m_roadHeight;
    // Sky and road are computed row by row at the screen's resolution: the
    // gradients get as many steps as there are device rows.
    QImage sky = NewPicture(QSize(1, height), m_ratio);
    sky.fill(Qt::white);
    // A zone lower than the road shows road only: no sky rows to share the
    // gradient.
    if (skyRows > 0)
        VerticalGradient(sky, kPaleSkyTop, kPaleSkyHorizon, skyRows);
    const QImage road = GradientBand(1, m_roadHeight, m_ratio, kRoadTop, kRoadBottom);
    const int roadTop = ToDevice(skyRows);

    const QSize stripSize = DeviceSize(QSize(m_stripWidth, height));
    if (m_strip.size() != stripSize)
        m_strip = QImage(stripSize, QImage::Format_RGB32);
    if (m_strip.isNull())
        return;
    // Sky and road are the same across each row: every row of the strip
    // takes its row's colour.
    const int rows = std::min(stripSize.height(), sky.height());
    for (int y = 0; y < rows; ++y) {
        const bool onRoad = y >= roadTop && y - roadTop < road.height();
        const QRgb colour = onRoad ? road.pixel(0, y - roadTop) : sky.pixel(0, y);
        QRgb* row = reinterpret_cast<QRgb*>(m_strip.scanLine(y));
        std::fill(row, row + stripSize.width(), colour);
    }

    // The painter draws the drawings at the strip's ratio: each at the
    // screen's resolution.
    m_strip.setDevicePixelRatio(m_ratio);
    QPainter painter(&m_strip);
    const double s = m_scale;
    const int bottom = height - RoundHalfEven(s);
    for (const SceneryObject& object : kObjects) {
        const VectorPicture* picture = Drawing(QString::fromLatin1(object.picture));
        if (!picture)
            continue;
        const QSizeF natural = picture->Size();
        const int objectHeight = RoundHalfEven(object.heightM * s);
        const int halfWidth = RoundHalfEven(object.heightM * s * natural.width() / natural.height() * 0.5);
        if (objectHeight < 1 || halfWidth < 1)
            continue;
        const int x = RoundHalfEven(object.positionM * s);
        // Drawn straight at its final size, so that it stays sharp.
        picture->Render(painter, QRectF(x - halfWidth, bottom - objectHeight, 2 * halfWidth, objectHeight));
    }
    m_stripScale = m_scale;
}

void BrakingScene::DrawBackground(QImage& picture, double origin) const
{
    double within = std::fmod(std::isfinite(origin) ? origin : 0, kPeriodMetres);
    if (within < 0)
        within += kPeriodMetres;
    // The strip is one period: the zone shows it end to end from the
    // offset of the view's left edge into the period.
    const int offset = std::clamp(RoundHalfEven(within * m_scale), 0, m_stripWidth - 1);
    CopyWrapped(m_strip, std::min(ToDevice(offset), m_strip.width() - 1), picture);
}
