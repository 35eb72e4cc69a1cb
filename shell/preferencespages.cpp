#include "shell/preferencespages.h"

#include "controls/tapibutton.h"
#include "controls/tapicheckbox.h"
#include "shell/preferencescolorpage.h"

#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>

namespace {

constexpr int kColorPage = 3;

struct Frame
{
    int page;
    const char* name;
    const char* title;
    QRect rect;
};

const Frame kFrames[] = {
    {5, "FreinageGroup", " Module \"Freinage et arrêt d'un véhicule\" ", {4, 2, 385, 106}},
    {5, "ChampGroup", " Module \"Champ visuel\" ", {4, 116, 385, 106}},
    {6, "TableauGroup", " Inclure dans le tableau de valeurs ( presse-papiers ) ", {4, 2, 385, 116}},
};

// Where each check box stands: on its page, or inside a frame.
struct Place
{
    const char* name;
    const char* frame; // nullptr: straight on the page
    QRect rect;
};

const Place kPlaces[] = {
    {"SplasheCheck", nullptr, {8, 8, 377, 20}},
    {"TipCheck", nullptr, {8, 32, 377, 20}},
    {"InstanceCheck", nullptr, {8, 56, 377, 20}},
    {"HintCheck", nullptr, {8, 80, 377, 20}},
    {"CalcCheck", nullptr, {8, 8, 377, 20}},
    {"LCDCoulCheck", nullptr, {8, 8, 377, 20}},
    {"PoidsRandomCheck", nullptr, {8, 32, 377, 20}},
    {"AnimPasCheck", "FreinageGroup", {10, 22, 252, 32}},
    {"FreinageAllowCheck", "FreinageGroup", {10, 66, 365, 20}},
    {"FlouCheck", "ChampGroup", {10, 22, 250, 32}},
    {"ChampAllowCheck", "ChampGroup", {10, 66, 365, 20}},
    {"VmsCheck", "TableauGroup", {10, 20, 178, 20}},
    {"VkmhCheck", "TableauGroup", {10, 42, 178, 20}},
    {"VCarreCheck", "TableauGroup", {10, 64, 178, 20}},
    {"MasseCheck", "TableauGroup", {10, 86, 178, 20}},
    {"L0Check", "TableauGroup", {192, 20, 188, 20}},
    {"LfCheck", "TableauGroup", {192, 42, 188, 20}},
    {"LenfCheck", "TableauGroup", {192, 64, 188, 20}},
    {"LPliCheck", "TableauGroup", {192, 86, 188, 20}},
    {"OrgueRandomCheck", nullptr, {8, 126, 377, 20}},
    {"OrgueAllowCheck", nullptr, {8, 150, 377, 20}},
    {"TubeLabCheck", nullptr, {8, 174, 377, 20}},
    {"LockCheck", nullptr, {8, 8, 377, 20}},
    {"BoucleCheck", nullptr, {8, 56, 377, 20}},
};

// Page 5 shows hint bubbles.
const struct {
    const char* name;
    const char* hint;
} kHints[] = {
    {"AnimPasCheck", "Ajoute au module de freinage un réglage du nombre d'étapes sautées à chaque image"},
    {"FreinageAllowCheck", "Montre le bouton des préférences dans la fenêtre du freinage"},
    {"FlouCheck", "Montre la route floue quand le conducteur a bu de l'alcool"},
    {"ChampAllowCheck", "Montre le bouton des préférences dans la fenêtre du champ visuel"},
};

const Place& placeOf(const char* name)
{
    for (const Place& place : kPlaces) {
        if (qstrcmp(place.name, name) == 0)
            return place;
    }
    Q_UNREACHABLE();
}

QString hintOf(const char* name)
{
    for (const auto& row : kHints) {
        if (qstrcmp(row.name, name) == 0)
            return QString::fromUtf8(row.hint);
    }
    return {};
}

// Two captions wrap over two lines under their first one, level with the
// box; every other caption is a single line.
void setUpCheck(TAPICheckBox* box, const PreferenceCheck& row)
{
    const QString name = QString::fromLatin1(row.name);
    if (name == "AnimPasCheck" || name == "FlouCheck")
        box->SetCaptionVAlign(btnVTop);
    else if (name != "CalcCheck")
        box->SetMultiline(false);
    box->setToolTip(hintOf(row.name));
}

QLabel* addLabel(QWidget* page, const char* name, const QString& text, const QRect& rect)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    return label;
}

TAPIButton* addButton(QWidget* page, const char* name, const QString& caption, const QRect& rect)
{
    auto* button = new TAPIButton(QString::fromLatin1(name), page);
    button->SetCaption(caption);
    button->SetCaptionHAlign(btnHCenter);
    button->SetCaptionVAlign(btnVCenter);
    button->setGeometry(rect);
    return button;
}

void addPageTexts(const std::vector<QWidget*>& pages, PreferencesPages& built)
{
    addLabel(pages[0], "AutoriserLab",
             QStringLiteral("Autoriser l'accès aux options pour tous les modules qui en disposent :"),
             {8, 116, 377, 16});
    built.autoriser = addButton(pages[0], "AutoriserBout", QStringLiteral("&Autoriser"), {24, 134, 90, 20});
    addLabel(pages[0], "InterdireLab",
             QStringLiteral("Interdire l'accès aux options pour tous les modules qui en disposent :"),
             {8, 166, 377, 16});
    built.interdire = addButton(pages[0], "InterdireBout", QStringLiteral("&Interdire"), {24, 184, 90, 20});
    addLabel(pages[7], "LockLab",
             QStringLiteral("( Combinaison \" Ctrl + V \" dans tous les modules d'étude du mouvement )"),
             {25, 28, 360, 16});
}

QWidget* parentFor(const Place& place, QWidget* page)
{
    if (!place.frame)
        return page;
    return page->findChild<QGroupBox*>(QString::fromLatin1(place.frame));
}

} // namespace

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
    for (const Frame& frame : kFrames) {
        auto* group = new QGroupBox(QString::fromUtf8(frame.title), pages[frame.page]);
        group->setObjectName(QString::fromLatin1(frame.name));
        group->setGeometry(frame.rect);
    }
    for (const PreferenceCheck& row : PreferenceChecks()) {
        const Place& place = placeOf(row.name);
        auto* box = new TAPICheckBox(QString::fromLatin1(row.name), parentFor(place, pages[row.page]));
        box->SetCaption(QString::fromUtf8(row.caption));
        box->setGeometry(place.rect);
        setUpCheck(box, row);
        built.checks.emplace_back(&row, box);
    }
    addPageTexts(pages, built);
    return built;
}
