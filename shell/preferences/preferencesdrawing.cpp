#include "shell/preferences/preferencesdrawing.h"

#include "canvas/canvas.h"
#include "canvas/picturehelpers.h"
#include "platform/resources/namedresources.h"

namespace {

const char* const kIconNames[] = {
    "Pref_Generales", "Pref_Outils",   "Pref_Securite", "Pref_Couleurs",
    "Pref_Poids",     "Pref_Conduite", "Pref_Orgue",    "Pref_Mouvements",
};

constexpr TColor kWhite = 0xFFFFFF;

} // namespace

QImage PreferencesPageDrawing(int page, qreal ratio)
{
    if (page < 0 || page >= int(std::size(kIconNames)))
        return {};
    return LoadNamedPicture(kIconNames[page], kPageIconSize, ratio);
}

QImage PreferencesPageIcon(int page, qreal ratio)
{
    QImage icon = NewPicture(kPageIconSize, ratio);
    icon.fill(Qt::white);
    Canvas canvas(icon);
    canvas.Draw(0, 0, PreferencesPageDrawing(page, ratio));
    return icon;
}

void DrawPreferencesBanner(QImage& banner, QImage& iconBitmap, const QImage& drawing, const QString& caption,
                           TColor buttonFace)
{
    const QSize size = banner.deviceIndependentSize().toSize();
    const int gradientWidth = std::max(0, size.width() - kBannerGradientLeft);
    QImage gradient = NewPicture(QSize(gradientWidth, size.height()), banner.devicePixelRatio());
    HorizontalGradient(gradient, kBannerNavy, buttonFace, gradientWidth);

    // The drawing's ground is transparent, so laying it on navy turns its
    // white ground navy with clean edges; white inside it turns navy too.
    iconBitmap.fill(QColorFromCanvas(kBannerNavy));
    {
        Canvas iconCanvas(iconBitmap);
        iconCanvas.Draw(0, 0, drawing);
    }
    ReplaceColor(iconBitmap, kWhite, kBannerNavy);

    Canvas canvas(banner);
    canvas.brush = {kBannerNavy, BrushStyle::Solid};
    canvas.FillRect(0, 0, size.width(), size.height());
    if (gradientWidth > 0)
        canvas.Draw(kBannerGradientLeft, 0, gradient);
    canvas.Draw(kBannerIconLeft, 0, iconBitmap);

    canvas.font.color = kWhite;
    canvas.font.bold = true;
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextOut(kBannerGradientLeft, (size.height() - canvas.TextHeight(caption)) / 2, caption);
}

void DrawColorPreview(QImage& preview, const AppSettingsRecord& s, const QString& title)
{
    Canvas canvas(preview);
    canvas.pen = {s.clCadre};
    canvas.brush = {s.clFond, BrushStyle::Solid};
    canvas.Rectangle(0, 0, 180, 100);

    canvas.pen = {s.clContour};
    canvas.brush = {s.clObjet, BrushStyle::Solid};
    canvas.Ellipse(65, 25, 115, 75);

    canvas.pen = {s.clTexte};
    canvas.brush = {s.clContour, BrushStyle::FDiagonal};
    canvas.Rectangle(10, 75, 170, 85);

    const struct
    {
        TColor color;
        int left;
    } markers[] = {{s.clTraceA, 113}, {s.clTraceB, 76}, {s.clTraceC, 88}};
    for (const auto& marker : markers) {
        canvas.pen = {marker.color};
        canvas.brush = {marker.color, BrushStyle::Solid};
        canvas.Ellipse(marker.left, 48, marker.left + 4, 52);
    }

    canvas.font.SetPointSize(7);
    canvas.font.bold = true;
    canvas.font.color = s.clTexte;
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextOut(175 - canvas.TextWidth(title), 5, title);
}
