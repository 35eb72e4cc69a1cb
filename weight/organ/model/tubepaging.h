// The pages of the tube display: how many tubes stand on the page shown,
// the page label, and which tube a point of the display belongs to.
#pragma once

#include <QString>

class TubePaging
{
public:
    // Tubes per page; at least 1 whatever the display's width.
    void SetCapacity(int tubesPerPage);
    // Recomputes the pages for `tubeCount` tubes, keeping the page shown
    // when it still exists, else showing the last one (page 1 when empty).
    void Update(int tubeCount);
    void NextPage();
    void PreviousPage();
    // Back to page 1.
    void Reset(int tubeCount);

    int PageCapacity() const { return m_capacity; }
    int PageCount() const { return m_pageCount; }
    int Page() const { return m_page; }
    int FirstOnPage() const { return (m_page - 1) * m_capacity + 1; }
    int OnPage() const;
    bool CanGoBack() const { return m_page > 1; }
    bool CanGoForward() const { return m_page < m_pageCount; }
    // Whether the tube at `position` stands on the page shown.
    bool IsOnPage(int position) const;

    // "Page : 2/3", then on a second line "10 tubes sur 21".
    QString Label() const;

    // The position of the tube whose centre line is nearest to `x` (pixels
    // of the display, `pixelsPerCm` its scale; centres every 4 cm from
    // 4 cm), or -1 left of 2 cm, exactly half-way between two centres, or
    // where that tube is not on the page.
    int TubeAt(double x, double pixelsPerCm) const;

private:
    int m_capacity = 1;
    int m_tubeCount = 0;
    int m_pageCount = 1;
    int m_page = 1;
};
