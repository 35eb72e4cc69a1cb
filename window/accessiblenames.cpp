#include "window/accessiblenames.h"

#include <QAbstractButton>
#include <QWidget>
#include <map>
#include <string>

namespace {

struct Entry
{
    const char* name;
    const char* description = nullptr;
};

// Keys are "Window/Control" for a window's own control, "Control" for a
// name shared by every window.
const std::map<std::string, Entry>& SpeechList()
{
    static const std::map<std::string, Entry> list{
        // the windows' picture buttons
        {"CloseBout", {"Fermer"}},
        {"AideBout", {"Aide"}},
        {"CopierBout", {"Copier l'image"}},
        {"CopyBout", {"Copier l'image"}},
        {"CalcBout", {"Calculatrice"}},
        {"OptionsBout", {"Préférences"}},
        {"PlayBout", {"Lecture"}},
        {"StopBout", {"Arrêt"}},
        {"DebutBout", {"Début"}},
        {"FinBout", {"Fin"}},
        {"ArriereBout", {"Pas en arrière"}},
        {"AvantBout", {"Pas en avant"}},
        {"BoucleBout", {"En boucle"}},
        {"ColorBout", {"Couleur d'affichage"}},
        // the motion windows
        {"Canevas", {"Image du mouvement"}},
        {"IpsCombo", {"Cadence d'affichage"}},
        {"RoueF/TraceACheck", {"Suivi du point A"}},
        {"RoueF/TraceBCheck", {"Suivi du point B"}},
        {"RoueF/TraceCCheck", {"Suivi du point C"}},
        {"DisqueF/TraceACheck", {"Suivi du point A"}},
        {"DisqueF/TraceBCheck", {"Suivi du point B"}},
        {"DisqueF/TraceCCheck", {"Suivi du point C"}},
        {"CarreA", {"Couleur du point A", "Couleur de la trace du point A"}},
        {"CarreB", {"Couleur du point B", "Couleur de la trace du point B"}},
        {"CarreC", {"Couleur du point C", "Couleur de la trace du point C"}},
        {"V0Spin", {"Vitesse initiale"}},
        {"V0Ed", {"Vitesse initiale"}},
        {"AlphaSpin", {"Angle de tir"}},
        {"AlphaEd", {"Angle de tir"}},
        {"HauteurSpin", {"Hauteur de chute"}},
        {"HautEd", {"Hauteur de chute"}},
        {"NoCursBout", {"Effacer le curseur"}},
        {"Logo", {"Logo", "Logo de Kinea"}},
        {"InfosZone", {"Lecture du curseur", "Hauteur de chute que marque le curseur sur la règle"}},
        // braking
        {"FreinageF/DepartBout", {"Départ"}},
        {"FreinageF/PauseBout", {"Pause"}},
        {"FreinageF/StopBout", {"Retour au départ"}},
        {"FreinageF/ZoomPlusBout", {"Zoom avant"}},
        {"FreinageF/ZoomMoinsBout", {"Zoom arrière"}},
        {"FreinageF/ZoomAdapteBout", {"Zoom adapté au freinage"}},
        {"FreinageF/PasBar", {"Échelle temporelle"}},
        {"FreinageF/Speed1Spin", {"Vitesse du véhicule 1"}},
        {"FreinageF/Speed1Ed", {"Vitesse du véhicule 1"}},
        {"FreinageF/Speed2Spin", {"Vitesse du véhicule 2"}},
        {"FreinageF/Speed2Ed", {"Vitesse du véhicule 2"}},
        {"FreinageF/Freins1Combo", {"Freins du véhicule 1"}},
        {"FreinageF/Freins2Combo", {"Freins du véhicule 2"}},
        {"FreinageF/Route1Combo", {"Chaussée du véhicule 1"}},
        {"FreinageF/Route2Combo", {"Chaussée du véhicule 2"}},
        {"FreinageF/Reaction1Combo", {"Temps de réaction du conducteur 1"}},
        {"FreinageF/Reaction2Combo", {"Temps de réaction du conducteur 2"}},
        {"FreinageF/AutoIconeRZone", {"Véhicule 1", "La voiture rouge"}},
        {"FreinageF/AutoIconeGZone", {"Véhicule 2", "La voiture verte"}},
        {"FreinageF/Zone1",
         {"Route du véhicule 1", "La voiture rouge sur sa route, ses distances de réaction et de freinage"}},
        {"FreinageF/Zone2",
         {"Route du véhicule 2", "La voiture verte sur sa route, ses distances de réaction et de freinage"}},
        // visual field
        {"ChampF/SpeedSpin", {"Vitesse du véhicule"}},
        {"ChampF/SpeedEd", {"Vitesse du véhicule"}},
        {"ChampF/Display1",
         {"Champ visuel à l'arrêt", "La route vue du conducteur, véhicule à l'arrêt, hors du champ assombri"}},
        {"ChampF/Display2",
         {"Champ visuel choisi", "La route vue du conducteur à la vitesse ou sous l'alcool choisis"}},
        // weight
        {"PoidsF/ObjetCombo", {"Objet"}},
        {"PoidsF/Lieu1Combo", {"Lieu n°1"}},
        {"PoidsF/Lieu2Combo", {"Lieu n°2"}},
        {"PoidsF/Lieu3Combo", {"Lieu n°3"}},
        {"PoidsF/Display1", {"Globe du lieu n°1"}},
        {"PoidsF/Display2", {"Globe du lieu n°2"}},
        {"PoidsF/Display3", {"Globe du lieu n°3"}},
        {"PoidsF/Zone1", {"Balance du lieu n°1", "L'objet sur la balance et le poids qu'elle affiche"}},
        {"PoidsF/Zone2", {"Balance du lieu n°2", "L'objet sur la balance et le poids qu'elle affiche"}},
        {"PoidsF/Zone3", {"Balance du lieu n°3", "L'objet sur la balance et le poids qu'elle affiche"}},
        // kinetic organ
        {"PercutaF/DepartBout", {"Lancer le percuteur"}},
        {"PercutaF/SpeedSpin", {"Vitesse du percuteur"}},
        {"PercutaF/SpeedEd", {"Vitesse du percuteur"}},
        {"PercutaF/MasseSpin", {"Masse du percuteur"}},
        {"PercutaF/MasseEd", {"Masse du percuteur"}},
        {"PercutaF/PredBout", {"Page précédente"}},
        {"PercutaF/NextBout", {"Page suivante"}},
        {"PercutaF/ComboTri", {"Tri des tubes"}},
        {"PercutaF/DelBout", {"Supprimer le tube"}},
        {"PercutaF/CopyDataBout", {"Copier les valeurs"}},
        {"PercutaF/Display1", {"Banc de lancement", "Le percuteur, sa vitesse et sa masse, et le tube à écraser"}},
        {"PercutaF/Display2", {"Tubes écrasés", "Les tubes écrasés côte à côte, comme les tuyaux d'un orgue"}},
        // dialogs
        {"PreferencesF/PagesList", {"Pages des préférences"}},
        {"PreferencesF/PreviewBox", {"Aperçu des couleurs", "Un écran de mouvement peint des couleurs choisies"}},
        {"PreferencesF/BannerBox", {"Titre de la page", "Le nom et l'image de la page choisie"}},
        {"TipF/tipBox", {"Astuce", "Le cadre de l'astuce du jour"}},
        {"SplashF/Zone",
         {"Globe des événements", "Le globe tourne vers le lieu d'un événement scientifique et le raconte"}},
    };
    return list;
}

bool HasCaption(const QWidget* control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button && !button->text().trimmed().isEmpty();
}

} // namespace

ControlSpeech ControlSpeechFor(const QString& window, const QString& control)
{
    const auto& list = SpeechList();
    auto found = list.find((window + QLatin1Char('/') + control).toStdString());
    if (found == list.end())
        found = list.find(control.toStdString());
    if (found == list.end())
        return {};
    const Entry& entry = found->second;
    return {QString::fromUtf8(entry.name), entry.description ? QString::fromUtf8(entry.description) : QString()};
}

void NameControls(QWidget* window)
{
    const QString windowName = window->objectName();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const ControlSpeech speech = ControlSpeechFor(windowName, control->objectName());
        if (control->accessibleName().isEmpty()) {
            if (!speech.name.isEmpty())
                control->setAccessibleName(speech.name);
            else if (!HasCaption(control) && !control->toolTip().trimmed().isEmpty())
                control->setAccessibleName(control->toolTip().trimmed());
        }
        if (control->accessibleDescription().isEmpty() && control->toolTip().isEmpty() && !speech.description.isEmpty())
            control->setAccessibleDescription(speech.description);
    }
}
