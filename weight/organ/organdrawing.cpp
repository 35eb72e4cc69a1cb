// Composing the kinetic organ's two pictures off screen: the bench with the
// tube (crushed and its pushed-in zone tinted after a shot) and the striker;
// the tubes of the page with the selection, the hovered tube and the info
// panel. Each is copied to its paint box whole.
#include "weight/organ/organwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/colorcontrast.h"
#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "controls/plaincontrols.h"
#include "raster/tdibplus.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kBothFrame = 0x808080;
constexpr TColor kLabelInk = 0x300000;
constexpr TColor kLabelOnHighlight = 0x000030;
constexpr QSize kPanelSize{250, 130};
constexpr int kPanelRadius = 8;

QSize LogicalSize(const QImage& picture)
{
    return picture.deviceIndependentSize().toSize();
}

// The first `length` columns (or rows from the top, `rows`) of a picture,
// drawn with their top-left at (x, y); all in logical pixels.
void DrawColumns(Canvas& canvas, const QImage& picture, int x, int y, int length)
{
    const QSize size = LogicalSize(picture);
    length = std::min(length, size.width());
    if (length > 0)
        canvas.CopyRect(QRect(x, y, length, size.height()), picture, QRect(0, 0, length, size.height()));
}

void DrawRows(Canvas& canvas, const QImage& picture, int x, int y, int rows)
{
    const QSize size = LogicalSize(picture);
    rows = std::min(rows, size.height());
    if (rows > 0)
        canvas.CopyRect(QRect(x, y, size.width(), rows), picture, QRect(0, 0, size.width(), rows));
}

// A logical coordinate in the device pixels of a picture at `ratio`.
int Device(int v, qreal ratio)
{
    return int(std::lround(v * ratio));
}

QString OneDecimal(double value)
{
    return FormatFixed(value, 4, 1);
}

} // namespace

// ---- the bench ----------------------------------------------------------------

void TPercutaF::DrawBench()
{
    if (m_bench.isNull())
        return;
    CopyPixels(m_pictures.BenchBackground, m_bench);
    const OrganShot& shot = m_model.Shot();
    const OrganLayout& layout = m_model.Layout();
    {
        Canvas canvas(m_bench);
        DrawBenchTube(canvas);
    }
    const bool pushedIn = shot.Crushed() && shot.StopX() < layout.TubeEnd();
    if (pushedIn)
        TintPushedInZone();
    Canvas canvas(m_bench);
    if (shot.Crushed()) {
        canvas.brush.style = BrushStyle::Clear;
        canvas.font = OrganPictures::BenchFont();
        canvas.font.color = m_pictures.CaptionInk;
        canvas.TextOut(layout.TubeEnd() + 4, 2,
                       pushedIn ? QStringLiteral("Enfoncement") : QStringLiteral("Pas d'enfoncement mesurable"));
    }
    DrawColumns(canvas, m_pictures.Striker, shot.StrikerX(), m_pictures.StrikerTop,
                layout.StrikerWidth(m_model.StrikerMass()));
    Display1->update();
}

void TPercutaF::DrawBenchTube(Canvas& canvas)
{
    const OrganShot& shot = m_model.Shot();
    const OrganLayout& layout = m_model.Layout();
    const int start = layout.Px(10);
    if (!shot.Crushed() || shot.StopX() >= layout.TubeEnd()) {
        canvas.Draw(start, m_pictures.TubeTop, m_pictures.SideIntact);
        return;
    }
    const int straight = shot.StraightPx();
    DrawColumns(canvas, m_pictures.SideIntact, start, m_pictures.TubeTop, straight);
    // When the crumpled part takes the whole tube, it starts at the stop.
    const int crumpledX = straight > 0 ? start + straight : start;
    const int crumpled = straight > 0 ? shot.DeformedPx() : straight + shot.DeformedPx();
    DrawColumns(canvas, m_pictures.SideCrumpled, crumpledX, m_pictures.CrumpledTop, crumpled);
}

// The zone the tube's end was pushed through, from the stop point to where
// the end stood before the shot, shows yellowish across the bench.
void TPercutaF::TintPushedInZone()
{
    const OrganLayout& layout = m_model.Layout();
    TDibPlus& strip = *m_benchTint;
    const qreal ratio = strip.Ratio();
    const int start = Device(layout.Px(10), ratio);
    CopyPictureToSurface(m_bench, QRect(start, 0, strip.Width(), strip.Height()), strip);
    const int from = Device(m_model.Shot().StopX() - layout.Px(10), ratio);
    for (int row = 0; row < strip.Height(); ++row)
        strip.ShadeRow(from, strip.Width() - 1, row, 255, 200, 150);
    CopySurfaceToPicture(strip, m_bench, start, 0);
}

// ---- the tubes -----------------------------------------------------------------

void TPercutaF::DrawTubeField()
{
    if (m_tubeField.isNull())
        return;
    CopyPixels(m_pictures.TubeBackground, m_tubeField);
    Canvas canvas(m_tubeField);
    canvas.brush.style = BrushStyle::Clear;
    const TubePaging& paging = m_model.Paging();
    for (int k = 1; k <= paging.OnPage(); ++k)
        DrawTube(canvas, k, m_model.Tubes().Tube(paging.FirstOnPage() + k - 1), kLabelInk);
    m_drawnRevision = m_model.ListRevision();
}

