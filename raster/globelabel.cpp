// The caption box of the globe view.
#include "raster/globelabel.h"

#include "raster/globeview.h"
#include "raster/surfacecopy.h"

#include <memory>

const std::array<int, LabelRadius + 1> LabelInset = {0, 4, 5, 6, 6, 7, 7, 7};

namespace {

constexpr TColor kLabelTextColor = 0xE0E0FF;
constexpr int kDarkening = 130; // of 256: about half brightness

std::unique_ptr<TDibPlus> label;

void DarkenWithRoundCorners(TDibPlus& surface)
{
    for (int r = 0; r < kLabelHeight; ++r) {
        const int d = std::min(r, kLabelHeight - 1 - r);
        if (d <= LabelRadius)
            surface.ShadeRow(LabelRadius - LabelInset[d], 138 + LabelInset[d], r, kDarkening, kDarkening,
                             kDarkening);
        else
            surface.ShadeRow(0, kLabelWidth, r, kDarkening, kDarkening, kDarkening);
    }
}

} // namespace

void AllocateLabel()
{
    if (label)
        return;
    label = std::make_unique<TDibPlus>(kLabelWidth, kLabelHeight);
    CanvasFont& font = label->Canvas().font;
    font.color = kLabelTextColor;
    font.setPointSize(10);
    font.name = QStringLiteral("Arial");
    font.bold = true;
}

void FreeLabel()
{
    label.reset();
}

TDibPlus* LabelSurface()
{
    return label.get();
}

void DrawGlobeLabel(QImage& picture, bool placeShown, const QString& title, const QString& detail)
{
    if (!label)
        return;
    CopyPictureToSurface(picture, QRect(kLabelLeft, kLabelTop, kLabelWidth, kLabelHeight), *label);
    Canvas& canvas = label->Canvas();
    DarkenWithRoundCorners(*label);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font.bold = true;
    canvas.font.setPointSize(10);
    if (placeShown)
        canvas.TextOut(5, 4, QStringLiteral("Lieu sélectionné :"));
    canvas.TextOut(5, 19, title);
    canvas.font.bold = false;
    canvas.font.setPointSize(8);
    canvas.TextOut(5, 34, detail);
    canvas.brush.style = BrushStyle::Solid;
    CopySurfaceToPicture(*label, picture, kLabelLeft, kLabelTop);
}
