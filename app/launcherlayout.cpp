// The launcher's layout: its menu bar, its fourteen captions with their
// bullets, and the status line that judges the display.
#include "app/launcherwindow.h"

#include "canvas/canvas.h"
#include "canvas/picturehelpers.h"
#include "platform/calculatorname.h"
#include "platform/resources/namedresources.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

namespace {

enum class Bullet
{
    Blue,
    Red
};

struct CaptionRow
{
    const char* name;
    int top;
    const char* text;
    Bullet bullet;
    const char* action;
};

// The fourteen captions, top to bottom, and the menu entry each one runs.
const CaptionRow kCaptionRows[] = {
    {"l1", 16, " Roue de bicyclette ", Bullet::Blue, "m1"},
    {"l2", 40, " Mouvement d'un projectile ", Bullet::Blue, "m2"},
    {"l3", 64, " Disque en rotation ", Bullet::Blue, "m3"},
    {"l4", 88, " Chute libre d'une bille ", Bullet::Blue, "m4"},
    {"l20", 112, " Freinage d'un véhicule et sécurité routière ", Bullet::Blue, "m20"},
    {"l21", 136, " Poids et masse d'un objet ", Bullet::Blue, "m21"},
    {"l22", 160, " Orgue cinétique", Bullet::Blue, "m22"},
    {"l10", 184, " Champ visuel et conduite ", Bullet::Blue, "m10"},
    {"l23", 216, " Mesure de la vitesse d'un véhicule ( document ) ", Bullet::Blue, "m23"},
    {"l24", 240, " Le tour du monde des règles de conduite ( document ) ", Bullet::Blue, "m24"},
    {"l11", 272, " A propos de Kinea", Bullet::Red, "AboutMenu"},
    {"l12", 296, " Accès aux préférences", Bullet::Red, "Option0Menu"},
    {"l6", 320, " Aide", Bullet::Red, "m6"},
    {"l5", 344, " Quitter", Bullet::Red, "m5"},
};

// The bullet's background (its pixel at (12, 1)) takes the button face,
// so that the bullet sits on the window like a transparent picture. Drawn
// at the screen's device pixel ratio `ratio`.
QPixmap BulletPixmap(const QString& name, const QColor& buttonFace, qreal ratio)
{
    QImage image = LoadNamedPicture(name, QSize(), ratio).convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const QPoint corner = (QPointF(12, 1) * image.devicePixelRatio()).toPoint();
    ReplaceColor(image, CanvasFromQColor(QColor(image.pixel(corner))), CanvasFromQColor(buttonFace));
    return QPixmap::fromImage(image);
}

QFrame* RaisedLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    return line;
}

} // namespace

void TMainF::BuildCaptions()
{
    QWidget* client = centralWidget();
    RaisedLine(client)->setGeometry(0, 0, 4000, 2);

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(16);
    captionFont.setBold(true);
    captionFont.setItalic(true);

    const QColor face = palette().color(QPalette::Button);
    const QPixmap blue = BulletPixmap(QStringLiteral("PuceBleue"), face, devicePixelRatioF());
    const QPixmap red = BulletPixmap(QStringLiteral("PuceRouge"), face, devicePixelRatioF());

    for (const CaptionRow& row : kCaptionRows) {
        auto* bullet = new QLabel(client);
        bullet->setObjectName(QStringLiteral("Puce_") + row.name);
        bullet->setPixmap(row.bullet == Bullet::Blue ? blue : red);
        bullet->setGeometry(32, row.top + 5, 13, 9);

        auto* label = new QLabel(QString::fromUtf8(row.text), client);
        label->setObjectName(row.name);
        label->setFont(captionFont);
        label->adjustSize();
        label->move(56, row.top);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        SetTextColour(label, kCaptionColour);
        m_captions.append(label);
        m_captionActions.insert(label, findChild<QAction*>(row.action));
    }
}

void TMainF::BuildStatusPanel()
{
    QWidget* client = centralWidget();
    auto* panel = new QWidget(client);
    panel->setObjectName("StatusPanel");
    auto* line = RaisedLine(client);
    line->setObjectName("StatusLine");

    m_modeLab = new QLabel(panel);
    m_modeLab->setObjectName("ModeLab");
    m_modeLab->move(4, 2);
    m_warningLab = new QLabel(panel);
    m_warningLab->setObjectName("WarningLab");
    m_warningLab->move(200, 2);
}

