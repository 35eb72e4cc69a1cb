#include "road/braking/model/brakingview.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kZoomInFactor = 0.8333333333333333;
constexpr double kZoomOutFactor = 1.2;
// The adapted view is this much longer than the stretch it shows, and
// starts this share of the view before the reaction point.
constexpr double kAdaptedMargin = 1.05;
constexpr double kAdaptedLead = 0.09523809523809523 * 0.25;
// From the reaction on, the camera moves again once the front passes this
// share of the zone's width.
constexpr double kFollowEdge = 0.975;
constexpr double kDragFactor = 0.1;
constexpr double kStripMetres = 150;
constexpr double kBytesPerPixel = 4;

} // namespace

void BrakingView::SetZoneSize(int width, int height)
{
    m_zoneWidth = std::max(width, 1);
    m_zoneHeight = std::max(height, 1);
    UpdateScale();
}

void BrakingView::SetViewHeight(double metres)
{
    m_viewHeight = std::isfinite(metres) && metres > 0 ? metres : kDefaultViewHeight;
    UpdateScale();
}

double BrakingView::MinViewHeight() const
{
    // The strip is 150 m at ZoneHeight / ViewHeight pixels a metre, and
    // ZoneHeight pixels high.
    const double height = m_zoneHeight;
    return std::max(kMinViewHeight, kStripMetres * height * height * kBytesPerPixel / kStripBudgetBytes);
}

void BrakingView::UpdateScale()
{
    m_viewHeight = std::max(m_viewHeight, MinViewHeight());
    m_scale = m_zoneHeight / m_viewHeight;
    m_viewWidth = m_zoneWidth / m_scale;
}

void BrakingView::ZoomIn()
{
    const double wanted = m_viewHeight * kZoomInFactor;
    SetViewHeight(wanted < MinViewHeight() ? std::min(m_viewHeight, MinViewHeight()) : wanted);
}

void BrakingView::ZoomOut()
{
    const double wanted = m_viewHeight * kZoomOutFactor;
    SetViewHeight(wanted > kMaxViewHeight ? std::max(m_viewHeight, kMaxViewHeight) : wanted);
}

void BrakingView::AdaptedZoom(const KeyPoints& first, const KeyPoints& second)
{
    const double stretch = std::max({first.StopPos - first.ReactionPos, second.StopPos - second.ReactionPos, 0.0});
    const double spanned = stretch * kAdaptedMargin;
    // Closer than the zoom buttons go, a short stop would blow the scenery
    // up to gigabytes and leave no car in sight.
    const double wanted = m_zoneHeight * spanned / m_zoneWidth;
    const bool bounded = !(wanted >= MinViewHeight());
    SetViewHeight(bounded ? MinViewHeight() : wanted);
    const double lead = spanned * kAdaptedLead + (bounded ? (m_viewWidth - spanned) / 2 : 0);
    m_origin[0] = std::max(first.ReactionPos - lead, 0.0);
    m_origin[1] = std::max(second.ReactionPos - lead, 0.0);
}

void BrakingView::SetOrigin(int k, double metres)
{
    m_origin[Index(k)] = std::isfinite(metres) ? std::max(metres, 0.0) : 0;
}

void BrakingView::ResetCameras()
{
    m_origin = {0, 0};
    m_currentPos = {CarLength, CarLength};
    ClearReached();
}

void BrakingView::ClearReached()
{
    m_reached = {false, false};
}

void BrakingView::Follow(int k, const MotionRow& row)
{
    const std::size_t i = Index(k);
    m_currentPos[i] = row.Position;
    if (row.Phase == phReacting)
        m_reached[i] = true;
    if (m_reached[i]) {
        const double carried = m_currentPos[i] - kFollowEdge * m_viewWidth;
        if (carried > m_origin[i])
            m_origin[i] = carried;
    } else {
        m_origin[i] = m_currentPos[i] - CarLength;
    }
}

bool BrakingView::DragTo(int k, int x)
{
    if (!Dragging())
        return false;
    double& origin = m_origin[Index(k)];
    origin += (x - m_pressX) / m_scale * kDragFactor;
    if (origin < 0) {
        origin = 0;
        m_pressX = x;
    }
    return true;
}
