// The two cars: drawn once per layout with their mask, laid on the road at
// the vehicle's position, with a red glow behind while braking; and the
// control panel's car icons.
#include "road/braking/brakingscene.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"
#include "road/braking/model/brakingsession.h"

#include <QPainter>

namespace {

constexpr QSize kIconSize(173, 51);
constexpr ShadeFactors kGlow{255, 50, 50};
// Half transparent or more is outside the car.
constexpr int kOpaqueAlpha = 128;

// White where `picture` (drawn on transparency) is opaque, black elsewhere.
QImage MaskOf(const QImage& picture)
{
    QImage mask(picture.size(), QImage::Format_RGB32);
    mask.setDevicePixelRatio(picture.devicePixelRatio());
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        QRgb* target = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            target[x] = qAlpha(source[x]) >= kOpaqueAlpha ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return mask;
}

// The car's own colours inside the mask, white outside: ANDed over the
// road after the mask was ORed, it leaves the road as it was around the car
// (an antialiased edge keyed on a colour would leave a halo).
QImage OnWhite(const QImage& picture, const QImage& mask)
{
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QImage car(picture.size(), QImage::Format_RGB32);
    car.setDevicePixelRatio(picture.devicePixelRatio());
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        const QRgb* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        QRgb* target = reinterpret_cast<QRgb*>(car.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            target[x] = (inside[x] & 0xFFFFFFu) && qAlpha(source[x]) ? source[x] | 0xFF000000u : 0xFFFFFFFFu;
    }
    return car;
}

QImage Icon(const char* name, QRgb face, qreal ratio)
{
    QImage picture = NewPicture(kIconSize, ratio);
    picture.fill(face);
    QPainter painter(&picture);
    painter.drawImage(0, 0, LoadNamedPicture(QString::fromLatin1(name), kIconSize, ratio));
    return picture;
}

} // namespace

void BrakingScene::BuildCars()
{
    m_carRed = QImage();
    m_carGreen = QImage();
    m_carMask = QImage();
    const QSize size(m_carWidth, m_carHeight);
    if (size.isEmpty())
        return;
    // Drawn at the screen's resolution, and the mask cut from those pixels:
    // its edge follows the drawing's at that resolution.
    const QImage red = LoadNamedPicture(QStringLiteral("Auto_r"), size, m_ratio);
    if (red.isNull())
        return;
    m_carMask = MaskOf(red);
    m_carRed = OnWhite(red, m_carMask);
    const QImage green = LoadNamedPicture(QStringLiteral("Auto_G"), size, m_ratio);
    if (!green.isNull() && green.size() == red.size())
        m_carGreen = OnWhite(green, m_carMask);
}

void BrakingScene::BuildIcons(QRgb face, qreal ratio)
{
    m_iconRed = Icon("Auto_R", face, ratio);
    m_iconGreen = Icon("Auto_G", face, ratio);
}

void BrakingScene::FreeIcons()
{
    m_iconRed = QImage();
    m_iconGreen = QImage();
}

void BrakingScene::DrawVehicle(QImage& picture, const BrakingSession& session, int k) const
{
    const BrakingView& view = session.View();
    const double origin = view.Origin(k);
    const double front = view.CurrentPos(k);
    if (!(origin <= front && front <= origin + view.ViewWidth() + CarLength))
        return;
    const double s = m_scale;
    const double rear = front - CarLength - origin;
    const QImage& car = k == 2 ? m_carGreen : m_carRed;
    if (!car.isNull()) {
        const int x = ToDevice(RoundHalfEven(rear * s));
        const int y = ToDevice(m_zone.height() - RoundHalfEven(0.7 * s) - m_carHeight);
        DrawMasked(picture, QPoint(x, y), m_carMask, car);
    }
    if (session.ShownRow(k).Phase != phBraking)
        return;
    const int side = 2 * m_glowRadius;
    const int x = ToDevice(RoundHalfEven((rear - 0.35) * s));
    const int y = ToDevice(m_zone.height() - (RoundHalfEven(0.45 * s) + m_carHeight));
    for (int i = 0; i < side; ++i)
        ShadeRow(picture, y + i, x + m_glowLeft[std::size_t(i)], x + m_glowRight[std::size_t(i)], kGlow);
}
