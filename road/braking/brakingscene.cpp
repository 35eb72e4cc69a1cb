// The zone picture's life, its scale-dependent sizes and tables, and the
// order in which a zone is composed.
#include "road/braking/brakingscene.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "raster/tdibplus.h"
#include "road/braking/model/brakingsession.h"

#include <algorithm>
#include <cmath>

BrakingScene::BrakingScene() = default;
BrakingScene::~BrakingScene() = default;

void BrakingScene::Open()
{
    m_open = true;
}

void BrakingScene::Close()
{
    m_open = false;
    FreePictures();
    FreeIcons();
}

void BrakingScene::FreePictures()
{
    m_strip = QImage();
    m_dialFace = QImage();
    m_carRed = QImage();
    m_carGreen = QImage();
    m_carMask = QImage();
    m_builtRatio = 0;
}

void BrakingScene::Layout(QSize zone, double scale, qreal ratio)
{
    m_zone = QSize(std::max(zone.width(), 1), std::max(zone.height(), 1));
    m_scale = std::isfinite(scale) && scale > 0 ? scale : 1;
    // Screens go from 1 to 3 or so; anything else is a mistake.
    m_ratio = std::isfinite(ratio) && ratio > 0 ? std::min(ratio, 8.0) : 1;
    m_deviceZone = DeviceSize(m_zone);
    ComputeTables();
    if (!m_open)
        return;
    // A change of width alone leaves the scale, and so every picture, as it
    // was: resizing the window stays smooth.
    const bool newRatio = m_builtRatio != m_ratio;
    if (newRatio || m_strip.height() != m_deviceZone.height() || m_stripScale != m_scale)
        BuildScenery();
    if (newRatio || m_dialFace.deviceIndependentSize().toSize() != QSize(2 * m_dialRadius + 1, 2 * m_dialRadius + 1)
        || m_dialMaxSpeed != maxSpeed)
        BuildDial(maxSpeed);
    if (newRatio || m_carMask.isNull() || m_carMask.deviceIndependentSize().toSize() != QSize(m_carWidth, m_carHeight))
        BuildCars();
    m_builtRatio = m_ratio;
}

int BrakingScene::ToDevice(int logical) const
{
    return int(std::lround(logical * m_ratio));
}

QSize BrakingScene::DeviceSize(QSize logical) const
{
    return (QSizeF(logical) * m_ratio).toSize();
}

QImage BrakingScene::NewZonePicture() const
{
    return NewPicture(m_zone, m_ratio);
}

void BrakingScene::ComputeTables()
{
    const double s = m_scale;
    m_dialRadius = std::max(RoundHalfEven(m_zone.height() * 0.33), 20);
    // The disc fills the dial's square of device pixels; with an odd side
    // (always at a ratio of 1) its centre is a pixel's, and row i then
    // reaches Round(sqrt(r^2 - (r - i)^2)) either side of it.
    const int side = ToDevice(2 * m_dialRadius + 1);
    const double centre = (side - 1) / 2.0;
    m_discLeft.assign(std::size_t(side), 0);
    m_discRight.assign(std::size_t(side), 0);
    for (int i = 0; i < side; ++i) {
        const double w = std::sqrt(std::max(centre * centre - (centre - i) * (centre - i), 0.0));
        m_discLeft[std::size_t(i)] = int(std::ceil(centre - w - 0.5));
        m_discRight[std::size_t(i)] = int(std::floor(centre + w + 0.5));
    }
    m_glowRadius = std::max(RoundHalfEven(s * 0.5 * m_ratio), 0);
    const int g = m_glowRadius;
    m_glowLeft.assign(std::size_t(2 * g), 0);
    m_glowRight.assign(std::size_t(2 * g), 0);
    for (int i = 0; i < 2 * g; ++i) {
        const int w = RoundHalfEven(std::sqrt(double(g * g - (g - i) * (g - i))));
        m_glowLeft[std::size_t(i)] = g - w;
        m_glowRight[std::size_t(i)] = g + w - 1;
    }
    m_roadHeight = RoundHalfEven(s) + 2;
    m_carHeight = RoundHalfEven(s * 1.8);
    // As long as the car the model moves, so that its rear sits where the
    // model puts it.
    m_carWidth = RoundHalfEven(CarLength * s);
    m_stripWidth = std::max(RoundHalfEven(150 * s), 1);
}

qint64 BrakingScene::MemoryBytes() const
{
    qint64 bytes = 0;
    for (const QImage* image : {&m_strip, &m_dialFace, &m_carRed, &m_carGreen, &m_carMask, &m_iconRed, &m_iconGreen})
        bytes += image->sizeInBytes();
    return bytes;
}

void BrakingScene::DrawMasked(QImage& picture, QPoint at, const QImage& mask, const QImage& face)
{
    if (mask.size() != face.size() || mask.format() != QImage::Format_RGB32 || face.format() != QImage::Format_RGB32)
        return;
    // Plain loops: through a painter these small pictures would be split
    // into spans shared out to worker threads, which costs more than it
    // saves at this size.
    const QRect area = QRect(at, mask.size()) & picture.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y - at.y())) + (area.left() - at.x());
        const QRgb* f = reinterpret_cast<const QRgb*>(face.constScanLine(y - at.y())) + (area.left() - at.x());
        QRgb* p = reinterpret_cast<QRgb*>(picture.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            p[x] = ((p[x] | m[x]) & f[x]) | 0xFF000000u;
    }
}

void BrakingScene::ShadeRow(QImage& picture, int y, int x1, int x2, ShadeFactors factors)
{
    ShadePictureRow(picture, y, x1, x2, factors.red, factors.green, factors.blue);
}

void BrakingScene::DrawZone(int k, const BrakingSession& session, QImage& picture)
{
    if (!m_open || picture.size() != m_deviceZone || picture.format() != QImage::Format_RGB32 || m_strip.isNull())
        return;
    // The canvas reads the ratio from the picture: the layout's is the one
    // every picture was built at.
    picture.setDevicePixelRatio(m_ratio);
    DrawBackground(picture, session.View().Origin(k));
    Canvas canvas(picture);
    if (session.RunMade()) {
        DrawMarkers(canvas, session, k);
        DrawBands(canvas, session, k);
    }
    DrawDial(picture, canvas);
    DrawVehicle(picture, session, k);
    // The panel is translucent: drawn over the car, it never hides the
    // stop's text.
    DrawPanel(canvas, session, k);
    DrawNeedle(canvas, session.Quantities(k).speedKmh);
}
