// Colours, fonts and text of the Canvas: how pens, brushes and fonts of the
// program become QPen, QBrush and QFont, and text placed by its cell's
// top-left corner on the brush colour unless the brush is clear.
#include "canvas/canvas.h"
#include "canvas/canvasinternal.h"

#include <QFontMetrics>
#include <cmath>

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

Qt::BrushStyle QtBrushStyle(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Solid: return Qt::SolidPattern;
    case BrushStyle::Clear: return Qt::NoBrush;
    case BrushStyle::Horizontal: return Qt::HorPattern;
    case BrushStyle::Vertical: return Qt::VerPattern;
    case BrushStyle::FDiagonal: return Qt::FDiagPattern;
    case BrushStyle::BDiagonal: return Qt::BDiagPattern;
    case BrushStyle::Cross: return Qt::CrossPattern;
    case BrushStyle::DiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

} // namespace

namespace canvas_internal {

// The usual desktop dashes: dashes of 18 with gaps of 6, dots of 3 with
// gaps of 3.
QVector<qreal> DashPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return {18, 6};
    case PenStyle::Dot: return {3, 3};
    case PenStyle::DashDot: return {9, 6, 3, 6};
    case PenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    case PenStyle::Solid:
    case PenStyle::Clear: break;
    }
    return {};
}

bool DashDrawn(const QVector<qreal>& pattern, int index)
{
    qreal period = 0;
    for (qreal length : pattern)
        period += length;
    if (period <= 0)
        return true;
    qreal position = std::fmod(qreal(index), period);
    for (int i = 0; i < pattern.size(); ++i) {
        if (position < pattern[i])
            return i % 2 == 0;
        position -= pattern[i];
    }
    return true;
}

} // namespace canvas_internal

QColor QColorFromCanvas(TColor color)
{
    return QColor(QRgbFromCanvas(color));
}

TColor CanvasFromQColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return TColor(qRed(rgb)) | TColor(qGreen(rgb)) << 8 | TColor(qBlue(rgb)) << 16;
}

