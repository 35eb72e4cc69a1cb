#include "settingskeys.h"

#include <array>

namespace {

using R = AppSettingsRecord;

const auto keys = std::to_array<SettingKey>({
    {"General", "TipFlag", &R::TipFlag},
    {"General", "MotifFlag", &R::MotifFlag},
    {"General", "HintFlag", &R::HintFlag},
    {"General", "TipIndex", &R::TipIndex},
    {"General", "Ips", &R::Ips},
    {"General", "SplasheFlag", &R::SplasheFlag},
    {"General", "LockFlag", &R::LockFlag},
    {"General", "Event_Index", &R::Event_Index},
    {"General", "CalcFlag", &R::CalcFlag},
    {"General", "InstanceFlag", &R::InstanceFlag},
    {"Couleurs", "clFond", &R::clFond},
    {"Couleurs", "clTraceA", &R::clTraceA},
    {"Couleurs", "clTraceB", &R::clTraceB},
    {"Couleurs", "clTraceC", &R::clTraceC},
    {"Couleurs", "clObjet", &R::clObjet},
    {"Couleurs", "clContour", &R::clContour},
    {"Couleurs", "clTexte", &R::clTexte},
    {"Couleurs", "clCadre", &R::clCadre},
    {"Couleurs", "clCurseur", &R::clCurseur, true},
    {"General", "clDigits", &R::clDigits},
    {"Modules", "HauteurUm", &R::HauteurUm},
    {"Modules", "BoucleFlag", &R::BoucleFlag},
    {"Freinage", "VitesseCible1", &R::VitesseCible1},
    {"Freinage", "VitesseCible2", &R::VitesseCible2},
    {"Freinage", "TempsReac1", &R::TempsReac1},
    {"Freinage", "TempsReac2", &R::TempsReac2},
    {"Freinage", "CoeffRoute1", &R::CoeffRoute1},
    {"Freinage", "CoeffRoute2", &R::CoeffRoute2},
    {"Freinage", "PasAnim0", &R::PasAnim0},
    {"Freinage", "BasBrake1", &R::BasBrake1},
    {"Freinage", "BasBrake2", &R::BasBrake2},
    {"Freinage", "AnimPasFlag", &R::AnimPasFlag},
    {"Freinage", "FreinageAllowFlag", &R::FreinageAllowFlag},
    {"Percuta", "IndexTri", &R::IndexTri},
    {"Percuta", "VmsFlag", &R::VmsFlag},
    {"Percuta", "VkmhFlag", &R::VkmhFlag},
    {"Percuta", "VcarreFlag", &R::VcarreFlag},
    {"Percuta", "MasseFlag", &R::MasseFlag},
    {"Percuta", "L0Flag", &R::L0Flag},
    {"Percuta", "LfFlag", &R::LfFlag},
    {"Percuta", "LEnfFlag", &R::LEnfFlag},
    {"Percuta", "LPliFlag", &R::LPliFlag},
    {"Percuta", "OrgueAllowFlag", &R::OrgueAllowFlag},
    {"Percuta", "TubeLabFlag", &R::TubeLabFlag},
    {"Percuta", "OrgueRandomFlag", &R::OrgueRandomFlag},
    {"Poids", "LCDCoulFlag", &R::LCDCoulFlag},
    {"Poids", "PoidsRandomFlag", &R::PoidsRandomFlag},
    {"Champ", "ChampAllowFlag", &R::ChampAllowFlag},
    {"Champ", "FlouFlag", &R::FlouFlag},
});

const std::array<PlacementSlot, PlacementSlotCount> saveOrder{
    SlotMain, SlotRoue, SlotBalle, SlotDisque, SlotChute,
    SlotFreinage, SlotPoids, SlotPercuta, SlotChamp,
};

} // namespace

std::span<const SettingKey> SettingKeys()
{
    return keys;
}

std::span<const PlacementSlot> PlacementSaveOrder()
{
    return saveOrder;
}
