#include "weight/organ/model/organmodel.h"

#include <algorithm>

OrganModel::OrganModel(CrushLaws::RandomSource random)
    : m_laws(std::move(random))
{
    m_shot.Reset(m_layout);
}

void OrganModel::Reset(int sortMode)
{
    m_speed = StartSpeed;
    m_mass = MaxMass;
    m_shot.Reset(m_layout);
    m_tubes.Clear();
    m_tubes.SetSortMode(sortMode);
    m_paging.Reset(0);
    ListChanged();
}

void OrganModel::SetLayout(const OrganLayout& layout)
{
    FinishFlyingShot();
    m_layout = layout;
    m_shot.Reset(m_layout);
    m_paging.SetCapacity(m_layout.PageCapacity());
    m_tubes.Hover(-1);
}

void OrganModel::SpeedUp()
{
    FinishFlyingShot();
    ClearBench();
    m_speed = m_speed > MaxSpeed - 6 ? MaxSpeed : m_speed + 5;
}

void OrganModel::SpeedDown()
{
    FinishFlyingShot();
    ClearBench();
    m_speed = m_speed < 6 ? 0 : m_speed - 5;
}

void OrganModel::MassUp()
{
    FinishFlyingShot();
    ClearBench();
    m_mass = std::min(MaxMass, m_mass + 1);
}

void OrganModel::MassDown()
{
    FinishFlyingShot();
    ClearBench();
    m_mass = m_mass < 3 ? MinMass : m_mass - 1;
}

void OrganModel::Launch()
{
    if (!CanLaunch())
        return;
    FinishFlyingShot();
    m_shot.Launch(m_layout, m_laws, m_speed, m_mass);
}

void OrganModel::Tick()
{
    if (m_shot.Tick(m_layout, m_speed))
        RecordShot();
}

void OrganModel::FinishFlyingShot()
{
    if (m_shot.Finish(m_layout, m_speed))
        RecordShot();
}

void OrganModel::ClearBench()
{
    m_shot.ClearBench(m_layout);
}

void OrganModel::RecordShot()
{
    if (m_tubes.AddTube(m_laws.CrushedTube(m_speed, m_mass)))
        ListChanged();
}

void OrganModel::DeleteSelected()
{
    FinishFlyingShot();
    const int count = m_tubes.TubeCount();
    m_tubes.DeleteTube(m_tubes.Selected());
    if (m_tubes.TubeCount() != count)
        ListChanged();
}

void OrganModel::SetSortMode(int mode)
{
    m_tubes.SetSortMode(mode);
    ListChanged();
}

void OrganModel::NextPage()
{
    m_paging.NextPage();
    m_tubes.Hover(-1);
}

void OrganModel::PreviousPage()
{
    m_paging.PreviousPage();
    m_tubes.Hover(-1);
}

void OrganModel::ListChanged()
{
    m_paging.Update(m_tubes.TubeCount());
    ++m_listRevision;
}
