// The globe view: up to four slots, each turning a planet map into the
// picture of a rotated sphere with an optional caption box. Slots 1 to 3
// belong to the weight window, slot 4 to the about box. Everything runs on
// the user-interface thread. Below the slots: the sphere projection, the
// caption box and the decoding of the JPEG maps.
#pragma once

#include "canvas/canvas.h"
#include "raster/placerecord.h"
#include "raster/tdibplus.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>

// ---- slots

constexpr int kFirstGlobeSlot = 1;
constexpr int kLastGlobeSlot = 4;
constexpr int kGlobePictureSide = 217;

// Per-slot module variables, set by the owning windows (index 0 unused).
// GlobePlace: index in the place table, 0 = nothing shown.
extern std::array<std::int32_t, kLastGlobeSlot + 1> GlobePlace;
extern std::array<float, kLastGlobeSlot + 1> GlobeTurn; // degrees about the polar axis
extern std::array<float, kLastGlobeSlot + 1> GlobeTilt; // degrees about the screen's horizontal axis

// The place table that LoadGlobeMap reads for a slot that does not come
// from an event: the weight window registers its table before loading.
void SetGlobePlaceTable(std::span<const PlaceRecord> places);
// The about box's current event record, read by LoadGlobeMap(slot, true).
extern PlaceRecord GlobeEventRecord;

// Resource names of the planet pictures, by index 1..11 ("Terre_jpg" is 3);
// empty for any other index.
QString PlanetPictureName(int picture);

// Creates the objects of slots first..last and the shared caption surface.
void AllocateGlobes(int first, int last);
// Frees the objects of slots first..last (an empty range frees none) and,
// with alsoLabel, the caption surface.
void FreeGlobes(int first, int last, bool alsoLabel);

// Draws the picture and marker of the slot's place into its map. A picture
// that is missing or cannot be decoded leaves the map black.
void LoadGlobeMap(int slot, bool fromEvent);

// The device pixel ratio of the screen that shows the slot's picture (1
// until set). A new ratio rebuilds the slot's map, sphere and picture at
// that resolution, the map from the place last loaded; render again after.
void SetGlobeRatio(int slot, qreal ratio);
qreal GlobeRatio(int slot);

// Renders the sphere and, with withLabel, the caption box into the slot's
// picture. `background` is a canvas colour (0x00BBGGRR).
void RenderGlobe(int slot, const QString& title, const QString& detail, bool withLabel, TColor background);

// The slot's finished 217 x 217 picture (logical size, at the slot's ratio),
// to copy onto its paint box; a null image when the slot is not allocated.
const QImage& GlobePicture(int slot);
// The slot's map (642 x 621 logical pixels, rows 0..320 hold the planet) and
// rendered sphere (206 x 206), at the slot's ratio; null when the slot is
// not allocated.
TDibPlus* GlobeMap(int slot);
TDibPlus* GlobeImage(int slot);
// The shared 145 x 55 caption scratch surface; null when absent.
TDibPlus* LabelSurface();

// ---- sphere projection

// A 642 x 321 equirectangular map forward-mapped onto a 206 x 206 picture
// of a sphere turned and tilted by whole degrees, in single precision
// (globeprojection.cpp).

// Map and sphere geometry: 642 map columns make the equator, so the sphere's
// radius is 321 / pi map pixels. Each row's radius terms are worked out from
// this exact value and only then rounded to single precision.
constexpr int kGlobeMapColumns = 642;
constexpr int kGlobeMapRows = kGlobeMapColumns / 2; // pole to pole
constexpr int kGlobeImageSide = 206;
constexpr int kGlobeCentre = kGlobeImageSide / 2;
constexpr double kGlobeRadius = 102.1774735;

// cos and sin of 2 pi k / 642 (k = 0..720) and of 2 pi k / 360 (k = 0..360),
// rounded to single precision.
struct GlobeTables
{
    std::array<float, 721> Cos642;
    std::array<float, 721> Sin642;
    std::array<float, 361> Cos360;
    std::array<float, 361> Sin360;
};
const GlobeTables& GlobeTrigTables();

// Whole degrees brought into 0..360 (360 stays 360: the 361-entry tables
// have that index).
int NormalizeDegrees(int n);

// Draws rows 0..320 of `map` as a sphere onto `image` (206 x 206), turned
// by `turnDeg` about the polar axis and tilted by `tiltDeg` about the
// horizontal screen axis; only the front hemisphere, later map pixels over
// earlier ones, the rest of `image` untouched.
void ProjectGlobe(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg);

// The same sphere on surfaces composed at a device pixel ratio (both at the
// image's ratio): each device pixel of the front hemisphere takes the map's
// device pixel under it (mapped back), so none is left out at any ratio.
void ProjectGlobeAtRatio(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg);
// Its rows firstRow..lastRow - 1 alone, so that a renderer can take a band
// of rows through all its steps on one thread.
void ProjectGlobeRowsAtRatio(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg, int firstRow, int lastRow);
// Runs work(firstRow, lastRow) over rows 0..rows - 1 in bands, one a
// processor, on the thread pool; returns when every band is done. With
// `onceTopDone`, that runs on the calling thread as soon as rows
// 0..topRows - 1 are done, while later bands may still run: it must keep to
// those rows.
void InRowBands(int rows, const std::function<void(int firstRow, int lastRow)>& work, int topRows = 0,
                const std::function<void()>& onceTopDone = {});

// ---- caption box

// A translucent, round-cornered box in the upper part of a globe picture,
// built on one shared scratch surface.

constexpr int kLabelWidth = 145;
constexpr int kLabelHeight = 55;
constexpr int kLabelLeft = 55; // 217 - 145 - 17
constexpr int kLabelTop = 19;
constexpr int LabelRadius = 7;

// Corner profile at a ratio of 1 (RoundedBoxRow gives it at any ratio):
// LabelInset[k] = RoundHalfEven(sqrt(7^2 - (7 - k)^2)).
extern const std::array<int, LabelRadius + 1> LabelInset;

// Creates the caption surface if it is absent; frees it.
void AllocateLabel();
void FreeLabel();

// Darkens the box's rectangle of `picture` (RGB32, at any ratio: the caption
// surface follows it) with round corners and writes
// "Lieu sélectionné :" (when a place is shown), the title and the detail
// on it. Does nothing while the caption surface is absent.
void DrawGlobeLabel(QImage& picture, bool placeShown, const QString& title, const QString& detail);

// ---- JPEG maps

// Decoding of JPEG pictures held in memory (the planet maps among the
// resources), through libjpeg, safe against damaged data.
// The picture as an RGB32 image; a null image when the data is not a whole,
// sound JPEG picture (damaged, truncated, not a JPEG, absurdly large).
QImage DecodeJpeg(const QByteArray& data);
