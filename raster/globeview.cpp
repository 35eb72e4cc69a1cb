// The globe view's slots: their life, their maps and their rendering; and
// the caption box drawn over a globe.
#include "raster/globeview.h"

#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"

#include <QCoreApplication>
#include <cstdlib>
#include <memory>

std::array<std::int32_t, kLastGlobeSlot + 1> GlobePlace{};
std::array<float, kLastGlobeSlot + 1> GlobeTurn{};
std::array<float, kLastGlobeSlot + 1> GlobeTilt{};
PlaceRecord GlobeEventRecord;

namespace {

constexpr int kMapSurfaceHeight = 621;
constexpr int kImageOffset = 5;

struct GlobeSlot
{
    TDibPlus map{kGlobeMapColumns, kMapSurfaceHeight};
    TDibPlus image{kGlobeImageSide, kGlobeImageSide};
    // Written by plain pixel copies, never through a lasting painter, so
    // that copies the owners keep of it cannot get out of step.
    QImage picture{kGlobePictureSide, kGlobePictureSide, QImage::Format_RGB32};

    // A new picture is white until its first render, like any new bitmap,
    // rather than whatever the memory held.
    GlobeSlot() { picture.fill(Qt::white); }
};

std::array<std::unique_ptr<GlobeSlot>, kLastGlobeSlot + 1> globeSlots;
std::span<const PlaceRecord> placeTable;

const char* const kPlanetPictures[] = {
    "Mercure_jpg", "Venus_jpg",   "Terre_jpg",  "Mars_jpg", "Jupiter_jpg", "Saturne_jpg",
    "Uranus_jpg",  "Neptune_jpg", "Pluton_jpg", "Lune_jpg", "Soleil_jpg",
};

bool ValidSlot(int slot)
{
    return slot >= kFirstGlobeSlot && slot <= kLastGlobeSlot;
}

GlobeSlot* Slot(int slot)
{
    return ValidSlot(slot) ? globeSlots[slot].get() : nullptr;
}

// The picture of a place, decoded from the resources; null when missing or
// unreadable.
QImage LoadPlanetPicture(const QString& name)
{
    if (name.endsWith(QLatin1String("jpg")))
        return DecodeJpeg(LoadNamedResource(name));
    return LoadNamedPicture(name);
}

// Slots left allocated at the end are freed while the application still
// stands: their painters and fonts must not outlive it.
void FreeEverything()
{
    FreeGlobes(kFirstGlobeSlot, kLastGlobeSlot, true);
}

void FreeAtExit()
{
    static bool registered = false;
    if (!registered && QCoreApplication::instance()) {
        qAddPostRoutine(FreeEverything);
        registered = true;
    }
}

// The painter's raster works within +-32767; an event's numbers can be any
// integers, whose marker box would overflow or lose all precision.
bool MarkerFits(const PlaceRecord& place)
{
    constexpr std::int64_t limit = 32767;
    const std::int64_t reach = place.MarkRadius == 0 ? 3 : std::abs(std::int64_t(place.MarkRadius));
    return std::abs(std::int64_t(place.MarkX)) + reach <= limit && std::abs(std::int64_t(place.MarkY)) + reach <= limit;
}

void DrawMarker(Canvas& canvas, const PlaceRecord& place)
{
    constexpr TColor red = 0x0000FF;
    const bool poleBand = place.MarkRadius == 0 && place.MarkX == 1000;
    if (!poleBand && !MarkerFits(place))
        return;
    canvas.pen = {red, 1, PenStyle::Solid};
    if (place.MarkRadius == 0) {
        canvas.brush = {red, BrushStyle::Solid};
        if (poleBand)
            canvas.FillRect(0, 0, 640, 3);
        else
            canvas.Ellipse(place.MarkX - 3, place.MarkY - 3, place.MarkX + 3, place.MarkY + 3);
        return;
    }
    const int r = place.MarkRadius;
    canvas.brush.style = BrushStyle::Clear;
    canvas.pen.style = PenStyle::Dot;
    canvas.Ellipse(place.MarkX - r, place.MarkY - r, place.MarkX + r, place.MarkY + r);
    canvas.brush.style = BrushStyle::Solid;
    canvas.pen.style = PenStyle::Solid;
}

} // namespace

void SetGlobePlaceTable(std::span<const PlaceRecord> places)
{
    placeTable = places;
}

