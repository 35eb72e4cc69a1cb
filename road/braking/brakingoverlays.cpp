// What a run adds over the road: dashed marks at the reaction, braking and
// stop points, translucent bands over the reaction and braking stretches,
// and the result panel with the measured quantities.
#include "road/braking/brakingscene.h"

#include "canvas/textformat.h"
#include "raster/globeview.h"
#include "raster/tdibplus.h"
#include "road/braking/model/brakingsession.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr TColor kMarkerColor = 0x4D32D8;
// The dashes of a dashed pen one pixel wide.
constexpr int kDashOn = 18;
constexpr int kDashOff = 6;
// Row k of a rounded corner of radius 8 reaches Round(sqrt(64 - (8 - k)^2))
// pixels into the corner.
constexpr std::array<int, 9> kPanelCorner{0, 4, 5, 6, 7, 7, 8, 8, 8};
constexpr int kPanelRight = 151; // the panel's left edge, from the zone's right edge
constexpr int kPanelTextMargin = 7;
constexpr int kPanelLineStep = 15;
constexpr int kPanelFirstLine = 6;

// Inset of band row i (0..25) at a pointed end: an arrow head 13 deep.
int BandInset(int row)
{
    return std::abs(13 - row);
}

} // namespace

void BrakingScene::DrawMarkers(Canvas& canvas, const BrakingSession& session, int k) const
{
    const KeyPoints& keys = session.Vehicle(k).Keys();
    const double origin = session.View().Origin(k);
    const double width = session.View().ViewWidth();
    const int bottom = m_zone.height();
    canvas.brush = CanvasBrush{kMarkerColor};
    const std::array<std::pair<int, double>, 3> points{
        {{keys.ReactionStep, keys.ReactionPos}, {keys.BrakeStep, keys.BrakePos}, {keys.StopStep, keys.StopPos}}};
    for (const auto& [step, position] : points) {
        if (session.CurrentStep() < step || position < origin || position > origin + width)
            continue;
        // Three dashed lines side by side, from the top, as a dashed pen
        // draws them: each dash one small fill rather than a long line
        // clipped row by row.
        const int x = RoundHalfEven((position - origin) * m_scale);
        for (int y = 0; y < bottom; y += kDashOn + kDashOff)
            canvas.FillRect(x, y, x + 3, std::min(y + kDashOn, bottom));
    }
}

void BrakingScene::DrawBands(Canvas& canvas, const BrakingSession& session, int k)
{
    const KeyPoints& keys = session.Vehicle(k).Keys();
    const double origin = session.View().Origin(k);
    const double width = session.View().ViewWidth();
    const double front = session.View().CurrentPos(k);
    const int step = session.CurrentStep();
    const int rightEdge = RoundHalfEven(width * m_scale);
    const auto inView = [&](double p) { return origin <= p && p <= origin + width; };
    const auto column = [&](double p) { return RoundHalfEven((p - origin) * m_scale); };

    // One stretch from `from` to `to`; until `to` is reached the band ends
    // at the car.
    const auto band = [&](double from, double to, int startStep, int endStep, const QString& text) {
        const bool covers = from < origin && origin + width < to;
        if (step < startStep || !(inView(from) || inView(to) || covers))
            return;
        const bool leftPointed = inView(from);
        const int x1 = leftPointed ? column(from) : 0;
        bool rightPointed;
        int x2;
        if (step >= endStep) {
            rightPointed = inView(to);
            x2 = rightPointed ? column(to) : rightEdge;
        } else {
            rightPointed = origin + width > front;
            x2 = rightPointed ? column(front) : rightEdge;
        }
        DrawBand(canvas.Image(), x1, x2, leftPointed, rightPointed, text);
    };
    band(keys.ReactionPos, keys.BrakePos, keys.ReactionStep, keys.BrakeStep, QStringLiteral("  Réaction  "));
    band(keys.BrakePos, keys.StopPos, keys.BrakeStep, keys.StopStep, QStringLiteral("  Freinage  "));
}

void BrakingScene::DrawBand(QImage& picture, int x1, int x2, bool leftPointed, bool rightPointed, const QString& text)
{
    if (!m_bandSurface || !m_bandSurface->HasHandle() || x2 <= x1)
        return;
    TDibPlus& surface = *m_bandSurface;
    const int span = x2 - x1;
    CopyPictureToSurface(picture, QRect(0, kBandTop, surface.Width(), kBandHeight), surface);
    for (int i = 0; i < kBandHeight; ++i) {
        const int inset = std::min(BandInset(i), span);
        const int a = leftPointed ? x1 + inset : x1;
        const int b = rightPointed ? x2 - inset : x2;
        // Ends that meet or cross leave nothing to shade (and a span wholly
        // outside the surface would blacken the row).
        if (a >= b || a >= surface.Width() || b < 0)
            continue;
        surface.ShadeRow(a, b, i, dark.red, dark.green, dark.blue);
    }
    Canvas& canvas = surface.Canvas();
    const int textWidth = canvas.TextWidth(text);
    if (textWidth < span)
        canvas.TextOut(x1 + (span - textWidth) / 2, (kBandHeight - canvas.TextHeight(text)) / 2, text);
    CopySurfaceToPicture(surface, picture, 0, kBandTop);
}

void BrakingScene::DrawPanel(QImage& picture, const BrakingSession& session, int k)
{
    if (!m_panelSurface || !m_panelSurface->HasHandle())
        return;
    TDibPlus& panel = *m_panelSurface;
    const int left = m_zone.width() - kPanelRight;
    CopyPictureToSurface(picture, QRect(left, kDialTop, kPanelWidth, kPanelHeight), panel);
    for (int row = 0; row < kPanelHeight; ++row) {
        const int fromEdge = std::min(row, kPanelHeight - 1 - row);
        const int w = fromEdge < int(kPanelCorner.size()) ? kPanelCorner[std::size_t(fromEdge)] : 8;
        panel.ShadeRow(8 - w, 139 + w, row, dark.red, dark.green, dark.blue);
    }

    const auto [labels, values] = ReadoutLines(session.Quantities(k));
    Canvas& canvas = panel.Canvas();
    for (std::size_t line = 0; line < labels.size(); ++line) {
        const int y = kPanelFirstLine + int(line) * kPanelLineStep;
        canvas.TextOut(kPanelTextMargin, y, labels[line]);
        if (line < values.size())
            canvas.TextOut(kPanelWidth - canvas.TextWidth(values[line]) - kPanelTextMargin, y, values[line]);
    }
    CopySurfaceToPicture(panel, picture, left, kDialTop);
}
