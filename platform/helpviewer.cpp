#include "platform/helpviewer.h"

#include "platform/helppages.h"
#include "platform/resources/namedresources.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kHelpTitle = QStringLiteral("Aide de Kinea");

// A browser that reads its pages through ReadHelpPage: the rich-text engine
// cannot draw inline SVG (it would print the drawings' labels as loose
// words) and would take a text file for HTML (its lines run together).
class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        const bool isPage = type == QTextDocument::HtmlResource || type == QTextDocument::UnknownResource;
        if (isPage && name.isLocalFile()) {
            if (std::optional<QString> page = ReadHelpPage(name.toLocalFile()))
                return *page;
            return QVariant();
        }
        return QTextBrowser::loadResource(type, name);
    }
};

QString g_helpFile;
QPointer<THelpF> g_window;

THelpF* EnsureWindow()
{
    if (!g_window)
        g_window = new THelpF;
    return g_window;
}

// A modal dialog (the preferences) blocks every other window but its own
// children: the help it opens must stay usable beside it.
void ShowOnTop(THelpF* window)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (window->parentWidget() != modal)
        window->setParent(modal, Qt::Window);
    window->show();
    window->raise();
    window->activateWindow();
}

bool HelpFileFound()
{
    if (QFileInfo::exists(g_helpFile))
        return true;
    QMessageBox::warning(nullptr, QStringLiteral("Aide"),
                         QStringLiteral("Le fichier d'aide %1 est introuvable.").arg(g_helpFile));
    return false;
}

QUrl TopicUrl(const QString& topicId)
{
    QUrl url = QUrl::fromLocalFile(g_helpFile);
    url.setFragment(topicId);
    return url;
}

} // namespace

THelpF::THelpF(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpF"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(kHelpTitle);

    Texte = new HelpBrowser(this);
    Texte->setObjectName(QStringLiteral("Texte"));
    Texte->setOpenExternalLinks(true);
    Texte->setAccessibleName(QStringLiteral("Texte de l'aide"));

    SommaireBout = MakeButton("SommaireBout", "AideSommaire", QStringLiteral("Sommaire"),
                              QStringLiteral(" Revenir au sommaire de l'aide"), {}, &THelpF::SommaireBoutClick);
    PrecedentBout
        = MakeButton("PrecedentBout", "AidePrecedente", QStringLiteral("Précédente"),
                     QStringLiteral(" Revenir à la page précédente ( Alt+Gauche )"),
                     {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)}, &THelpF::PrecedentBoutClick);
    SuivantBout
        = MakeButton("SuivantBout", "AideSuivante", QStringLiteral("Suivante"),
                     QStringLiteral(" Aller à la page suivante ( Alt+Droite )"),
                     {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)}, &THelpF::SuivantBoutClick);
    ImprimerBout = MakeButton("ImprimerBout", "AideImprimer", QStringLiteral("Imprimer..."),
                              QStringLiteral(" Imprimer la page affichée ( Ctrl+P )"), {QKeySequence::Print},
                              &THelpF::ImprimerBoutClick);
    PrecedentBout->defaultAction()->setEnabled(false);
    SuivantBout->defaultAction()->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 2);
    bar->setSpacing(2);
    for (QToolButton* button : {SommaireBout, PrecedentBout, SuivantBout, ImprimerBout})
        bar->addWidget(button);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(Texte);

    connect(Texte, &QTextBrowser::backwardAvailable, PrecedentBout->defaultAction(), &QAction::setEnabled);
    connect(Texte, &QTextBrowser::forwardAvailable, SuivantBout->defaultAction(), &QAction::setEnabled);
    connect(Texte, &QTextBrowser::sourceChanged, this, &THelpF::FollowTitle);
    resize(660, 600);
}

QToolButton* THelpF::MakeButton(const char* name, const char* picture, const QString& text, const QString& hint,
                                const QList<QKeySequence>& keys, void (THelpF::*click)())
{
    // The window's action carries the keys, so that they work wherever the
    // focus stands in the window; the button shows it.
    auto* action = new QAction(text, this);
    action->setToolTip(hint);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    const QImage icon = LoadNamedPicture(QString::fromLatin1(picture));
    if (!icon.isNull())
        action->setIcon(QIcon(QPixmap::fromImage(icon)));
    addAction(action);

    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(text);
    button->setAccessibleDescription(hint.trimmed());
    connect(action, &QAction::triggered, this, click);
    return button;
}

QUrl THelpF::Source() const
{
    return Texte->source();
}

void THelpF::ShowPage(const QUrl& url)
{
    Texte->setSource(url);
}

void THelpF::FollowTitle()
{
    const QString title = Texte->documentTitle();
    setWindowTitle(title.isEmpty() ? kHelpTitle : title);
}

void THelpF::SommaireBoutClick()
{
    if (HelpFileFound())
        ShowPage(TopicUrl(QStringLiteral("Sommaire")));
}

void THelpF::PrecedentBoutClick()
{
    Texte->backward();
}

void THelpF::SuivantBoutClick()
{
    Texte->forward();
}

void THelpF::ImprimerBoutClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    // A selected topic can be printed alone.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, Texte->textCursor().hasSelection());
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(printer);
}

void THelpF::PrintTo(QPrinter& printer) const
{
    Texte->print(&printer);
}

void SetHelpFile(const QString& path)
{
    g_helpFile = path;
}

QString HelpFile()
{
    return g_helpFile;
}

void ShowHelpTopic(const QString& topicId)
{
    if (!HelpFileFound())
        return;
    THelpF* window = EnsureWindow();
    window->ShowPage(TopicUrl(topicId));
    ShowOnTop(window);
}

bool ShowInHelpWindow(const QString& path)
{
    if (!ReadHelpPage(path))
        return false;
    THelpF* window = EnsureWindow();
    window->ShowPage(QUrl::fromLocalFile(path));
    ShowOnTop(window);
    return true;
}

void CloseHelp()
{
    if (g_window)
        g_window->close();
}

THelpF* HelpWindow()
{
    return g_window;
}
