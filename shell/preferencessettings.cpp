#include "shell/preferencessettings.h"

#include <algorithm>

namespace {

const char* const kPageCaptions[kPreferencesPageCount] = {
    " Générales", " Outils du logiciel", " Sécurité", " Couleurs",
    " Poids d'un objet", " Modules conduite", " Orgue cinétique", " Mouvements",
};

using S = AppSettingsRecord;

const PreferenceCheck kChecks[] = {
    {0, "SplasheCheck", " Afficher l'écran d'accueil au démarrage de Kinea", &S::SplasheFlag},
    {0, "TipCheck", " Afficher l'astuce du jour au démarrage", &S::TipFlag},
    {0, "InstanceCheck", " N'autoriser qu'une seule instance de Kinea", &S::InstanceFlag},
    {0, "HintCheck", " Afficher les bulles d'aides pour les fenêtres qui en disposent", &S::HintFlag},
    {1, "CalcCheck", " Autoriser l'accès à la calculatrice de Windows", &S::CalcFlag},
    {4, "LCDCoulCheck", " Permettre la modification de la couleur d'affichage du dynamomètre",
     &S::LCDCoulFlag},
    {4, "PoidsRandomCheck", " Introduire une incertitude de 1 % dans les mesures", &S::PoidsRandomFlag},
    {5, "AnimPasCheck",
     "  Permettre le réglage de l'échelle temporelle         ( accélère l'affichage sur un "
     "ordinateur lent )",
     &S::AnimPasFlag},
    {5, "FreinageAllowCheck", " Autoriser l'accès aux préférences depuis le module",
     &S::FreinageAllowFlag},
    {5, "FlouCheck", " Utiliser une image floue dans le cas d'un conducteur alcoolisé", &S::FlouFlag},
    {5, "ChampAllowCheck", " Autoriser l'accès aux préférences depuis le module", &S::ChampAllowFlag},
    {6, "VmsCheck", " Vitesse du percuteur ( m/s )", &S::VmsFlag},
    {6, "VkmhCheck", " Vitesse du percuteur ( km/h )", &S::VkmhFlag},
    {6, "VCarreCheck", " Vitesse au carré ( m²/s²)", &S::VcarreFlag},
    {6, "MasseCheck", " Masse du percuteur ( kg )", &S::MasseFlag},
    {6, "L0Check", " Longueur initiale du tube ( cm )", &S::L0Flag},
    {6, "LfCheck", " Longueur après le choc ( cm )", &S::LfFlag},
    {6, "LenfCheck", " Longueur enfoncée ( cm )", &S::LEnfFlag},
    {6, "LPliCheck", " Longueur déformation ( cm )", &S::LPliFlag},
    {6, "OrgueRandomCheck", " Introduire une incertitude de 5% dans les mesures", &S::OrgueRandomFlag},
    {6, "OrgueAllowCheck", " Autoriser l'accès aux options depuis le module", &S::OrgueAllowFlag},
    {6, "TubeLabCheck", " Afficher les étiquettes ( vitesse et masse ) sur les tubes", &S::TubeLabFlag},
    {7, "LockCheck", " Verrouillage du suivi des points de trajectoire", &S::LockFlag},
    {7, "BoucleCheck", " Toujours ouvrir les modules avec la fonction \"En boucle\" activée",
     &S::BoucleFlag},
};

const ColorTarget kColorTargets[kColorTargetCount] = {
    {" Marqueur coloré A", &S::clTraceA},
    {" Marqueur coloré B", &S::clTraceB},
    {" Marqueur coloré C", &S::clTraceC},
    {" Fond de l'écran", &S::clFond},
    {" Objets ( roue, disque... )", &S::clObjet},
    {" Contour des objets", &S::clContour},
    {" Texte, règles...", &S::clTexte},
    {" Cadre de l'écran de travail", &S::clCadre},
};

} // namespace

QString PreferencesPageCaption(int page)
{
    if (page < 0 || page >= kPreferencesPageCount)
        return {};
    return QString::fromUtf8(kPageCaptions[page]);
}

int ClampPreferencesPage(int page)
{
    return (page < 0 || page >= kPreferencesPageCount) ? 0 : page;
}

std::span<const PreferenceCheck> PreferenceChecks()
{
    return kChecks;
}

std::span<const ColorTarget> ColorTargets()
{
    return kColorTargets;
}

ColorSet ReadColors(const AppSettingsRecord& settings)
{
    ColorSet colors{};
    std::transform(std::begin(kColorTargets), std::end(kColorTargets), colors.begin(),
                   [&](const ColorTarget& target) { return settings.*target.setting; });
    return colors;
}

void WriteColors(AppSettingsRecord& settings, const ColorSet& colors)
{
    for (int i = 0; i < kColorTargetCount; ++i)
        settings.*kColorTargets[i].setting = colors[i];
}

ColorSet DefaultColors()
{
    return ReadColors(AppSettingsRecord{});
}

ColorSet PrintColors()
{
    AppSettingsRecord paper;
    paper.clFond = 0xFFFFFF;
    paper.clTraceA = 0x000000;
    paper.clTraceB = 0x808080;
    paper.clTraceC = 0xC0C0C0;
    paper.clObjet = 0xFFFFFF;
    paper.clContour = 0x000000;
    paper.clTexte = 0x000000;
    paper.clCadre = 0x808080;
    return ReadColors(paper);
}

TColor* ColorSetting(AppSettingsRecord& settings, int target)
{
    if (target < 0 || target >= kColorTargetCount)
        return nullptr;
    return &(settings.*kColorTargets[target].setting);
}
