#include "shell/splashframe.h"

#include "raster/tdibplus.h"
#include "shell/splashcredits.h"
#include "shell/splashtyping.h"

#include <memory>

namespace {

constexpr int kDarkening = 200; // of 256, in each channel

} // namespace

CanvasFont TextPanelFont(bool bold)
{
    CanvasFont font;
    font.setPointSize(kTextPanelPoints);
    font.color = kTextPanelColor;
    font.bold = bold;
    return font;
}

TextMeasure TextPanelMeasure()
{
    struct Probe
    {
        QImage image{1, 1, QImage::Format_RGB32};
        Canvas canvas{image};
    };
    auto probe = std::make_shared<Probe>();
    probe->canvas.font = TextPanelFont(false);
    return [probe](const QString& text) { return probe->canvas.TextWidth(text); };
}

void DrawTextPanel(QImage& composition, const TypedText& text, const SplashButtons& buttons, bool buttonsShown)
{
    QImage panel = composition.copy(kTextPanelRect);
    {
        Canvas canvas(panel);
        canvas.brush.style = BrushStyle::Clear;
        canvas.font = TextPanelFont(false);
        const int lineHeight = canvas.TextHeight(QStringLiteral("|"));
        const int count = text.lines ? static_cast<int>(text.lines->size()) : 0;
        for (int i = 0; i < count && i <= text.line; ++i) {
            const QString& line = (*text.lines)[i];
            canvas.font = TextPanelFont(i < kBoldLines);
            canvas.TextOut(0, i * lineHeight, i < text.line ? line : line.left(text.chars));
        }
    }
    Canvas canvas(composition);
    canvas.Draw(kTextPanelRect.left(), kTextPanelRect.top(), panel);
    if (buttonsShown) {
        canvas.Draw(kBackRect.left(), kBackRect.top(), buttons.back);
        canvas.Draw(kNextRect.left(), kNextRect.top(), buttons.next);
    }
    canvas.Draw(kCrossRect.left(), kCrossRect.top(), buttons.cross.mask, RasterOp::Or);
    canvas.Draw(kCrossRect.left(), kCrossRect.top(), buttons.cross.picture, RasterOp::And);
}

void DrawGlobe(QImage& composition, const QImage& mask, const QImage& globe)
{
    Canvas canvas(composition);
    canvas.Draw(kGlobeRect.left(), kGlobeRect.top(), mask, RasterOp::Or);
    canvas.Draw(kGlobeRect.left(), kGlobeRect.top(), globe, RasterOp::And);
}

void DrawCreditsPanel(QImage& composition, TDibPlus& surface, const CreditsPictures& credits, int scrollRow)
{
    Canvas& panel = surface.Canvas();
    panel.CopyRect(QRect(0, 0, kCreditsWidth, kCreditsPanelHeight), composition, kCreditsRect);
    for (int row = 0; row < kCreditsPanelHeight; ++row) {
        const RowSpan span = DarkenedSpan(row);
        surface.ShadeRow(span.x1, span.x2, row, kDarkening, kDarkening, kDarkening);
    }
    for (const RowPiece& piece : CreditPieces(scrollRow, credits.height)) {
        const QRect target(0, piece.panelRow, kCreditsWidth, piece.rows);
        const QRect source(0, piece.sourceRow, kCreditsWidth, piece.rows);
        panel.CopyRect(target, credits.mask, source, RasterOp::Or);
        panel.CopyRect(target, credits.picture, source, RasterOp::And);
    }
    Canvas canvas(composition);
    surface.Draw(canvas, kCreditsRect.left(), kCreditsRect.top());
}
