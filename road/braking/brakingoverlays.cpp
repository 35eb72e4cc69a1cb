// What a run adds over the road: dashed marks at the reaction, braking and
// stop points, translucent bands over the reaction and braking stretches,
// and the result panel with the measured quantities.
#include "road/braking/brakingscene.h"

#include "canvas/textformat.h"
#include "road/braking/model/brakingsession.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr TColor kMarkerColor = 0x4D32D8;
// The dashes of a dashed pen one pixel wide.
constexpr int kDashOn = 18;
constexpr int kDashOff = 6;
constexpr int kPanelCornerRadius = 8;
constexpr int kPanelRight = 151; // the panel's left edge, from the zone's right edge
constexpr int kPanelTextMargin = 7;
constexpr int kPanelLineStep = 15;
constexpr int kPanelFirstLine = 6;
constexpr TColor kPanelInk = 0xE0E0FF;
constexpr TColor kBandInk = 0xFFFFFF;

// Inset of device row i of a band at a pointed end: an arrow head as deep
// as half the band, 13 logical pixels, pointing at the band's middle row.
int BandInset(int row, qreal ratio)
{
    return int(std::lround(std::abs(BrakingScene::kBandHeight / 2 * ratio - row)));
}

// How far device row k from the top or bottom of a corner of `radius`
// device pixels reaches into it: Round(sqrt(radius^2 - (radius - k)^2)).
int CornerReach(int k, double radius)
{
    if (k >= radius)
        return int(std::lround(radius));
    return RoundHalfEven(std::sqrt(radius * radius - (radius - k) * (radius - k)));
}

void SetTextFont(Canvas& canvas, int points, TColor color)
{
    canvas.font = CanvasFont{};
    canvas.font.name = QStringLiteral("Arial");
    canvas.font.SetPointSize(points);
    canvas.font.bold = true;
    canvas.font.color = color;
    canvas.brush.style = BrushStyle::Clear;
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

void BrakingScene::DrawBands(Canvas& canvas, const BrakingSession& session, int k) const
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
        DrawBand(canvas, x1, x2, leftPointed, rightPointed, text);
    };
    band(keys.ReactionPos, keys.BrakePos, keys.ReactionStep, keys.BrakeStep, QStringLiteral("  Réaction  "));
    band(keys.BrakePos, keys.StopPos, keys.BrakeStep, keys.StopStep, QStringLiteral("  Freinage  "));
}

void BrakingScene::DrawBand(Canvas& canvas, int x1, int x2, bool leftPointed, bool rightPointed,
                            const QString& text) const
{
    if (x2 <= x1)
        return;
    QImage& picture = canvas.Image();
    // The band covers logical columns x1..x2, both included: device columns
    // from x1's first to x2's last.
    const int left = ToDevice(x1);
    const int right = ToDevice(x2 + 1) - 1;
    const int top = ToDevice(kBandTop);
    const int rows = ToDevice(kBandTop + kBandHeight) - top;
    for (int i = 0; i < rows; ++i) {
        const int inset = std::min(BandInset(i, m_ratio), right - left);
        const int a = leftPointed ? left + inset : left;
        const int b = rightPointed ? right - inset : right;
        // Ends that meet or cross leave nothing to shade.
        if (a >= b)
            continue;
        ShadeRow(picture, top + i, a, b, dark);
    }
    SetTextFont(canvas, 12, kBandInk);
    const int span = x2 - x1;
    const int textWidth = canvas.TextWidth(text);
    if (textWidth >= span)
        return;
    const int textHeight = canvas.TextHeight(text);
    const int textLeft = x1 + (span - textWidth) / 2;
    // Only the text's neighbourhood is written on: a text height of margin
    // either side holds any glyph's overhang.
    const QRect area = QRect(textLeft - textHeight, kBandTop, textWidth + 2 * textHeight, kBandHeight)
                       & QRect(0, kBandTop, m_zone.width(), kBandHeight);
    WriteInArea(picture, area, [&](Canvas& band) {
        SetTextFont(band, 12, kBandInk);
        band.TextOut(textLeft - area.left(), (kBandHeight - textHeight) / 2, text);
    });
}

void BrakingScene::DrawPanel(Canvas& canvas, const BrakingSession& session, int k) const
{
    QImage& picture = canvas.Image();
    const int left = m_zone.width() - kPanelRight;
    const int x0 = ToDevice(left);
    const int y0 = ToDevice(kDialTop);
    const int rows = ToDevice(kDialTop + kPanelHeight) - y0;
    // The panel's last device column, and its rounded sides before the
    // corners: columns 8 and 139 of its 147.
    const int lastColumn = ToDevice(left + kPanelWidth) - 1 - x0;
    const int inner = ToDevice(left + kPanelCornerRadius) - x0;
    const int innerRight = ToDevice(left + kPanelWidth - kPanelCornerRadius + 1) - 1 - x0;
    const double radius = kPanelCornerRadius * m_ratio;
    for (int row = 0; row < rows; ++row) {
        const int w = CornerReach(std::min(row, rows - 1 - row), radius);
        ShadeRow(picture, y0 + row, x0 + inner - w, x0 + std::min(innerRight + w, lastColumn), dark);
    }

    // Named rather than unpacked: clang before 16 refuses a lambda that
    // captures structured bindings.
    const ReadoutTexts texts = ReadoutLines(session.Quantities(k));
    const auto& labels = texts.labels;
    const auto& values = texts.values;
    WriteInArea(picture, QRect(left, kDialTop, kPanelWidth, kPanelHeight), [&](Canvas& panel) {
        SetTextFont(panel, 10, kPanelInk);
        for (std::size_t line = 0; line < labels.size(); ++line) {
            const int y = kPanelFirstLine + int(line) * kPanelLineStep;
            panel.TextOut(kPanelTextMargin, y, labels[line]);
            if (line < values.size())
                panel.TextOut(kPanelWidth - panel.TextWidth(values[line]) - kPanelTextMargin, y, values[line]);
        }
    });
}

void BrakingScene::WriteInArea(QImage& picture, const QRect& area, const std::function<void(Canvas&)>& write) const
{
    const QRect device(QPoint(ToDevice(area.left()), ToDevice(area.top())),
                       QPoint(ToDevice(area.left() + area.width()) - 1, ToDevice(area.top() + area.height()) - 1));
    const QRect inside = device & picture.rect();
    if (inside.isEmpty())
        return;
    if (m_ratio != 1 && inside == device) {
        // On a scaled screen there is no earlier picture to match: the text
        // is written straight on the picture, through a view of the area.
        QImage view(picture.scanLine(inside.top()) + 4 * inside.left(), inside.width(), inside.height(),
                    picture.bytesPerLine(), QImage::Format_RGB32);
        view.setDevicePixelRatio(m_ratio);
        Canvas canvas(view);
        write(canvas);
        return;
    }
    // Blue, green and red bytes, as the surfaces the text was always
    // written on: at a ratio of 1 the pictures stay the same to the pixel.
    QImage surface = picture.copy(device).convertToFormat(QImage::Format_BGR888);
    surface.setDevicePixelRatio(m_ratio);
    {
        Canvas canvas(surface);
        write(canvas);
    }
    const QImage written = surface.convertToFormat(QImage::Format_RGB32);
    const QPoint offset = inside.topLeft() - device.topLeft();
    for (int y = 0; y < inside.height(); ++y)
        std::memcpy(picture.scanLine(inside.top() + y) + 4 * inside.left(),
                    written.constScanLine(offset.y() + y) + 4 * offset.x(), std::size_t(inside.width()) * 4);
}
