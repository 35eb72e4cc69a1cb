#include "weight/organ/model/tubepaging.h"

#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>

void TubePaging::SetCapacity(int tubesPerPage)
{
    m_capacity = std::max(1, tubesPerPage);
    Update(m_tubeCount);
}

void TubePaging::Update(int tubeCount)
{
    m_tubeCount = std::max(0, tubeCount);
    m_pageCount = std::max(1, (m_tubeCount + m_capacity - 1) / m_capacity);
    m_page = std::clamp(m_page, 1, m_pageCount);
}

void TubePaging::NextPage()
{
    ++m_page;
    Update(m_tubeCount);
}

void TubePaging::PreviousPage()
{
    --m_page;
    Update(m_tubeCount);
}

void TubePaging::Reset(int tubeCount)
{
    m_page = 1;
    Update(tubeCount);
}

int TubePaging::OnPage() const
{
    if (m_page < m_pageCount)
        return m_capacity;
    return m_tubeCount - (m_pageCount - 1) * m_capacity;
}

bool TubePaging::IsOnPage(int position) const
{
    return position >= FirstOnPage() && position < FirstOnPage() + OnPage();
}

QString TubePaging::Label() const
{
    const int onPage = OnPage();
    return QStringLiteral("Page : %1/%2\n%3 tube%4 sur %5")
        .arg(m_page)
        .arg(m_pageCount)
        .arg(onPage)
        .arg(PluralS(onPage))
        .arg(m_tubeCount);
}

int TubePaging::TubeAt(double x, double pixelsPerCm) const
{
    if (!(pixelsPerCm > 0))
        return -1;
    const double b = x / pixelsPerCm;
    if (!(b > 2) || !std::isfinite(b))
        return -1;
    double c = std::trunc(b / 4);
    double d = b - 4 * c;
    if (d > 2) {
        c += 1;
        d = 4 - d;
    }
    if (d >= 2 || c > OnPage())
        return -1;
    return int(c) + (m_page - 1) * m_capacity;
}
