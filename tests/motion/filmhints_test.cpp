// The hint bubbles of the four films' players: where a film words a hint its
// own way, its wording; elsewhere the player's.
#include "motiontesting.h"

#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"

#include <functional>

using testing_support::Child;

namespace {

struct FilmHintRow
{
    std::function<QWidget*()> make;
    const char* back; // ArriereBout
    const char* forward; // AvantBout
    const char* play; // PlayBout
    const char* start; // DebutBout
    const char* rate; // IpsCombo
    const char* trace; // TraceBCheck
};

using FilmHints = MotionTest;

TEST_F(FilmHints, EachFilmShowsItsOwnWordingAndThePlayersElsewhere)
{
    const FilmHintRow rows[] = {
        {[] { return new TBalleF; }, " Revenir d'un pas en arrière", " Un pas en avant ( touche Ctrl )",
         " Lancer l'animation", " Revenir au début de l'animation",
         " Cadence d'affichage de l'image ( images par seconde )", "Afficher les positions successives de la balle"},
        {[] { return new TChuteF; }, " Un pas en arrière",
         " Un pas en avant ( équivalent à la touche Contrôle du clavier )", " Lancer l'anaimation",
         " Aller au début de l'animation", " Définir la cadence d'affichage ( images par seconde )",
         " Afficher les positions successives du point"},
        {[] { return new TRoueF; }, " Un pas en arrière", " Un pas en avant ( touche Ctrl )", " Lancer l'animation",
         " Aller au début de l'animation", " Définir la cadence d'affichage ( en images par seconde )",
         " Afficher les positions successives du point"},
        {[] { return new TDisqueF; }, " Un pas en arière",
         " Un pas en avant ( équivalent à la touche Contrôle du clavier )", " Lancer l'animation",
         " Aller au début de l'animation",
         " Sélectionner la cadence d'affichage de l'animation ( en images par seconde )",
         " afficher les positions successives du point"},
    };
    for (const FilmHintRow& row : rows) {
        const std::unique_ptr<QWidget> w(row.make());
        const std::pair<const char*, const char*> hints[]
            = {{"ArriereBout", row.back}, {"AvantBout", row.forward}, {"PlayBout", row.play},
               {"DebutBout", row.start},  {"IpsCombo", row.rate},     {"TraceBCheck", row.trace}};
        for (const auto& [control, text] : hints) {
            const QWidget* widget = Child<QWidget>(w.get(), control);
            ASSERT_NE(widget, nullptr) << control;
            EXPECT_EQ(widget->toolTip(), QString::fromUtf8(text)) << w->objectName().toStdString() << " " << control;
        }
    }
}

} // namespace
