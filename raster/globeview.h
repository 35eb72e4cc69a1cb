// The globe view: up to four slots, each turning a planet map into the
// picture of a rotated sphere with an optional caption box. Slots 1 to 3
// belong to the weight window, slot 4 to the about box. Everything runs on
// the user-interface thread.
#pragma once

#include "canvas/canvas.h"
#include "raster/placerecord.h"
#include "raster/tdibplus.h"

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

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

// Renders the sphere and, with withLabel, the caption box into the slot's
// picture. `background` is a canvas colour (0x00BBGGRR).
void RenderGlobe(int slot, const QString& title, const QString& detail, bool withLabel, TColor background);

// The slot's finished 217 x 217 picture, to copy onto its paint box; a null
// image when the slot is not allocated.
const QImage& GlobePicture(int slot);
// The slot's map (642 x 621, rows 0..320 hold the planet) and rendered
// sphere (206 x 206); null when the slot is not allocated.
TDibPlus* GlobeMap(int slot);
TDibPlus* GlobeImage(int slot);
// The shared 145 x 55 caption scratch surface; null when absent.
TDibPlus* LabelSurface();
