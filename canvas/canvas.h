// Drawing on a QImage with the program's conventions: 0x00BBGGRR colours,
// box-convention shapes, line ends left out; shapes aliased, text smoothed.
// Coordinates are logical pixels; an image whose device pixel ratio is r
// (composed for a scaled screen) is drawn on at r times the resolution:
// shapes on whole device pixels, one-pixel pens one device pixel wide, wider
// pens, fonts and dashes r times larger, pictures at their logical size.
#pragma once

#include "canvas/tcolor.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class ShapeCells;

QColor QColorFromCanvas(TColor color);
TColor CanvasFromQColor(const QColor& color);
// The same colour as a QRgb (0xFFRRGGBB).
QRgb QRgbFromCanvas(TColor color);

enum class PenStyle
{
    Solid,
    Dash,
    Dot,
    DashDot,
    DashDotDot,
    Clear
};
enum class BrushStyle
{
    Solid,
    Clear,
    Horizontal,
    Vertical,
    FDiagonal,
    BDiagonal,
    Cross,
    DiagCross
};
enum class RasterOp
{
    Copy,
    Or,
    And
};

// Dashes are 18 on and 6 off, dots 3 and 3 (in pen widths), gaps left
// untouched. Pens wider than 1 are centred on the pixels they pass through
// and have round ends.
struct CanvasPen
{
    TColor color = 0x000000;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

// Hatched brushes paint only their lines, aligned on the image's origin.
struct CanvasBrush
{
    TColor color = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
};

struct CanvasFont
{
    QString name = QStringLiteral("Arial");
    int pixelHeight = 11; // 8 pt at 96 dpi
    TColor color = 0x000000;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // Grayscale antialiasing: small text stays legible. Turn it off only
    // where the text's pixels are later picked out by their exact colour
    // (a mask cut from the picture), since blended edges would not match.
    bool antialiased = true;

    // Sizes in points convert at 96 dpi, rounded (8 pt = 11 px).
    void SetPointSize(int points);
    int PointSize() const;
};

class Canvas
{
public:
    // Draws on `image`, which must outlive the canvas. Works on any 32-bit
    // or 24-bit QImage format (a null image draws nothing). The image's
    // pixels stay where they are: it may be a view over foreign storage.
    // The image's device pixel ratio sets the resolution (see above).
    explicit Canvas(QImage& image);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage& Image() { return m_image; }
    // The logical size: the image's size divided by its device pixel ratio.
    int Width() const { return m_logicalSize.width(); }
    int Height() const { return m_logicalSize.height(); }
    // Device pixels per logical pixel.
    qreal Scale() const { return m_scale; }

    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;

    // Lines: the end pixel is left out; a zero-length line draws nothing.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return m_penPos; }
    void Polyline(const QVector<QPoint>& points);

    // Shapes cover columns l..r-1 and rows t..b-1, filled with the brush and
    // outlined with the pen; corners may come in either order. With a clear
    // pen the brush covers the whole box or shape.
    void Rectangle(int l, int t, int r, int b);
    void FillRect(int l, int t, int r, int b); // brush only
    void FrameRect(int l, int t, int r, int b); // outline in the brush colour
    void Ellipse(int l, int t, int r, int b);
    void RoundRect(int l, int t, int r, int b, int cornerW, int cornerH);
    void Polygon(const QVector<QPoint>& points);
    // Elliptic arc in the box, counter-clockwise on screen from the ray
    // through (x3, y3) to the ray through (x4, y4), both from the box centre.
    void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    // Same rays, closed to the centre and filled with the brush.
    void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4);

    // Text: the top-left of the text cell at (x, y), on the brush colour
    // unless the brush is clear.
    void TextOut(int x, int y, const QString& text);
    // Text clipped to `clip`, its cell's top-left at (x, y); the whole clip
    // rectangle takes the brush colour unless the brush is clear.
    void TextRect(const QRect& clip, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // A logical pixel: read at its top-left device pixel, written whole.
    TColor Pixel(int x, int y) const; // 0 outside the image
    void SetPixel(int x, int y, TColor color); // ignored outside

    // Pictures: copy (a picture with alpha is blended over the destination),
    // or combine with the destination (OR, AND). Copying part of the canvas's
    // own image onto itself is allowed. A picture is placed at its logical
    // size, and `sourceRect` is in its logical pixels, so a picture composed
    // at the canvas's resolution is copied pixel for pixel.
    void Draw(int x, int y, const QImage& picture, RasterOp op = RasterOp::Copy);
    void StretchDraw(const QRect& dest, const QImage& picture);
    void CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect, RasterOp op = RasterOp::Copy);

    // The font as a QFont (pixel size, no hinting surprises) for measuring
    // and drawing.
    QFont Qfont() const;

    // While `log` is set, every drawing call adds to it a rectangle of the
    // image's own pixels holding every pixel it may change, so that an
    // owner can undo a drawing by copying those places back.
    void LogDamage(std::vector<QRect>* log) { m_damage = log; }
    // Adds a logical rectangle changed behind the canvas's back (pixels
    // written straight into the image).
    void AddDamage(const QRect& logical);

private:
    class DevicePixels;

    bool Scaled() const { return m_scale != 1; }
    int ToDevice(int v) const;
    QPoint ToDevice(QPoint p) const;
    QRect ToDevice(const QRect& rect) const;
    QVector<QPoint> ToDevice(const QVector<QPoint>& points) const;
    // Logs the logical rectangle spanned by `points` (or the box l, t, r, b)
    // grown by the pen's width and `margin`.
    void Damage(const QVector<QPoint>& points, int margin = 0);
    void Damage(int l, int t, int r, int b, int margin = 0);
    // The dash pattern of the pen, in the pixels of the painter's device.
    QVector<qreal> PenDashes() const;
    bool Painting() const { return m_painter != nullptr; }
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();
    // With a pen wider than a pixel, draws the shape through the painter
    // (`draw`), pixel centred, and says so; false leaves thin and clear pens
    // to the pixel-exact shapes.
    bool DrawWithWidePen(const std::function<void(QPainter&)>& draw);
    // Strokes `points` as an open line whose last pixel is left out.
    void StrokeOpenLine(const QVector<QPoint>& points);
    // Paints the cells of `shape` whose box starts at `origin` and that
    // `keep` accepts (box coordinates; all when empty): the outline with the
    // pen, the inside with the brush when `fill`.
    void PaintShape(const ShapeCells& shape, QPoint origin, bool fill, const std::function<bool(QPoint)>& keep);
    // The arc (or, with `pie`, the pie) in the box between the rays through
    // `first` and `second`.
    void DrawSweep(int l, int t, int r, int b, QPointF first, QPointF second, bool pie);
    void DrawPicture(const QRectF& logicalDest, const QImage& picture, const QRectF& source, RasterOp op);

    QImage& m_image;
    // At a device pixel ratio other than 1, the painter works on this view
    // of the image's pixels at ratio 1, so that shapes land on whole device
    // pixels: every drawing call is turned into device pixels first.
    QImage m_deviceView;
    qreal m_scale = 1;
    // Dashes of a one-pixel pen are counted in logical pixels.
    qreal m_dashScale = 1;
    QSize m_logicalSize;
    std::vector<QRect>* m_damage = nullptr;
    std::unique_ptr<QPainter> m_painter;
    QPoint m_penPos;
};