QString PlanetPictureName(int picture)
{
    if (picture < 1 || picture > static_cast<int>(std::size(kPlanetPictures)))
        return {};
    return QString::fromLatin1(kPlanetPictures[picture - 1]);
}

void AllocateGlobes(int first, int last)
{
    for (int s = std::max(first, kFirstGlobeSlot); s <= std::min(last, kLastGlobeSlot); ++s)
        if (!globeSlots[s])
            globeSlots[s] = std::make_unique<GlobeSlot>();
    AllocateLabel();
    FreeAtExit();
}

void FreeGlobes(int first, int last, bool alsoLabel)
{
    for (int s = std::max(first, kFirstGlobeSlot); s <= std::min(last, kLastGlobeSlot); ++s)
        globeSlots[s].reset();
    if (alsoLabel)
        FreeLabel();
}

void LoadGlobeMap(int slot, bool fromEvent)
{
    GlobeSlot* globe = Slot(slot);
    if (!globe)
        return;
    if (fromEvent)
        GlobePlace[slot] = 1;
    const int index = GlobePlace[slot];
    if (index <= 0)
        return;
    if (!fromEvent && index >= static_cast<int>(placeTable.size()))
        return;
    const PlaceRecord& place = fromEvent ? GlobeEventRecord : placeTable[index];
    Canvas& canvas = globe->map.Canvas();
    if (place.Picture > 0) {
        const QImage picture = LoadPlanetPicture(PlanetPictureName(place.Picture));
        if (picture.isNull()) {
            canvas.brush = {0x000000, BrushStyle::Solid};
            canvas.FillRect(0, 0, kGlobeMapColumns, kGlobeMapRows);
        } else {
            canvas.StretchDraw(QRect(0, 0, kGlobeMapColumns, kGlobeMapRows), picture);
        }
    }
    if (place.Marked)
        DrawMarker(canvas, place);
}

void RenderGlobe(int slot, const QString& title, const QString& detail, bool withLabel, TColor background)
{
    GlobeSlot* globe = Slot(slot);
    if (!globe)
        return;
    globe->picture.fill(QRgbFromCanvas(background));
    if (GlobePlace[slot] > 0) {
        globe->image.Fill(background);
        ProjectGlobe(globe->map, globe->image, RoundHalfEven(GlobeTurn[slot]), RoundHalfEven(GlobeTilt[slot]));
        CopySurfaceToPicture(globe->image, globe->picture, kImageOffset, kImageOffset);
    }
    if (withLabel)
        DrawGlobeLabel(globe->picture, GlobePlace[slot] > 0, title, detail);
}

const QImage& GlobePicture(int slot)
{
    static const QImage none;
    const GlobeSlot* globe = Slot(slot);
    return globe ? globe->picture : none;
}

TDibPlus* GlobeMap(int slot)
{
    GlobeSlot* globe = Slot(slot);
    return globe ? &globe->map : nullptr;
}

TDibPlus* GlobeImage(int slot)
{
    GlobeSlot* globe = Slot(slot);
    return globe ? &globe->image : nullptr;
}

// ---- caption box

const std::array<int, LabelRadius + 1> LabelInset = {0, 4, 5, 6, 6, 7, 7, 7};

namespace {

constexpr TColor kLabelTextColor = 0xE0E0FF;
constexpr int kDarkening = 130; // of 256: about half brightness

std::unique_ptr<TDibPlus> label;

void DarkenWithRoundCorners(TDibPlus& surface)
{
    for (int r = 0; r < kLabelHeight; ++r) {
        const int d = std::min(r, kLabelHeight - 1 - r);
        const int x1 = d <= LabelRadius ? LabelRadius - LabelInset[d] : 0;
        const int x2 = d <= LabelRadius ? 138 + LabelInset[d] : kLabelWidth;
        surface.ShadeRow(x1, x2, r, kDarkening, kDarkening, kDarkening);
        // Ice and clouds stay too light for the text at half brightness.
        surface.DarkenUnderInk(x1, x2, r, kLabelTextColor);
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
    font.SetPointSize(10);
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
    canvas.font.SetPointSize(10);
    if (placeShown)
        canvas.TextOut(5, 4, QStringLiteral("Lieu sélectionné :"));
    canvas.TextOut(5, 19, title);
    canvas.font.bold = false;
    canvas.font.SetPointSize(8);
    canvas.TextOut(5, 34, detail);
    canvas.brush.style = BrushStyle::Solid;
    CopySurfaceToPicture(*label, picture, kLabelLeft, kLabelTop);
}
