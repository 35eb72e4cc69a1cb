// The zone picture's life, its scale-dependent sizes and tables, and the
// order in which a zone is composed.
#include "road/braking/brakingscene.h"

#include "canvas/textformat.h"
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
    m_dialSurface.reset();
    m_glowSurface.reset();
    m_panelSurface.reset();
    m_bandSurface.reset();
}

void BrakingScene::Layout(QSize zone, double scale)
{
    m_zone = QSize(std::max(zone.width(), 1), std::max(zone.height(), 1));
    m_scale = std::isfinite(scale) && scale > 0 ? scale : 1;
    ComputeTables();
    if (!m_open)
        return;
    CreateSurfaces();
    // A change of width alone leaves the scale, and so every picture, as it
    // was: resizing the window stays smooth.
    if (m_strip.height() != m_zone.height() || m_stripScale != m_scale)
        BuildScenery();
    if (m_dialFace.width() != 2 * m_dialRadius + 1 || m_dialMaxSpeed != maxSpeed)
        BuildDial(maxSpeed);
    if (m_carMask.isNull() || m_carMask.size() != QSize(m_carWidth, m_carHeight))
        BuildCars();
}

void BrakingScene::ComputeTables()
{
    const double s = m_scale;
    m_dialRadius = std::max(RoundHalfEven(m_zone.height() * 0.33), 20);
    const int r = m_dialRadius;
    m_discLeft.assign(std::size_t(2 * r + 1), 0);
    m_discRight.assign(std::size_t(2 * r + 1), 0);
    for (int i = 0; i <= 2 * r; ++i) {
        const int w = RoundHalfEven(std::sqrt(double(r * r - (r - i) * (r - i))));
        m_discLeft[std::size_t(i)] = r - w;
        m_discRight[std::size_t(i)] = r + w;
    }
    m_glowRadius = std::max(RoundHalfEven(s * 0.5), 0);
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

namespace {

// A surface of this size: the one there is, or a new one.
bool Resized(std::unique_ptr<TDibPlus>& surface, int width, int height)
{
    if (surface && surface->Width() == width && surface->Height() == height)
        return false;
    surface = std::make_unique<TDibPlus>(width, height);
    return true;
}

void SetSurfaceFont(TDibPlus& surface, int points, TColor color)
{
    CanvasFont& font = surface.Canvas().font;
    font.name = QStringLiteral("Arial");
    font.SetPointSize(points);
    font.bold = true;
    font.color = color;
    surface.Canvas().brush.style = BrushStyle::Clear;
}

} // namespace

void BrakingScene::CreateSurfaces()
{
    const int dialSize = 2 * m_dialRadius + 1;
    Resized(m_dialSurface, dialSize, dialSize);
    Resized(m_glowSurface, 2 * m_glowRadius, 2 * m_glowRadius);
    if (Resized(m_panelSurface, kPanelWidth, kPanelHeight))
        SetSurfaceFont(*m_panelSurface, 10, 0xE0E0FF);
    if (Resized(m_bandSurface, m_zone.width(), kBandHeight))
        SetSurfaceFont(*m_bandSurface, 12, 0xFFFFFF);
}

qint64 BrakingScene::MemoryBytes() const
{
    qint64 bytes = 0;
    for (const QImage* image : {&m_strip, &m_dialFace, &m_carRed, &m_carGreen, &m_carMask, &m_iconRed, &m_iconGreen})
        bytes += image->sizeInBytes();
    for (const auto* surface : {&m_dialSurface, &m_glowSurface, &m_panelSurface, &m_bandSurface})
        if (*surface)
            bytes += (*surface)->ImageSize();
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

void BrakingScene::DrawZone(int k, const BrakingSession& session, QImage& picture)
{
    if (!m_open || picture.size() != m_zone || picture.format() != QImage::Format_RGB32 || m_strip.isNull())
        return;
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
    DrawPanel(picture, session, k);
    DrawNeedle(canvas, session.Quantities(k).speedKmh);
}