void TPercutaF::DrawTube(Canvas& canvas, int k, const TubeRecord& tube, TColor labelColor) const
{
    const OrganLayout& layout = m_model.Layout();
    const int centre = layout.TubePx(4 * k);
    const int baseline = layout.TubeBaseline();
    const QImage& straight = m_pictures.FrontStraight;
    const QImage& crumpled = m_pictures.FrontCrumpled;
    const int straightRows = std::max(0, layout.TubePx(tube.StraightLength()));
    const int crumpledRows = std::max(0, layout.TubePx(tube.Deformed));
    DrawRows(canvas, straight, centre - LogicalSize(straight).width() / 2, baseline - straightRows, straightRows);
    DrawRows(canvas, crumpled, centre - LogicalSize(crumpled).width() / 2, baseline - straightRows - crumpledRows,
             crumpledRows);
    if (!AppSettings.TubeLabFlag)
        return;
    canvas.font = OrganPictures::LabelFont(labelColor);
    const int h = canvas.TextHeight(QStringLiteral("|"));
    const QString lines[3] = {QString::number(RoundHalfEven(tube.SpeedKmh)), QStringLiteral("km/h"),
                              QString::number(tube.Mass) + QStringLiteral(" kg")};
    for (int i = 0; i < 3; ++i)
        canvas.TextOut(centre - canvas.TextWidth(lines[i]) / 2, baseline - (3 - i) * h, lines[i]);
}

// The band of the k-th tube of the page, 1.815 cm either side of its
// centre line, 5 pixels inside the display's top and bottom.
QRect TPercutaF::TubeBox(int k) const
{
    const OrganLayout& layout = m_model.Layout();
    const int left = layout.TubePx(4 * k - 1.815);
    const int right = layout.TubePx(4 * k + 1.815);
    return QRect(QPoint(left, 5), QPoint(right - 1, layout.TubesHeight() - 6));
}

void TPercutaF::DrawTubes()
{
    if (m_tubes.isNull())
        return;
    CopyPixels(m_tubeField, m_tubes);
    const TubeList& tubes = m_model.Tubes();
    const TubePaging& paging = m_model.Paging();
    const int selected = tubes.Selected();
    const int hovered = tubes.Hovered();
    {
        Canvas canvas(m_tubes);
        if (selected > 0 && paging.IsOnPage(selected)) {
            const int k = selected - paging.FirstOnPage() + 1;
            const QRect box = TubeBox(k);
            canvas.brush = CanvasBrush{kOrganOrange};
            canvas.FillRect(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
            canvas.brush.style = BrushStyle::Clear;
            DrawTube(canvas, k, tubes.Tube(selected), kLabelOnHighlight);
        }
        if (hovered > 0 && paging.IsOnPage(hovered)) {
            const QRect box = TubeBox(hovered - paging.FirstOnPage() + 1);
            canvas.brush = CanvasBrush{hovered == selected ? kBothFrame : kOrganOrange};
            canvas.FrameRect(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
            canvas.brush.style = BrushStyle::Clear;
            canvas.font = OrganPictures::HoverFont();
            const QString number = QString::number(hovered);
            const QRect cell(box.left() - canvas.TextWidth(number), 5, canvas.TextWidth(number),
                             canvas.TextHeight(number));
            // The number can stand on the selected tube's highlight as well
            // as on the field.
            canvas.font.color = ReadableInkOver(m_pictures.HoverInk, m_tubes, DeviceRect(cell, canvas.Scale()));
            canvas.TextOut(cell.left(), cell.top(), number);
        }
    }
    // The selected tube wins over the hovered one.
    const int shown = selected > 0 ? selected : hovered;
    if (shown > 0)
        DrawInfoPanel(tubes.Tube(shown), shown, selected > 0);
    Display2->update();
}

// The values of one tube in a darkened box with rounded corners at the
// top right of the display.
void TPercutaF::DrawInfoPanel(const TubeRecord& tube, int position, bool selected)
{
    TDibPlus& panel = *m_infoPanel;
    const QRect box = DeviceRect(QRect(QPoint(m_model.Layout().DisplayWidth() - kPanelSize.width() - 4, 4), kPanelSize),
                                 panel.Ratio());
    CopyPictureToSurface(m_tubes, box, panel);
    for (int r = 0; r < panel.Height(); ++r) {
        const ColumnSpan span = RoundedBoxRow(panel, kPanelRadius, r);
        panel.ShadeRow(span.first, span.last, r, 110, 90, 70);
    }
    Canvas& canvas = panel.Canvas();
    canvas.brush.style = BrushStyle::Clear;
    canvas.font = OrganPictures::PanelFont();
    canvas.TextOut(7, 6,
                   QStringLiteral("Tube n°%1 :  %2")
                       .arg(position)
                       .arg(selected ? QStringLiteral(" ( sélectionné )") : QStringLiteral(" ( survolé )")));
    const auto line = [&canvas](int y, const QString& caption, const QString& value) {
        if (!caption.isEmpty())
            canvas.TextOut(7, y, caption);
        canvas.TextOut(243 - canvas.TextWidth(value), y, value);
    };
    line(26, QStringLiteral("Vitesse du percuteur :"), OneDecimal(tube.SpeedKmh) + QStringLiteral(" km/h"));
    line(42, {}, OneDecimal(tube.SpeedMs) + QStringLiteral(" m/s"));
    line(58, QStringLiteral("Masse du percuteur :"), OneDecimal(tube.Mass) + QStringLiteral(" kg"));
    line(74, QStringLiteral("Longueur initiale du tube :"), OneDecimal(TubeLength) + QStringLiteral(" cm"));
    line(90, QStringLiteral("Longueur après le choc :"), OneDecimal(tube.LengthAfter()) + QStringLiteral(" cm"));
    line(106, QStringLiteral("Longueur enfoncée :"), OneDecimal(tube.PushedIn) + QStringLiteral(" cm"));
    CopySurfaceToPicture(panel, m_tubes, box.left(), box.top());
}
