#include "weight/organ/model/organlayout.h"

#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>

OrganLayout OrganLayout::ForClient(int clientWidth, int clientHeight, int panelHeight)
{
    OrganLayout layout;
    layout.m_displayWidth = std::max(1, clientWidth - 10);
    layout.m_benchHeight = std::max(1, (clientHeight - panelHeight - 15) / 5);
    layout.m_tubesHeight = 4 * layout.m_benchHeight;
    layout.m_benchScale = layout.m_benchHeight * 0.05;
    layout.m_tubeScale = layout.m_tubesHeight / 34.0;
    const int pitch = std::max(1, layout.TubePx(4));
    layout.m_pageCapacity = std::max(1, layout.m_displayWidth / pitch - 1);
    return layout;
}

int OrganLayout::Px(double cm) const
{
    return RoundHalfEven(cm * m_benchScale);
}

int OrganLayout::TubePx(double cm) const
{
    return RoundHalfEven(cm * m_tubeScale);
}

int OrganLayout::StrikerWidth(int massKg) const
{
    return RoundHalfEven(Px(23) * massKg * 0.05);
}