QAction* TMainF::addAction(QMenu* menu, const char* name, const QString& text, void (TMainF::*slot)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void TMainF::BuildMenus()
{
    QMenu* use = menuBar()->addMenu(QStringLiteral("&Utiliser"));
    use->setObjectName("UtiliserMenu");
    addAction(use, "m1", QStringLiteral("&Roue de bicyclette"), &TMainF::M1Click);
    addAction(use, "m2", QStringLiteral("&Mouvement d'un projectile"), &TMainF::M2Click);
    addAction(use, "m3", QStringLiteral("&Disque en rotation"), &TMainF::M3Click);
    addAction(use, "m4", QStringLiteral("&Chute d'une bille"), &TMainF::M4Click);
    addAction(use, "m20", QStringLiteral("&Freinage"), &TMainF::M20Click);
    addAction(use, "m21", QStringLiteral("&Poids et masse d'un objet"), &TMainF::M21Click);
    addAction(use, "m22", QStringLiteral("&Orgue cinétique"), &TMainF::M22Click);
    addAction(use, "m10", QStringLiteral("Champ &visuel et conduite"), &TMainF::M10Click);
    use->addSeparator();
    addAction(use, "m23", QStringLiteral(" Mesure de la vitesse d'un véhicule ( documentaire ) "), &TMainF::M23Click);
    addAction(use, "m24", QStringLiteral(" Le tour du monde des règles de conduite ( documentaire ) "),
              &TMainF::M24Click);
    use->addSeparator();
    addAction(use, "m5", QStringLiteral("&Quitter"), &TMainF::M5Click);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edition"));
    edit->setObjectName("EditionMenu");
    addAction(edit, "CalcMenu", WithCalculatorName(QStringLiteral("&{Calculatrice}")), &TMainF::CalcMenuClick);
    edit->addSeparator();
    m_clearMenu = addAction(edit, "ClearMenu", QStringLiteral("&Vider le presse-papiers"), &TMainF::ClearMenuClick);
    connect(edit, &QMenu::aboutToShow, this, &TMainF::EditionMenuShow);

    QMenu* prefs = menuBar()->addMenu(QStringLiteral("&Préférences"));
    prefs->setObjectName("PreferencesMenu");
    const struct
    {
        const char* name;
        const char* text;
        int page;
    } optionEntries[] = {
        {"Option0Menu", "&Générales", 0},
        {"Option1Menu", "O&utils du logiciel", 1},
        {"Option3Menu", "&Couleurs des modules \"mouvements\"", 3},
        {"Option4Menu", "&Poids et masse d'un objet", 4},
        {"Option5Menu", "&Freinage d'un véhicule / Champ visuel", 5},
        {"Option6Menu", "&Orgue cinétique", 6},
        {"Option7Menu", "&Mouvements", 7},
    };
    for (const auto& entry : optionEntries) {
        QAction* action = addAction(prefs, entry.name, QString::fromUtf8(entry.text), nullptr);
        const int page = entry.page;
        connect(action, &QAction::triggered, this, [this, page] { OpenPreferences(page); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Aide"));
    help->setObjectName("AideMenu");
    addAction(help, "m6", QStringLiteral("&Aide de Kinea"), &TMainF::M6Click);
    addAction(help, "AboutMenu", QStringLiteral("A &propos de..."), &TMainF::AboutMenuClick);
    help->addSeparator();
    addAction(help, "Astucedujour1", QStringLiteral("A&stuce du jour"), &TMainF::Astucedujour1Click);
    help->addSeparator();
    addAction(help, "Lisezmoi1", QStringLiteral("&Lisez moi"), &TMainF::Lisezmoi1Click);
}

void TMainF::SetDisplayLabels()
{
    m_modeLab->setText(m_display.text);
    m_modeLab->adjustSize();
    m_warningLab->setText(DisplayWarningText(m_display));
    SetTextColour(m_warningLab, DisplayWarningColour(m_display));
    m_warningLab->adjustSize();
    m_warningLab->move(m_modeLab->geometry().right() + 1 + 10, 2);
}

void TMainF::SetTextColour(QLabel* label, TColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColorFromCanvas(colour));
    label->setPalette(palette);
}

// ---- the display

DisplayQuality JudgeDisplay(int bitsPerPixel, int width, int height)
{
    DisplayQuality quality;
    QString colours;
    if (bitsPerPixel == 8) {
        colours = QStringLiteral("256 couleurs.");
        quality.lowColour = true;
    } else if (bitsPerPixel == 16) {
        colours = QStringLiteral("65536 couleurs.");
    } else if (bitsPerPixel >= 24) {
        // Deep displays (30 bits and more) show at least as many colours.
        colours = QStringLiteral("16 millions de couleurs.");
    } else {
        colours = QStringLiteral("16 couleurs.");
        quality.lowColour = true;
    }
    quality.text = QStringLiteral("Affichage ") + QString::number(width) + QStringLiteral(" sur ")
                   + QString::number(height) + QStringLiteral(" pixels, ") + colours;
    return quality;
}

QString DisplayWarningText(const DisplayQuality& quality)
{
    return quality.lowColour ? QStringLiteral("Affichage minimum conseillé : 800 sur 600 pixels, 65536 couleurs")
                             : QStringLiteral("Affichage convenable");
}

unsigned DisplayWarningColour(const DisplayQuality& quality)
{
    return quality.lowColour ? 0x0000FFu : 0x008000u;
}
