// Geometry of the about box's credits panel: its rounded darkened shape
// and the endless scroll of the credits through it.
#pragma once

#include <vector>

constexpr int kCreditsWidth = 400;
constexpr int kCreditsPanelHeight = 265;
constexpr int kCreditsCornerRadius = 20;
// Row of the credits shown at the top of the panel when they do not scroll.
constexpr int kStillCreditsRow = 100;

// Half-width of the rounded corner's chord on row i (0..20):
// round(sqrt(20² - (20 - i)²)).
int CornerHalfWidth(int i);

// Columns x1..x2 (both included) darkened on row `row` of the panel.
struct RowSpan
{
    int x1;
    int x2;
};
RowSpan DarkenedSpan(int row);

// Height of the credits picture: (lines - 1) line heights and 40 pixels.
int CreditsHeight(int lineCount, int lineHeight);

// The scroll position after one more row, back to 0 at the end.
int NextScrollRow(int row, int creditsHeight);

// Rows of the credits copied to the panel, from `scrollRow` on and again
// from the first row when they run out.
struct RowPiece
{
    int sourceRow;
    int panelRow;
    int rows;
};
std::vector<RowPiece> CreditPieces(int scrollRow, int creditsHeight, int panelHeight = kCreditsPanelHeight);
