#include "road/field/fieldview.h"

#include "raster/tdibplus.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTextLeft = 4;
constexpr int kTextBottomMargin = 4;

// The mean of the last column's block, its missing right-hand column taken
// from the column before it, so that nothing past the row is read.
void BlurLastColumn(TDibPlus& view, int y)
{
    const int x = view.Width() - 1;
    int sum[3] = {0, 0, 0};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx : {-1, 0, -1}) {
            const TDibColor c = view.GetPixelFast(x + dx, y + dy);
            sum[0] += int(c & 0xFF);
            sum[1] += int((c >> 8) & 0xFF);
            sum[2] += int((c >> 16) & 0xFF);
        }
    view.SetPixelFast(x, y, TDibColor(sum[0] / 9) | TDibColor(sum[1] / 9) << 8 | TDibColor(sum[2] / 9) << 16);
}

} // namespace

std::unique_ptr<TDibPlus> CreateView(int width, int height)
{
    auto view = std::make_unique<TDibPlus>(width, height);
    CanvasFont& font = view->Canvas().font;
    font.name = QStringLiteral("Arial");
    font.SetPointSize(10);
    font.bold = true;
    font.color = 0xFFFFFF;
    return view;
}

void ShadeOutsideField(TDibPlus& view, const std::vector<FieldSpan>& field, int eyeY)
{
    const int width = view.Width();
    for (std::size_t j = 0; j < field.size(); ++j) {
        const int row = eyeY - int(j);
        const FieldSpan& span = field[j];
        if (span.left > 0)
            view.ShadeRow(0, span.left, row, kShadeFactor, kShadeFactor, kShadeFactor);
        // Where the field closes to one column (at the eye) both spans hold
        // it: it is darkened once, like its neighbours.
        const int rightStart = span.left > 0 ? std::max(span.right, span.left + 1) : span.right;
        if (span.right < width && rightStart < width)
            view.ShadeRow(rightStart, width - 1, row, kShadeFactor, kShadeFactor, kShadeFactor);
    }
    for (int row = std::max(eyeY + 1, 0); row < view.Height(); ++row)
        view.ShadeRow(0, width - 1, row, kShadeFactor, kShadeFactor, kShadeFactor);
}

void BlurField(TDibPlus& view, const std::vector<FieldSpan>& field, int eyeY)
{
    const int width = view.Width();
    if (!view.HasHandle() || width < 3)
        return;
    // Rows eyeY - 1 up to 2; never the top or bottom row, whose block would
    // reach outside the surface.
    for (std::size_t j = 1; j + 2 <= field.size(); ++j) {
        const int row = eyeY - int(j);
        if (row < 1 || row > view.Height() - 2)
            continue;
        const int first = std::max(field[j].left, 2);
        const int last = std::min(field[j].right, width - 1);
        for (int x = first; x <= last; ++x) {
            if (x < width - 1)
                view.BlurPixel(x, row);
            else
                BlurLastColumn(view, row);
        }
    }
}

void WriteViewLines(TDibPlus& view, const QStringList& lines)
{
    Canvas& canvas = view.Canvas();
    canvas.brush.style = BrushStyle::Clear;
    const int lineHeight = canvas.TextHeight(QStringLiteral("|"));
    int y = view.Height() - (3 * lineHeight + kTextBottomMargin);
    for (const QString& line : lines) {
        // The white text stays readable on a pale road or sky: what is too
        // light under it is darkened just enough.
        for (int row = y; row < y + lineHeight; ++row)
            view.DarkenUnderInk(kTextLeft - 1, kTextLeft + canvas.TextWidth(line), row, canvas.font.color);
        canvas.TextOut(kTextLeft, y, line);
        y += lineHeight;
    }
    canvas.brush.style = BrushStyle::Solid;
}

QStringList LeftViewLines()
{
    return {QStringLiteral("Véhicule à l'arrêt"), QStringLiteral("Champ visuel du conducteur"),
            QStringLiteral("de la voiture rouge : %1°").arg(kRestFieldAngle)};
}

QStringList RightViewLines(bool drunk, int speedKmh, int fieldAngle)
{
    const QString first = drunk ? QStringLiteral("Influence de l'alcool, véhicule à l'arrêt")
                                : QStringLiteral("Vitesse : %1 km/h").arg(speedKmh);
    return {first, QStringLiteral("Champ visuel du conducteur"),
            QStringLiteral("de la voiture rouge : %1°").arg(fieldAngle)};
}

void ComposeView(TDibPlus& view, const TDibPlus& background, const std::vector<FieldSpan>& field, int eyeY,
                 bool blurred, const QStringList& lines)
{
    if (!view.HasHandle() || background.ImageSize() != view.ImageSize() || background.Width() != view.Width())
        return;
    std::memcpy(view.Bits(), background.Bits(), std::size_t(view.ImageSize()));
    ShadeOutsideField(view, field, eyeY);
    if (blurred)
        BlurField(view, field, eyeY);
    WriteViewLines(view, lines);
}
