// What the two zones of the braking window show: the common zoom and scale,
// and one camera per vehicle that follows it along the road.
#pragma once

#include "road/braking/model/brakingrun.h"

#include <array>

class BrakingView
{
public:
    static constexpr double kDefaultViewHeight = 10;
    static constexpr double kMinViewHeight = 4;
    static constexpr double kMaxViewHeight = 256;
    // The zones are drawn over a prebuilt 150 m strip of scenery, four bytes
    // a pixel: the zoom never makes it larger than this.
    static constexpr double kStripBudgetBytes = 128.0 * 1024 * 1024;
    // PressX when no drag is under way.
    static constexpr int kNoDrag = 10000;

    // The size of each zone in pixels (at least 1 x 1); the scale follows
    // the zoom.
    void SetZoneSize(int width, int height);
    int ZoneWidth() const { return m_zoneWidth; }
    int ZoneHeight() const { return m_zoneHeight; }

    // The zoom: metres of road height a zone shows, never below
    // MinViewHeight().
    double ViewHeight() const { return m_viewHeight; }
    void SetViewHeight(double metres);
    // The closest zoom: 4 m, or more in zones so tall that the scenery strip
    // would outgrow its budget.
    double MinViewHeight() const;
    // Pixels per metre, and metres of road across a zone.
    double Scale() const { return m_scale; }
    double ViewWidth() const { return m_viewWidth; }

    // The zoom buttons: 5/6 or 6/5 of the view height, within 4 to 256 m;
    // a view already beyond a limit is not pulled back to it.
    void ZoomIn();
    void ZoomOut();
    // Both zones span the longer of the two reaction-to-stop stretches and
    // 5 % more, each starting just before its own vehicle's reaction point;
    // never closer than the zoom buttons go (the stretch is then centred).
    void AdaptedZoom(const KeyPoints& first, const KeyPoints& second);

    // Vehicle k (1 or 2): road position at the zone's left edge, the front
    // as last shown, and whether the camera has seen the reaction.
    double Origin(int k) const { return m_origin[Index(k)]; }
    double CurrentPos(int k) const { return m_currentPos[Index(k)]; }
    bool Reached(int k) const { return m_reached[Index(k)]; }
    // Places zone k's left edge at `metres` (never left of the start).
    void SetOrigin(int k, double metres);
    // Both cameras back at the start, the cars waiting.
    void ResetCameras();
    void ClearReached();
    // The camera of vehicle k after the timer moved it to `row`: it carries
    // the car until the reaction, then stands and lets it drive across,
    // following it again (forward only) near the right edge.
    void Follow(int k, const MotionRow& row);

    // Dragging a zone with the left button.
    int PressX() const { return m_pressX; }
    void Press(int x) { m_pressX = x; }
    void Release() { m_pressX = kNoDrag; }
    bool Dragging() const { return m_pressX < kNoDrag; }
    // Moves zone k's origin by a tenth of the distance from the press point
    // (never left of the start); false when no drag is under way.
    bool DragTo(int k, int x);

private:
    static std::size_t Index(int k) { return k == 2 ? 1 : 0; }
    void UpdateScale();

    int m_zoneWidth = 1;
    int m_zoneHeight = 1;
    double m_viewHeight = kDefaultViewHeight;
    double m_scale = 0.1;
    double m_viewWidth = 10;
    std::array<double, 2> m_origin{0, 0};
    std::array<double, 2> m_currentPos{CarLength, CarLength};
    std::array<bool, 2> m_reached{false, false};
    int m_pressX = kNoDrag;
};
