// The kinetic organ experiment: a striker of chosen speed and mass is shot
// along the launch bench into a 32 cm tube; every shot leaves a crushed
// tube in a list that can be sorted, paged, selected and edited. The window
// drives it and draws it.
#pragma once

#include "weight/organ/model/organlaws.h"
#include "weight/organ/model/organlayout.h"
#include "weight/organ/model/organshot.h"
#include "weight/organ/model/tubelist.h"
#include "weight/organ/model/tubepaging.h"

class OrganModel
{
public:
    static constexpr int MaxSpeed = 130; // km/h
    static constexpr int StartSpeed = 50;
    static constexpr int MinMass = 1; // kg
    static constexpr int MaxMass = 20;

    explicit OrganModel(CrushLaws::RandomSource random = {});

    // Each showing of the window starts an empty experiment: no tubes,
    // 50 km/h, 20 kg, page 1, no selection, no shot.
    void Reset(int sortMode);
    void SetScatter(bool on) { m_laws.SetScatter(on); }
    // A new size of the pictures: a flying shot is finished first (its tube
    // recorded), the striker goes to the middle of the bench, the bench is
    // cleared, the pages are counted again.
    void SetLayout(const OrganLayout& layout);
    const OrganLayout& Layout() const { return m_layout; }

    int StrikerSpeed() const { return m_speed; } // km/h
    int StrikerMass() const { return m_mass; } // kg
    // Each step finishes a flying shot and clears the bench first.
    void SpeedUp();
    void SpeedDown();
    void MassUp();
    void MassDown();

    bool CanLaunch() const { return !m_tubes.IsFull(); }
    bool CanDelete() const { return m_tubes.TubeCount() > 0; }
    // Starts a shot (nothing with a full list); a shot still flying is
    // finished first.
    void Launch();
    // One 40 ms tick; a shot that ends records its tube.
    void Tick();
    void FinishFlyingShot();
    void ClearBench();
    const OrganShot& Shot() const { return m_shot; }

    bool StartDrag(int x) { return m_shot.StartDrag(m_layout, x, m_mass); }
    void DragTo(int x) { m_shot.DragTo(m_layout, x, m_mass); }
    void EndDrag() { m_shot.EndDrag(); }

    const TubeList& Tubes() const { return m_tubes; }
    const TubePaging& Paging() const { return m_paging; }
    // Deletes the selected tube, after finishing a flying shot (whose tube
    // may move the selected one: the selection follows it).
    void DeleteSelected();
    void SetSortMode(int mode);
    void Select(int position) { m_tubes.Select(position); }
    void Hover(int position) { m_tubes.Hover(m_paging.IsOnPage(position) ? position : -1); }
    // The tube under x in the tube display, or -1.
    int TubeAt(double x) const { return m_paging.TubeAt(x, m_layout.TubeScale()); }
    // Paging drops the hover: the mouse is over another tube now.
    void NextPage();
    void PreviousPage();

    // Grows whenever the list's content or order changes.
    unsigned ListRevision() const { return m_listRevision; }

private:
    void RecordShot();
    void ListChanged();

    CrushLaws m_laws;
    OrganLayout m_layout;
    OrganShot m_shot;
    TubeList m_tubes;
    TubePaging m_paging;
    int m_speed = StartSpeed;
    int m_mass = MaxMass;
    unsigned m_listRevision = 0;
};
