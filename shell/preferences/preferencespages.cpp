#include "shell/preferences/preferencespages.h"

#include "controls/tapibutton.h"
#include "controls/tapicheckbox.h"
#include "platform/calculatorname.h"
#include "shell/preferences/preferencescolorpage.h"

#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <array>

namespace {

constexpr int kColorPage = 3;

const char* const kPageCaptions[kPreferencesPageCount] = {
    " Générales",        " Outils du logiciel", " Sécurité",        " Couleurs",
    " Poids d'un objet", " Modules conduite",   " Orgue cinétique", " Mouvements",
};

struct Frame
{
    int page;
    const char* name;
    const char* title;
    QRect rect;
};

// By PreferenceFrame, after None.
const std::array<Frame, 3> kFrames{{
    {5, "FreinageGroup", " Module \"Freinage et arrêt d'un véhicule\" ", {4, 2, 385, 106}},
    {5, "ChampGroup", " Module \"Champ visuel\" ", {4, 116, 385, 106}},
    {6, "TableauGroup", " Inclure dans le tableau de valeurs ( presse-papiers ) ", {4, 2, 385, 116}},
}};

using S = AppSettingsRecord;
using F = PreferenceFrame;
using L = CaptionLayout;

const PreferenceCheck kChecks[] = {
    {0, "SplasheCheck", " Afficher l'écran d'accueil au démarrage de Kinea", &S::SplasheFlag, F::None, {8, 8, 377, 20}},
    {0, "TipCheck", " Afficher l'astuce du jour au démarrage", &S::TipFlag, F::None, {8, 32, 377, 20}},
    {0, "InstanceCheck", " N'autoriser qu'une seule instance de Kinea", &S::InstanceFlag, F::None, {8, 56, 377, 20}},
    {0,
     "HintCheck",
     " Afficher les bulles d'aides pour les fenêtres qui en disposent",
     &S::HintFlag,
     F::None,
     {8, 80, 377, 20}},
    {1, "CalcCheck", " Autoriser l'accès à {calculatrice}", &S::CalcFlag, F::None, {8, 8, 377, 20}, L::Wrapped},
    {4,
     "LCDCoulCheck",
     " Permettre la modification de la couleur d'affichage du dynamomètre",
     &S::LCDCoulFlag,
     F::None,
     {8, 8, 377, 20}},
    {4,
     "PoidsRandomCheck",
     " Introduire une incertitude de 1 % dans les mesures",
     &S::PoidsRandomFlag,
     F::None,
     {8, 32, 377, 20}},
    {5,
     "AnimPasCheck",
     "  Permettre le réglage de l'échelle temporelle         ( accélère l'affichage sur un "
     "ordinateur lent )",
     &S::AnimPasFlag,
     F::Freinage,
     {10, 22, 252, 32},
     L::WrappedFromTop,
     "Ajoute au module de freinage un réglage du nombre d'étapes sautées à chaque image"},
    {5,
     "FreinageAllowCheck",
     " Autoriser l'accès aux préférences depuis le module",
     &S::FreinageAllowFlag,
     F::Freinage,
     {10, 66, 365, 20},
     L::SingleLine,
     "Montre le bouton des préférences dans la fenêtre du freinage"},
    {5,
     "FlouCheck",
     " Utiliser une image floue dans le cas d'un conducteur alcoolisé",
     &S::FlouFlag,
     F::Champ,
     {10, 22, 250, 32},
     L::WrappedFromTop,
     "Montre la route floue quand le conducteur a bu de l'alcool"},
    {5,
     "ChampAllowCheck",
     " Autoriser l'accès aux préférences depuis le module",
     &S::ChampAllowFlag,
     F::Champ,
     {10, 66, 365, 20},
     L::SingleLine,
     "Montre le bouton des préférences dans la fenêtre du champ visuel"},
    {6, "VmsCheck", " Vitesse du percuteur ( m/s )", &S::VmsFlag, F::Tableau, {10, 20, 178, 20}},
    {6, "VkmhCheck", " Vitesse du percuteur ( km/h )", &S::VkmhFlag, F::Tableau, {10, 42, 178, 20}},
    {6, "VCarreCheck", " Vitesse au carré ( m²/s²)", &S::VcarreFlag, F::Tableau, {10, 64, 178, 20}},
    {6, "MasseCheck", " Masse du percuteur ( kg )", &S::MasseFlag, F::Tableau, {10, 86, 178, 20}},
    {6, "L0Check", " Longueur initiale du tube ( cm )", &S::L0Flag, F::Tableau, {192, 20, 188, 20}},
    {6, "LfCheck", " Longueur après le choc ( cm )", &S::LfFlag, F::Tableau, {192, 42, 188, 20}},
    {6, "LenfCheck", " Longueur enfoncée ( cm )", &S::LEnfFlag, F::Tableau, {192, 64, 188, 20}},
    {6, "LPliCheck", " Longueur déformation ( cm )", &S::LPliFlag, F::Tableau, {192, 86, 188, 20}},
    {6,
     "OrgueRandomCheck",
     " Introduire une incertitude de 5% dans les mesures",
     &S::OrgueRandomFlag,
     F::None,
     {8, 126, 377, 20}},
    {6,
     "OrgueAllowCheck",
     " Autoriser l'accès aux options depuis le module",
     &S::OrgueAllowFlag,
     F::None,
     {8, 150, 377, 20}},
    {6,
     "TubeLabCheck",
     " Afficher les étiquettes ( vitesse et masse ) sur les tubes",
     &S::TubeLabFlag,
     F::None,
     {8, 174, 377, 20}},
    {7, "LockCheck", " Verrouillage du suivi des points de trajectoire", &S::LockFlag, F::None, {8, 8, 377, 20}},
    {7,
     "BoucleCheck",
     " Toujours ouvrir les modules avec la fonction \"En boucle\" activée",
     &S::BoucleFlag,
     F::None,
     {8, 56, 377, 20}},
};

void SetUpCheck(TAPICheckBox* box, const PreferenceCheck& row)
{
    switch (row.layout) {
    case CaptionLayout::SingleLine: box->SetMultiline(false); break;
    case CaptionLayout::Wrapped: break;
    case CaptionLayout::WrappedFromTop: box->SetCaptionVAlign(btnVTop); break;
    }
    box->setToolTip(row.hint ? QString::fromUtf8(row.hint) : QString());
}

QLabel* AddLabel(QWidget* page, const char* name, const QString& text, const QRect& rect)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    return label;
}

