#include "shell/splashpictures.h"

#include "canvas/picturehelpers.h"
#include "raster/tdibplus.h"
#include "shell/splashcredits.h"

namespace {

constexpr TDibColor kMagentaPixel = 0xFF00FF;
constexpr TColor kCreditsTextColor = 0xEEEEEE;
constexpr int kCreditsFontPoints = 11;
constexpr QPoint kLogoPlace{15, 110};
constexpr int kFirstCreditTop = 10;

bool Opaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

} // namespace

QImage SplashBackground()
{
    QImage background(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    VerticalGradient(background, kSplashTopColor, kSplashBottomColor, kSplashHeight);
    Canvas canvas(background);
    canvas.brush = {kSplashFrameColor, BrushStyle::Solid};
    canvas.FrameRect(0, 0, kSplashWidth, kSplashHeight);
    return background;
}

QImage GlobeMaskFrom(const QImage& rendering)
{
    QImage mask(rendering.size(), QImage::Format_RGB32);
    const QRgb magenta = QRgbFromCanvas(kKeyMagenta);
    for (int y = 0; y < rendering.height(); ++y)
        for (int x = 0; x < rendering.width(); ++x) {
            const bool outside = (rendering.pixel(x, y) | 0xFF000000) == magenta;
            mask.setPixel(x, y, outside ? 0xFF000000 : 0xFFFFFFFF);
        }
    return mask;
}

QImage HardEdged(const QImage& picture)
{
    QImage hard = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hard.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(hard.scanLine(y));
        for (int x = 0; x < hard.width(); ++x)
            row[x] = Opaque(row[x]) ? (row[x] | 0xFF000000) : 0;
    }
    return hard;
}

MaskedPicture SplitTransparency(const QImage& source)
{
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    MaskedPicture split{QImage(picture.size(), QImage::Format_RGB32),
                        QImage(picture.size(), QImage::Format_RGB32)};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const bool opaque = Opaque(pixel);
            split.picture.setPixel(x, y, opaque ? (pixel | 0xFF000000) : 0xFFFFFFFF);
            split.mask.setPixel(x, y, opaque ? 0xFFFFFFFF : 0xFF000000);
        }
    return split;
}

CreditsPictures PrepareCredits(const QStringList& lines, const QImage& logo)
{
    CreditsPictures credits;
    CanvasFont font;
    font.setPointSize(kCreditsFontPoints);
    font.bold = true;
    font.color = kCreditsTextColor;
    {
        QImage probe(1, 1, QImage::Format_RGB32);
        Canvas measure(probe);
        measure.font = font;
        credits.lineHeight = measure.TextHeight(QStringLiteral("|"));
    }
    credits.height = CreditsHeight(static_cast<int>(lines.size()), credits.lineHeight);

    TDibPlus surface(kCreditsWidth, credits.height);
    surface.Fill(kKeyMagenta);
    Canvas& canvas = surface.Canvas();
    if (!logo.isNull())
        canvas.Draw(kLogoPlace.x(), kLogoPlace.y(), HardEdged(logo));
    canvas.font = font;
    canvas.brush.style = BrushStyle::Clear;
    for (int i = 0; i < lines.size(); ++i) {
        const int left = (kCreditsWidth - canvas.TextWidth(lines[i])) / 2;
        canvas.TextOut(left, kFirstCreditTop + i * credits.lineHeight, lines[i]);
    }

    credits.picture = QImage(kCreditsWidth, credits.height, QImage::Format_RGB32);
    credits.mask = QImage(kCreditsWidth, credits.height, QImage::Format_RGB32);
    for (int y = 0; y < credits.height; ++y)
        for (int x = 0; x < kCreditsWidth; ++x) {
            const TDibColor pixel = surface.GetPixel(x, y);
            const bool key = pixel == kMagentaPixel;
            credits.picture.setPixel(x, y, key ? 0xFFFFFFFF : (0xFF000000 | pixel));
            credits.mask.setPixel(x, y, key ? 0xFF000000 : 0xFFFFFFFF);
        }
    return credits;
}
