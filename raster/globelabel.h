// The caption box of the globe view: a translucent, round-cornered box in
// the upper part of a globe picture, built on one shared scratch surface.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QString>
#include <array>

constexpr int kLabelWidth = 145;
constexpr int kLabelHeight = 55;
constexpr int kLabelLeft = 55; // 217 - 145 - 17
constexpr int kLabelTop = 19;
constexpr int LabelRadius = 7;

// Corner profile: LabelInset[k] = RoundHalfEven(sqrt(7^2 - (7 - k)^2)).
extern const std::array<int, LabelRadius + 1> LabelInset;

// Creates the caption surface if it is absent; frees it.
void AllocateLabel();
void FreeLabel();

// Darkens the box's rectangle of `picture` (RGB32) with round corners and writes
// "Lieu sélectionné :" (when a place is shown), the title and the detail
// on it. Does nothing while the caption surface is absent.
void DrawGlobeLabel(QImage& picture, bool placeShown, const QString& title, const QString& detail);
