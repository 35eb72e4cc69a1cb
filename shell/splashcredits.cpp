#include "shell/splashcredits.h"

#include <algorithm>
#include <cmath>

int CornerHalfWidth(int i)
{
    const int r = kCreditsCornerRadius;
    const int d = r - std::clamp(i, 0, r);
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(r * r - d * d))));
}

RowSpan DarkenedSpan(int row)
{
    const int r = kCreditsCornerRadius;
    const int fromEdge = std::min(row, kCreditsPanelHeight - 1 - row);
    if (fromEdge > r)
        return {0, kCreditsWidth - 1};
    const int half = CornerHalfWidth(fromEdge);
    return {r - half, std::min(kCreditsWidth - r + half, kCreditsWidth - 1)};
}

int CreditsHeight(int lineCount, int lineHeight)
{
    return std::max(0, lineCount - 1) * lineHeight + 40;
}

int NextScrollRow(int row, int creditsHeight)
{
    const int next = row + 1;
    return next >= creditsHeight ? 0 : next;
}

std::vector<RowPiece> CreditPieces(int scrollRow, int creditsHeight, int panelHeight)
{
    std::vector<RowPiece> pieces;
    if (creditsHeight <= 0)
        return pieces;
    int source = std::clamp(scrollRow, 0, creditsHeight - 1);
    for (int panelRow = 0; panelRow < panelHeight;) {
        const int rows = std::min(creditsHeight - source, panelHeight - panelRow);
        pieces.push_back({source, panelRow, rows});
        panelRow += rows;
        source = 0;
    }
    return pieces;
}
