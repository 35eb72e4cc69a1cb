#include "platform/helpviewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QString g_helpFile;
QPointer<QTextBrowser> g_window;

QTextBrowser* ensureWindow()
{
    if (!g_window) {
        g_window = new QTextBrowser;
        g_window->setObjectName("HelpWindow");
        g_window->setAttribute(Qt::WA_DeleteOnClose, false);
        g_window->setWindowTitle(QStringLiteral("Aide de Kinea"));
        g_window->setOpenExternalLinks(true);
        g_window->resize(640, 560);
    }
    return g_window;
}

} // namespace

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
    if (!QFileInfo::exists(g_helpFile)) {
        QMessageBox::warning(nullptr, QStringLiteral("Aide"),
                             QStringLiteral("Le fichier d'aide %1 est introuvable.").arg(g_helpFile));
        return;
    }
    QTextBrowser* window = ensureWindow();
    // A modal dialog (the preferences) blocks every other window but its
    // own children: the help it opens must stay usable beside it.
    QWidget* modal = QApplication::activeModalWidget();
    if (window->parentWidget() != modal)
        window->setParent(modal, Qt::Window);
    QUrl url = QUrl::fromLocalFile(g_helpFile);
    url.setFragment(topicId);
    window->setSource(url);
    window->show();
    window->raise();
    window->activateWindow();
}

void CloseHelp()
{
    if (g_window)
        g_window->close();
}

QTextBrowser* HelpWindow()
{
    return g_window;
}