QRgb QRgbFromCanvas(TColor color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void CanvasFont::SetPointSize(int points)
{
    pixelHeight = int(std::lround(double(points) * kScreenDpi / kPointsPerInch));
}

int CanvasFont::PointSize() const
{
    return int(std::lround(double(pixelHeight) * kPointsPerInch / kScreenDpi));
}

Canvas::Canvas(QImage& image)
    : m_image(image),
      m_scale(image.isNull() || image.devicePixelRatio() <= 0 ? 1 : image.devicePixelRatio()),
      m_logicalSize(image.deviceIndependentSize().toSize())
{
    // One painter for the canvas lifetime: the image may be a view over
    // storage owned elsewhere, so nothing here may copy or detach it.
    const QImage::Format format = m_image.format();
    if (m_image.isNull() || format == QImage::Format_Indexed8 || format == QImage::Format_Mono
        || format == QImage::Format_MonoLSB)
        return;
    QImage* target = &m_image;
    if (Scaled()) {
        m_deviceView = QImage(m_image.bits(), m_image.width(), m_image.height(), m_image.bytesPerLine(), format);
        target = &m_deviceView;
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(target)) {
        m_painter.reset();
        return;
    }
    // Shapes stay aliased so their pixels are exact; text is smoothed per
    // font (applyFont).
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Canvas::~Canvas()
{
    if (m_painter)
        m_painter->end();
}

QFont Canvas::Qfont() const
{
    QFont f(font.name);
    f.setPixelSize(std::max(1, font.pixelHeight));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Grayscale only: colour fringes of subpixel smoothing would show in
    // copied pictures and depend on the screen the program runs on.
    f.setStyleStrategy(font.antialiased ? QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias)
                                        : QFont::NoAntialias);
    // Full hinting snaps glyphs and advances to whole pixels, as desktop
    // text of this size is drawn; lighter hinting leaves uneven gaps.
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    return f;
}

void Canvas::ApplyPen()
{
    if (pen.style == PenStyle::Clear) {
        m_painter->setPen(Qt::NoPen);
        return;
    }
    QPen p(QColorFromCanvas(pen.color));
    if (pen.width <= 1) {
        // The cosmetic one-pixel pen: square caps so that both ends are
        // drawn; line ends are then cut by a clip where they must be left out.
        p.setWidth(1);
        p.setCosmetic(true);
        p.setCapStyle(Qt::SquareCap);
        p.setJoinStyle(Qt::MiterJoin);
    } else {
        p.setWidth(pen.width);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    const QVector<qreal> dashes = PenDashes();
    if (!dashes.isEmpty())
        p.setDashPattern(dashes);
    m_painter->setPen(p);
}

QVector<qreal> Canvas::PenDashes() const
{
    QVector<qreal> dashes = canvas_internal::DashPattern(pen.style);
    // A wide pen's dashes are in pen widths, which are scaled already.
    if (pen.width <= 1)
        for (qreal& length : dashes)
            length *= m_dashScale;
    return dashes;
}

int Canvas::ToDevice(int v) const
{
    return int(std::lround(v * m_scale));
}

QPoint Canvas::ToDevice(QPoint p) const
{
    return QPoint(ToDevice(p.x()), ToDevice(p.y()));
}

void Canvas::AddDamage(const QRect& logical)
{
    if (m_damage && !logical.isEmpty())
        m_damage->push_back(ToDevice(logical).intersected(m_image.rect()));
}

void Canvas::Damage(int l, int t, int r, int b, int margin)
{
    if (!m_damage)
        return;
    // Round pens and their centring reach past the box by up to a width.
    const int grow = std::max(1, pen.width) + margin;
    AddDamage(QRect(QPoint(std::min(l, r), std::min(t, b)), QPoint(std::max(l, r), std::max(t, b)))
                  .adjusted(-grow, -grow, grow, grow));
}

void Canvas::Damage(const QVector<QPoint>& points, int margin)
{
    if (!m_damage || points.isEmpty())
        return;
    QRect span(points.first(), QSize(1, 1));
    for (QPoint p : points)
        span |= QRect(p, QSize(1, 1));
    Damage(span.left(), span.top(), span.right(), span.bottom(), margin);
}

QRect Canvas::ToDevice(const QRect& rect) const
{
    // Corner to corner, so that neighbouring rectangles stay neighbours.
    const QPoint topLeft = ToDevice(rect.topLeft());
    const QPoint bottomRight = ToDevice(rect.topLeft() + QPoint(rect.width(), rect.height()));
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

QVector<QPoint> Canvas::ToDevice(const QVector<QPoint>& points) const
{
    QVector<QPoint> device;
    device.reserve(points.size());
    for (QPoint p : points)
        device.append(ToDevice(p));
    return device;
}

void Canvas::ApplyBrush()
{
    m_painter->setBrush(QBrush(QColorFromCanvas(brush.color), QtBrushStyle(brush.style)));
    m_painter->setBrushOrigin(0, 0);
}

void Canvas::ApplyFont()
{
    m_painter->setFont(Qfont());
    m_painter->setRenderHint(QPainter::TextAntialiasing, font.antialiased);
    m_painter->setPen(QColorFromCanvas(font.color));
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (!Painting() || text.isEmpty())
        return;
    // Glyphs may reach past their cell (italics, accents): half a line more.
    if (m_damage)
        Damage(x, y, x + TextWidth(text), y + TextHeight(text), font.pixelHeight / 2 + 2);
    if (Scaled()) {
        const QPoint at = ToDevice(QPoint(x, y));
        const DevicePixels device(*this);
        TextOut(at.x(), at.y(), text);
        return;
    }
    const QFontMetrics metrics(Qfont());
    if (brush.style != BrushStyle::Clear)
        m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                            QColorFromCanvas(brush.color));
    ApplyFont();
    m_painter->drawText(QPoint(x, y + metrics.ascent()), text);
}

void Canvas::TextRect(const QRect& clip, int x, int y, const QString& text)
{
    if (!Painting())
        return;
    AddDamage(clip);
    if (Scaled()) {
        const QRect deviceClip = ToDevice(clip);
        const QPoint at = ToDevice(QPoint(x, y));
        const DevicePixels device(*this);
        TextRect(deviceClip, at.x(), at.y(), text);
        return;
    }
    // As on the desktop: the whole clip rectangle takes the brush colour.
    if (brush.style != BrushStyle::Clear)
        m_painter->fillRect(clip, QColorFromCanvas(brush.color));
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(Qfont());
    ApplyFont();
    m_painter->save();
    m_painter->setClipRect(clip);
    m_painter->drawText(QPoint(x, y + metrics.ascent()), text);
    m_painter->restore();
}

int Canvas::TextWidth(const QString& text) const
{
    return QFontMetrics(Qfont()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString&) const
{
    return QFontMetrics(Qfont()).height();
}
