#include "motion/motiontraits.h"

#include <algorithm>

namespace {

using namespace MotionFlag;
using enum MotionKind;

constexpr std::array<bool, 3> kOnlyB{false, true, false};
constexpr std::array<bool, 3> kABC{true, true, true};

// A disc 8 pixels across centred on the point; the balls are 12 across,
// and the falling ball rests on its point: its lowest row marks the
// distance fallen.
constexpr QRect kSmallMark(QPoint(-4, -4), QPoint(4, 4));
constexpr QRect kBallMark(QPoint(-6, -6), QPoint(5, 5));
constexpr QRect kRestingBallMark(QPoint(-6, -12), QPoint(5, 0));

// The hints the films word their own way (the projectile keeps the
// player's), with the wordings several of them share.
constexpr const char* kStepBack = " Un pas en arrière";
constexpr const char* kStepForwardCtrl = " Un pas en avant ( équivalent à la touche Contrôle du clavier )";
constexpr const char* kGoToStart = " Aller au début de l'animation";
constexpr const char* kTracePoint = " Afficher les positions successives du point";
constexpr MotionHints kFreeFallHints{.back = kStepBack,
                                     .forward = kStepForwardCtrl,
                                     .play = " Lancer l'anaimation",
                                     .start = kGoToStart,
                                     .traces = kTracePoint,
                                     .rate = " Définir la cadence d'affichage ( images par seconde )"};
constexpr MotionHints kWheelHints{.back = kStepBack,
                                  .start = kGoToStart,
                                  .traces = kTracePoint,
                                  .rate = " Définir la cadence d'affichage ( en images par seconde )"};
constexpr MotionHints kDiscHints{.back = " Un pas en arière",
                                 .forward = kStepForwardCtrl,
                                 .start = kGoToStart,
                                 .traces = " afficher les positions successives du point",
                                 .rate
                                 = " Sélectionner la cadence d'affichage de l'animation ( en images par seconde )"};

// The wheel and the disc share one design.
constexpr MotionLayout kProjectileLayout{{427, 273}, 68, 4};
constexpr MotionLayout kFreeFallLayout{{433, 374}};
constexpr MotionLayout kTurningLayout{{477, 328}, 63, 8};

// kind, help keyword, object name, title, points, flags, mark, hints, layout.
constexpr std::array<MotionTraits, 4> kFilms{{
    {Projectile, "Balle", "BalleF", "Mouvement d'un projectile", kOnlyB, LoopButton, kBallMark, {}, kProjectileLayout},
    {FreeFall, "Balle", "ChuteF", "Chute d'une bille", kOnlyB, 0, kRestingBallMark, kFreeFallHints, kFreeFallLayout},
    {Wheel, "Roue", "RoueF", "Roue d'une bicyclette", kABC, LoopButton | ConsumesCtrl, kSmallMark, kWheelHints,
     kTurningLayout},
    {Disc, "Disque", "DisqueF", "Disque en rotation", kABC, LoopButton | BeepsOnEveryKey, kSmallMark, kDiscHints,
     kTurningLayout},
}};

} // namespace

const MotionTraits& FilmTraits(MotionKind kind)
{
    return *std::ranges::find(kFilms, kind, &MotionTraits::kind);
}
