// The shapes of the scale's readout: seven-segment glyphs (0-9, then D, E,
// P, A, S, S, E for DEPASSE) and the unit letter N, as regions of the plane,
// so that they are drawn at any resolution.
#pragma once

constexpr int kGlyphWidth = 25;
constexpr int kGlyphHeight = 35;
constexpr int kGlyphCount = 17;
constexpr int kUnitWidth = 20;
constexpr int kUnitHeight = 29;

// Whether the point (x, y), in pixels from the top-left of glyph `glyph`'s
// cell, is lit; false for any other glyph number. A pixel is lit when its
// centre is.
bool GlyphLit(int glyph, double x, double y);

// The same for the unit letter in its 20 x 29 cell.
bool UnitLit(double x, double y);
