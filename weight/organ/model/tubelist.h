// The crushed tubes standing side by side like organ pipes: at most 30,
// kept in the chosen sort order, with a selected and a hovered tube.
// Positions are numbered from 1; -1 means no tube.
#pragma once

#include "weight/organ/model/organlaws.h"

#include <vector>

// Sort modes, the item index of the sort list (stored as IndexTri).
enum SortModes : int
{
    SortNone = 0, // order of the shots
    SortSpeedUp = 1,
    SortSpeedDown = 2,
    SortMassUp = 3,
    SortMassDown = 4,
};
constexpr int SortModeCount = 5;
constexpr int DefaultSortMode = SortSpeedUp;

// A stored sort mode outside 0..4 reads as the default.
int ValidSortMode(int stored);

class TubeList
{
public:
    static constexpr int MaxTubes = 30;

    int TubeCount() const { return int(m_tubes.size()); }
    bool IsFull() const { return TubeCount() >= MaxTubes; }
    // The tube at `position` (1..TubeCount).
    const TubeRecord& Tube(int position) const { return m_tubes[std::size_t(position - 1)]; }
    const std::vector<TubeRecord>& Tubes() const { return m_tubes; }
    bool Contains(double speedKmh, int massKg) const;

    // Appends the tube and sorts again. A tube with the speed and mass of
    // one already there, or a 31st tube, is refused (false).
    bool AddTube(const TubeRecord& tube);
    // Removes the tube at `position` (nothing outside 1..TubeCount). The
    // selection passes to the tube that takes the deleted one's place, or
    // to the new last tube; the hover is dropped until the mouse moves.
    void DeleteTube(int position);
    void Clear();

    int SortMode() const { return m_sortMode; }
    // Sorts by `mode` (an invalid one reads as the default) and drops the
    // selection and the hover.
    void SetSortMode(int mode);

    int Selected() const { return m_selected; }
    int Hovered() const { return m_hovered; }
    // A position outside 1..TubeCount clears.
    void Select(int position);
    void Hover(int position);

private:
    // Sorts by the mode; the selected tube stays selected wherever it goes.
    void Sort();
    int ValidPosition(int position) const;

    std::vector<TubeRecord> m_tubes;
    int m_sortMode = DefaultSortMode;
    int m_selected = -1;
    int m_hovered = -1;
};

// The order in which `mode` puts `tubes`: element i is the index in `tubes`
// of the tube that goes to place i. A selection sort that takes, for each
// place, the first remaining tube whose key beats every other's strictly:
// tubes with equal keys keep their order.
std::vector<int> SortedOrder(const std::vector<TubeRecord>& tubes, int mode);
