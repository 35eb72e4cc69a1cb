#include "weight/organ/model/organshot.h"

#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>

void OrganShot::Reset(const OrganLayout& layout)
{
    *this = OrganShot{};
    m_strikerX = layout.DisplayWidth() / 2;
}

void OrganShot::Launch(const OrganLayout& layout, CrushLaws& laws, int speedKmh, int massKg)
{
    const double v = SpeedMsFromKmh(speedKmh);
    m_strikerX = layout.Home();
    m_deformedPx = layout.Px(laws.DeformedLaw(v, massKg));
    m_straightPx = layout.Px(TubeLength - laws.PushedInLaw(v, massKg) - laws.DeformedLaw(v, massKg));
    m_stopX = layout.TubeEnd() - layout.Px(laws.PushedInLaw(v, massKg));
    m_flying = true;
    m_crushed = false;
    m_dragging = false;
}

int OrganShot::Step(const OrganLayout& layout, int speedKmh)
{
    if (speedKmh <= 0)
        return 0;
    return std::max(1, RoundHalfEven(speedKmh * 0.2 * layout.BenchScale()));
}

bool OrganShot::Tick(const OrganLayout& layout, int speedKmh)
{
    if (!m_flying)
        return false;
    m_strikerX -= Step(layout, speedKmh);
    if (m_strikerX >= layout.TubeEnd() && speedKmh > 0)
        return false;
    m_strikerX = speedKmh > 0 ? m_stopX : layout.Home();
    m_flying = false;
    m_crushed = true;
    return true;
}

bool OrganShot::Finish(const OrganLayout& layout, int speedKmh)
{
    if (!m_flying)
        return false;
    m_strikerX = -1;
    return Tick(layout, speedKmh);
}

void OrganShot::ClearBench(const OrganLayout& layout)
{
    if (!m_crushed)
        return;
    if (m_strikerX < layout.TubeEnd())
        m_strikerX = layout.TubeEnd() * 3 / 2;
    m_crushed = false;
}

bool OrganShot::StartDrag(const OrganLayout& layout, int x, int massKg)
{
    m_dragging = !m_flying && x >= m_strikerX && x < m_strikerX + layout.StrikerWidth(massKg);
    return m_dragging;
}

void OrganShot::DragTo(const OrganLayout& layout, int x, int massKg)
{
    if (!m_dragging)
        return;
    const int barrier = m_crushed ? m_stopX : layout.TubeEnd();
    const int rightmost = layout.Home() - layout.StrikerWidth(massKg);
    m_strikerX = std::max(barrier, std::min(x, rightmost));
}