TAPIButton* AddButton(QWidget* page, const char* name, const QString& caption, const QRect& rect)
{
    auto* button = new TAPIButton(QString::fromLatin1(name), page);
    button->SetCaption(caption);
    button->SetCaptionHAlign(btnHCenter);
    button->SetCaptionVAlign(btnVCenter);
    button->setGeometry(rect);
    return button;
}

void AddPageTexts(const std::vector<QWidget*>& pages, PreferencesPages& built)
{
    AddLabel(pages[0], "AutoriserLab",
             QStringLiteral("Autoriser l'accès aux options pour tous les modules qui en disposent :"),
             {8, 116, 377, 16});
    built.autoriser = AddButton(pages[0], "AutoriserBout", QStringLiteral("&Autoriser"), {24, 134, 90, 20});
    AddLabel(pages[0], "InterdireLab",
             QStringLiteral("Interdire l'accès aux options pour tous les modules qui en disposent :"),
             {8, 166, 377, 16});
    built.interdire = AddButton(pages[0], "InterdireBout", QStringLiteral("&Interdire"), {24, 184, 90, 20});
    AddLabel(pages[7], "LockLab",
             QStringLiteral("( Combinaison \" Ctrl + V \" dans tous les modules d'étude du mouvement )"),
             {25, 28, 360, 16});
}

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

PreferencesPages BuildPreferencesPages(QWidget* parent)
{
    PreferencesPages built;
    built.stack = new QStackedWidget(parent);
    built.stack->setObjectName("PageControl");
    std::vector<QWidget*> pages;
    for (int i = 0; i < kPreferencesPageCount; ++i) {
        QWidget* page = i == kColorPage ? (built.colors = new ColorEditorPage) : new QWidget;
        page->setObjectName(QStringLiteral("Page%1").arg(i));
        built.stack->addWidget(page);
        pages.push_back(page);
    }
    std::array<QGroupBox*, kFrames.size()> frames{};
    for (std::size_t i = 0; i < kFrames.size(); ++i) {
        const Frame& frame = kFrames[i];
        frames[i] = new QGroupBox(QString::fromUtf8(frame.title), pages[frame.page]);
        frames[i]->setObjectName(QString::fromLatin1(frame.name));
        frames[i]->setGeometry(frame.rect);
    }
    for (const PreferenceCheck& row : kChecks) {
        QWidget* holder = row.frame == PreferenceFrame::None
                              ? pages[row.page]
                              : static_cast<QWidget*>(frames[std::size_t(row.frame) - 1]);
        auto* box = new TAPICheckBox(QString::fromLatin1(row.name), holder);
        box->SetCaption(WithCalculatorName(QString::fromUtf8(row.caption)));
        box->setGeometry(row.rect);
        SetUpCheck(box, row);
        built.checks.emplace_back(&row, box);
    }
    AddPageTexts(pages, built);
    return built;
}
