// Pixel pictures for the canvas tests: an image drawn as rows of characters,
// so that an expectation reads like the picture it describes.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <string>
#include <vector>

namespace canvas_testing {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr TColor kRed = 0x0000FF; // canvas layout: red in the low byte
constexpr TColor kBlue = 0xFF0000;

// A white image of the given size and format.
QImage Blank(int width, int height, QImage::Format format = QImage::Format_RGB32);

// Rows of characters: '.' white, '#' black, 'r' red, 'b' blue, '?' any other.
std::string Sketch(const QImage& image);
std::string Rows(const std::vector<std::string>& lines);

// How many pixels of the image have this canvas colour.
int CountColor(const QImage& image, TColor color);

} // namespace canvas_testing
