// The globe view's slots: their life, their maps and their rendering; and
// the caption box drawn over a globe.
#include "raster/globeview.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

std::array<std::int32_t, kLastGlobeSlot + 1> GlobePlace{};
std::array<float, kLastGlobeSlot + 1> GlobeTurn{};
std::array<float, kLastGlobeSlot + 1> GlobeTilt{};
PlaceRecord GlobeEventRecord;

namespace {

constexpr int kMapSurfaceHeight = 621;
constexpr int kImageOffset = 5;
// Beyond any screen's: a map at 8 times is already 46 MB.
constexpr qreal kMaxRatio = 8;

struct GlobeSlot
{
    explicit GlobeSlot(qreal ratio = 1)
        : ratio(ratio),
          map(kGlobeMapColumns, kMapSurfaceHeight, ratio),
          image(kGlobeImageSide, kGlobeImageSide, ratio),
          picture(NewPicture(QSize(kGlobePictureSide, kGlobePictureSide), ratio))
    {
        // A new picture is white until its first render, like any new
        // bitmap, rather than whatever the memory held.
        picture.fill(Qt::white);
    }

    qreal ratio;
    TDibPlus map;
    TDibPlus image;
    // Written by plain pixel copies, never through a lasting painter, so
    // that copies the owners keep of it cannot get out of step.
    QImage picture;
    // The place last drawn into the map, to draw it again at a new ratio.
    std::optional<PlaceRecord> loaded;
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

// The painter's raster works within +-32767 device pixels; an event's
// numbers can be any integers, whose marker box would overflow or lose all
// precision.
bool MarkerFits(const PlaceRecord& place, qreal ratio)
{
    const auto limit = static_cast<std::int64_t>(32767 / ratio);
    const std::int64_t reach = place.MarkRadius == 0 ? 3 : std::abs(std::int64_t(place.MarkRadius));
    return std::abs(std::int64_t(place.MarkX)) + reach <= limit && std::abs(std::int64_t(place.MarkY)) + reach <= limit;
}

void DrawMarker(Canvas& canvas, const PlaceRecord& place)
{
    constexpr TColor red = 0x0000FF;
    const bool poleBand = place.MarkRadius == 0 && place.MarkX == 1000;
    if (!poleBand && !MarkerFits(place, canvas.Scale()))
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

namespace {

// The Earth also comes at twice the map size, for scaled screens.
QImage LoadPlanetPictureFor(int picture, qreal ratio)
{
    if (ratio > 1 && PlanetPictureName(picture) == QLatin1String("Terre_jpg")) {
        QImage fine = LoadPlanetPicture(QStringLiteral("Terre2x_jpg"));
        if (!fine.isNull())
            return fine;
    }
    return LoadPlanetPicture(PlanetPictureName(picture));
}

// The place's picture, stretched over the map's planet rows, and its marker.
// On a map finer than the picture (a scaled screen) the picture is smoothed
// to the map's pixels, so that the sphere shows no blocks; the marker is
// drawn at full resolution.
void DrawPlaceOnMap(TDibPlus& map, const PlaceRecord& place)
{
    Canvas& canvas = map.Canvas();
    if (place.Picture > 0) {
        const QImage picture = LoadPlanetPictureFor(place.Picture, map.Ratio());
        if (picture.isNull()) {
            canvas.brush = {0x000000, BrushStyle::Solid};
            canvas.FillRect(0, 0, kGlobeMapColumns, kGlobeMapRows);
        } else if (map.Ratio() == 1) {
            canvas.StretchDraw(QRect(0, 0, kGlobeMapColumns, kGlobeMapRows), picture);
        } else {
            QImage fine = picture.scaled(DeviceRect(QRect(0, 0, kGlobeMapColumns, kGlobeMapRows), map.Ratio()).size(),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            fine.setDevicePixelRatio(map.Ratio());
            canvas.Draw(0, 0, fine);
        }
    }
    if (place.Marked)
        DrawMarker(canvas, place);
}

} // namespace

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
    globe->loaded = place;
    DrawPlaceOnMap(globe->map, place);
}

void SetGlobeRatio(int slot, qreal ratio)
{
    GlobeSlot* globe = Slot(slot);
    if (!globe)
        return;
    if (!(ratio > 0) || ratio > kMaxRatio)
        ratio = 1;
    if (ratio == globe->ratio)
        return;
    const std::optional<PlaceRecord> loaded = globe->loaded;
    globeSlots[slot] = std::make_unique<GlobeSlot>(ratio);
    globe = globeSlots[slot].get();
    globe->loaded = loaded;
    if (loaded)
        DrawPlaceOnMap(globe->map, *loaded);
}

qreal GlobeRatio(int slot)
{
    const GlobeSlot* globe = Slot(slot);
    return globe ? globe->ratio : 1;
}

namespace {

// The caption box in the picture, in device pixels.
QRect CaptionBox(qreal ratio)
{
    return DeviceRect(QRect(kLabelLeft, kLabelTop, kLabelWidth, kLabelHeight), ratio);
}

// Where the sphere's image stands in the picture, in device pixels.
QPoint ImageOrigin(const GlobeSlot& globe)
{
    return DeviceRect(QRect(kImageOffset, kImageOffset, 1, 1), globe.ratio).topLeft();
}

// The picture's margin round `square` takes `colour`: the render writes
// the square whole, and three pictures a tick at r = 2 are worth not
// filling twice.
void FillAround(QImage& picture, const QRect& square, QRgb colour)
{
    const QRect inside = square & picture.rect();
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        QRgb* const end = row + picture.width();
        if (y < inside.top() || y > inside.bottom()) {
            std::fill(row, end, colour);
            continue;
        }
        std::fill(row, row + inside.left(), colour);
        std::fill(row + inside.right() + 1, end, colour);
    }
}

// The sphere on `background`, copied into the picture, then `caption` drawn
// over it. At a ratio above 1 each band of rows is filled, projected and
// copied on its own thread, and the caption, which keeps to the picture's
// upper rows, is drawn as soon as those are done.
void RenderSphere(GlobeSlot& globe, int turn, int tilt, TColor background, const std::function<void()>& caption)
{
    const QPoint at = ImageOrigin(globe);
    if (globe.ratio == 1) {
        globe.image.Fill(background);
        ProjectGlobe(globe.map, globe.image, turn, tilt);
        CopySurfaceToPicture(globe.image, globe.picture, at.x(), at.y());
        caption();
        return;
    }
    const int captionBottom = CaptionBox(globe.ratio).bottom() + 1 - at.y();
    InRowBands(
        globe.image.Height(),
        [&](int firstRow, int lastRow) {
            globe.image.FillRows(firstRow, lastRow, background);
            ProjectGlobeRowsAtRatio(globe.map, globe.image, turn, tilt, firstRow, lastRow);
            CopySurfaceRowsToPicture(globe.image, firstRow, lastRow, globe.picture, at.x(), at.y());
        },
        captionBottom, caption);
}

} // namespace

void RenderGlobe(int slot, const QString& title, const QString& detail, bool withLabel, TColor background)
{
    GlobeSlot* globe = Slot(slot);
    if (!globe)
        return;
    const auto caption = [&] {
        if (withLabel)
            DrawGlobeLabel(globe->picture, GlobePlace[slot] > 0, title, detail);
    };
    if (GlobePlace[slot] > 0) {
        FillAround(globe->picture, QRect(ImageOrigin(*globe), QSize(globe->image.Width(), globe->image.Height())),
                   QRgbFromCanvas(background));
        RenderSphere(*globe, RoundHalfEven(GlobeTurn[slot]), RoundHalfEven(GlobeTilt[slot]), background, caption);
    } else {
        globe->picture.fill(QRgbFromCanvas(background));
        caption();
    }
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
    for (int r = 0; r < surface.Height(); ++r) {
        const ColumnSpan span = RoundedBoxRow(surface, LabelRadius, r);
        surface.ShadeRow(span.first, span.last, r, kDarkening, kDarkening, kDarkening);
        // Ice and clouds stay too light for the text at half brightness.
        surface.DarkenUnderInk(span.first, span.last, r, kLabelTextColor);
    }
}

void MakeLabel(qreal ratio)
{
    label = std::make_unique<TDibPlus>(kLabelWidth, kLabelHeight, ratio);
    CanvasFont& font = label->Canvas().font;
    font.color = kLabelTextColor;
    font.SetPointSize(10);
    font.name = QStringLiteral("Arial");
    font.bold = true;
}

} // namespace

void AllocateLabel()
{
    if (!label)
        MakeLabel(1);
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
    // One surface serves every slot: it follows the resolution of the
    // picture it is drawn on.
    if (label->Ratio() != picture.devicePixelRatio())
        MakeLabel(picture.devicePixelRatio());
    const QRect box = CaptionBox(label->Ratio());
    CopyPictureToSurface(picture, box, *label);
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
    CopySurfaceToPicture(*label, picture, box.left(), box.top());
}
