#include "weight/organ/model/tubelist.h"

#include <algorithm>
#include <numeric>

int ValidSortMode(int stored)
{
    return stored >= 0 && stored < SortModeCount ? stored : DefaultSortMode;
}

std::vector<int> SortedOrder(const std::vector<TubeRecord>& tubes, int mode)
{
    std::vector<int> order(tubes.size());
    std::iota(order.begin(), order.end(), 0);
    if (mode <= SortNone || mode >= SortModeCount)
        return order;
    const bool bySpeed = mode == SortSpeedUp || mode == SortSpeedDown;
    const bool ascending = mode == SortSpeedUp || mode == SortMassUp;
    std::vector<double> keys;
    for (const TubeRecord& tube : tubes)
        keys.push_back(bySpeed ? tube.SpeedKmh : double(tube.Mass));
    std::vector<bool> taken(tubes.size(), false);
    for (std::size_t place = 0; place < tubes.size(); ++place) {
        int best = -1;
        for (std::size_t i = 0; i < tubes.size(); ++i) {
            if (taken[i])
                continue;
            const bool beats
                = best < 0 || (ascending ? keys[i] < keys[std::size_t(best)] : keys[i] > keys[std::size_t(best)]);
            if (beats)
                best = int(i);
        }
        taken[std::size_t(best)] = true;
        order[place] = best;
    }
    return order;
}

bool TubeList::Contains(double speedKmh, int massKg) const
{
    return std::any_of(m_tubes.begin(), m_tubes.end(),
                       [&](const TubeRecord& tube) { return tube.SpeedKmh == speedKmh && tube.Mass == massKg; });
}

bool TubeList::AddTube(const TubeRecord& tube)
{
    if (IsFull() || Contains(tube.SpeedKmh, tube.Mass))
        return false;
    m_tubes.push_back(tube);
    Sort();
    return true;
}

void TubeList::DeleteTube(int position)
{
    if (position < 1 || position > TubeCount())
        return;
    m_tubes.erase(m_tubes.begin() + (position - 1));
    if (position < m_selected)
        --m_selected;
    m_selected = std::min(m_selected, TubeCount());
    if (m_tubes.empty())
        m_selected = -1;
    // The tube under the mouse is another one now, or none.
    m_hovered = -1;
    Sort();
}

void TubeList::Clear()
{
    m_tubes.clear();
    m_selected = -1;
    m_hovered = -1;
}

void TubeList::SetSortMode(int mode)
{
    m_sortMode = ValidSortMode(mode);
    m_selected = -1;
    m_hovered = -1;
    Sort();
}

void TubeList::Select(int position)
{
    m_selected = ValidPosition(position);
}

void TubeList::Hover(int position)
{
    m_hovered = ValidPosition(position);
}

int TubeList::ValidPosition(int position) const
{
    return position >= 1 && position <= TubeCount() ? position : -1;
}

void TubeList::Sort()
{
    const std::vector<int> order = SortedOrder(m_tubes, m_sortMode);
    std::vector<TubeRecord> sorted;
    sorted.reserve(m_tubes.size());
    int selected = -1;
    for (std::size_t place = 0; place < order.size(); ++place) {
        sorted.push_back(m_tubes[std::size_t(order[place])]);
        if (order[place] + 1 == m_selected)
            selected = int(place) + 1;
    }
    m_tubes = std::move(sorted);
    m_selected = selected;
}
