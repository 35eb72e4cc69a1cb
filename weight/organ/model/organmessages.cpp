#include "weight/organ/model/organmessages.h"

#include <map>

namespace {

const std::map<int, const char*>& FixedTexts()
{
    static const std::map<int, const char*> texts{
        {MessageTubes, "Clic gauche pour sélectionner un tube  | Clic droit pour un menu contextuel | "
                       "Touche \"Suppr\" pour effacer un tube | Touche Échap pour invalider la sélection"},
        {MessageDepart, "Lance le percuteur à la vitesse et à la masse définies"},
        {MessageCalc, "Ouvrir {calculatrice} ( si disponible )"},
        {MessageSpeed, "Définir la vitesse atteinte par le percuteur ( 0 à 130 km/h )"},
        {MessageMasse, "Définir la masse du percuteur ( 1 à 20 kg )"},
        {MessageCopy, "Copier les visualisations dans le presse-papier"},
        {MessageAide, "Accéder à l'aide du logiciel"},
        {MessageCopyData, "Copier les valeurs sous la forme d'un tableau dans le presse-papiers"},
        {MessageDel, "Supprimer le tube sélectionné"},
        {MessageClose, "Quitter cette fenêtre"},
        {MessageTri, "Sélectionner un mode de tri pour les tubes"},
        {MessageBench, "Banc de lancement - Cliquer puis glisser pour déplacer le percuteur"},
        {MessageNoTubes, "Zone d'affichage des tubes déformés - Aucun tube affiché - "
                         "Appuyer sur le bouton départ ( triangle ) pour lancer le percuteur"},
        {MessageOptions, "Accéder aux préférences du logiciel concernant le module \"Orgue cinétique\""},
        {MessageElsewhere, "Utiliser le bouton \"Démarrer\" pour lancer le percuteur"},
    };
    return texts;
}

} // namespace

QString MessageText(int code, int page, int pageCount)
{
    if (code == MessagePred || code == MessageNext) {
        const QString way = code == MessagePred ? QStringLiteral("précédente") : QStringLiteral("suivante");
        const int target = code == MessagePred ? page - 1 : page + 1;
        return QStringLiteral("Afficher les tubes de la page %1 ( page %2 sur %3 )")
            .arg(way)
            .arg(target)
            .arg(pageCount);
    }
    const auto found = FixedTexts().find(code);
    const auto& text = found != FixedTexts().end() ? found->second : FixedTexts().at(MessageElsewhere);
    return QString::fromUtf8(text);
}

QString ShortenToFit(const QString& text, int width, const std::function<int(const QString&)>& measure)
{
    if (measure(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString kept = text;
    while (!kept.isEmpty()) {
        kept.chop(1);
        if (measure(kept + dots) <= width)
            break;
    }
    return kept + dots;
}
