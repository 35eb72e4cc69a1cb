#include "shell/about/aboutpictures.h"

#include "canvas/colorcontrast.h"
#include "canvas/picturehelpers.h"
#include "raster/tdibplus.h"
#include "shell/about/aboutanimation.h"

#include <algorithm>
#include <memory>

namespace {

constexpr TColor kCreditsTextColor = 0xEEEEEE;
constexpr int kCreditsFontPoints = 11;
constexpr QPoint kLogoPlace{15, 110};
constexpr int kFirstCreditTop = 10;
constexpr int kDarkening = 200; // of 256, in each channel

bool Opaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

} // namespace

// ---- fixed pictures

QImage AboutBackground(qreal ratio)
{
    QImage background = NewPicture(QSize(kAboutWidth, kAboutHeight), ratio);
    VerticalGradient(background, kPaleSkyTop, kPaleSkyHorizon, kAboutHeight);
    Canvas canvas(background);
    canvas.brush = {kAboutFrameColor, BrushStyle::Solid};
    canvas.FrameRect(0, 0, kAboutWidth, kAboutHeight);
    return background;
}

QImage GlobeMaskFrom(const QImage& rendering)
{
    QImage mask(rendering.size(), QImage::Format_RGB32);
    mask.setDevicePixelRatio(rendering.devicePixelRatio());
    const QRgb magenta = QRgbFromCanvas(kKeyMagenta);
    for (int y = 0; y < rendering.height(); ++y)
        for (int x = 0; x < rendering.width(); ++x) {
            const bool outside = (rendering.pixel(x, y) | 0xFF000000) == magenta;
            mask.setPixel(x, y, outside ? 0xFF000000 : 0xFFFFFFFF);
        }
    return mask;
}

MaskedPicture SplitTransparency(const QImage& source)
{
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    MaskedPicture split{QImage(picture.size(), QImage::Format_RGB32), QImage(picture.size(), QImage::Format_RGB32)};
    split.picture.setDevicePixelRatio(picture.devicePixelRatio());
    split.mask.setDevicePixelRatio(picture.devicePixelRatio());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const bool opaque = Opaque(pixel);
            split.picture.setPixel(x, y, opaque ? (pixel | 0xFF000000) : 0xFFFFFFFF);
            split.mask.setPixel(x, y, opaque ? 0xFFFFFFFF : 0xFF000000);
        }
    return split;
}

CreditsPictures PrepareCredits(const QStringList& lines, const QImage& logo, qreal ratio)
{
    CreditsPictures credits;
    CanvasFont font;
    font.SetPointSize(kCreditsFontPoints);
    font.bold = true;
    font.color = kCreditsTextColor;
    {
        QImage probe(1, 1, QImage::Format_RGB32);
        Canvas measure(probe);
        measure.font = font;
        credits.lineHeight = measure.TextHeight(QStringLiteral("|"));
    }
    credits.height = CreditsHeight(static_cast<int>(lines.size()), credits.lineHeight);
    credits.stillRow = StillCreditsRow(credits.lineHeight);

    credits.picture = NewPicture(QSize(kCreditsWidth, credits.height), ratio, QImage::Format_ARGB32_Premultiplied);
    credits.picture.fill(Qt::transparent);
    Canvas canvas(credits.picture);
    if (!logo.isNull())
        canvas.Draw(kLogoPlace.x(), kLogoPlace.y(), logo);
    canvas.font = font;
    canvas.brush.style = BrushStyle::Clear;
    for (int i = 0; i < lines.size(); ++i) {
        const int left = (kCreditsWidth - canvas.TextWidth(lines[i])) / 2;
        canvas.TextOut(left, kFirstCreditTop + i * credits.lineHeight, lines[i]);
    }
    return credits;
}

int StillCreditsRow(int lineHeight)
{
    int row = kStillCreditsRow;
    if (lineHeight <= 0)
        return row;
    // The first row left blank at the bottom, and the line that it falls in:
    // that line is cut unless it starts there.
    const int bottom = row + kCreditsPanelHeight - kStillBottomMargin;
    const int top = kFirstCreditTop + (bottom - kFirstCreditTop) / lineHeight * lineHeight;
    if (top < bottom)
        row += top + lineHeight - bottom;
    return row;
}

// ---- credits panel

ColumnSpan DarkenedSpan(const TDibPlus& panel, int row)
{
    const ColumnSpan span = RoundedBoxRow(panel, kCreditsCornerRadius, row);
    return {span.first, std::min(span.last, panel.Width() - 1)};
}

int CreditsHeight(int lineCount, int lineHeight)
{
    return std::max(0, lineCount - 1) * lineHeight + 40;
}

int NextScrollRow(int row, int creditsHeight)
{
    const int next = row + 1;
    return next >= creditsHeight ? 0 : next;
}

std::vector<RowPiece> CreditPieces(int scrollRow, int creditsHeight, int panelHeight)
{
    std::vector<RowPiece> pieces;
    if (creditsHeight <= 0)
        return pieces;
    int source = std::clamp(scrollRow, 0, creditsHeight - 1);
    for (int panelRow = 0; panelRow < panelHeight;) {
        const int rows = std::min(creditsHeight - source, panelHeight - panelRow);
        pieces.push_back({source, panelRow, rows});
        panelRow += rows;
        source = 0;
    }
    return pieces;
}

// ---- one frame

TColor TextPanelInk()
{
    // The background under the panel never changes: one look is enough.
    static const TColor ink = ReadableInkOver(kTextPanelColor, AboutBackground(), kTextPanelRect);
    return ink;
}

CanvasFont TextPanelFont(bool bold)
{
    CanvasFont font;
    font.SetPointSize(kTextPanelPoints);
    font.color = TextPanelInk();
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

void DrawTextPanel(QImage& composition, const TypedText& text, const AboutButtons& buttons, bool buttonsShown)
{
    QImage panel = composition.copy(DeviceRect(kTextPanelRect, composition.devicePixelRatio()));
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
    for (int row = 0; row < surface.Height(); ++row) {
        const ColumnSpan span = DarkenedSpan(surface, row);
        surface.ShadeRow(span.first, span.last, row, kDarkening, kDarkening, kDarkening);
        // The pale sky and the globe's ice stay too light for the credits.
        surface.DarkenUnderInk(span.first, span.last, row, kCreditsTextColor);
    }
    for (const RowPiece& piece : CreditPieces(scrollRow, credits.height)) {
        const QRect target(0, piece.panelRow, kCreditsWidth, piece.rows);
        const QRect source(0, piece.sourceRow, kCreditsWidth, piece.rows);
        panel.CopyRect(target, credits.picture, source);
    }
    Canvas canvas(composition);
    surface.Draw(canvas, kCreditsRect.left(), kCreditsRect.top());
}
