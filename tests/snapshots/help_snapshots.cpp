// The help window on its contents, on module topics, and showing a
// document as it does when the desktop has no browser.
#include "snapshot.h"

#include "platform/helpviewer.h"

#include <QScrollBar>
#include <QTextBrowser>

KINEA_SNAPSHOT(help)
{
    SetHelpFile(QStringLiteral(KINEA_DOCS_DIR "/Kinea.html"));
    ShowHelpTopic(QStringLiteral("Sommaire"));
    snapshots::Save(HelpWindow(), outDir, "help_contents");
    ShowHelpTopic(QStringLiteral("FREINAGE"));
    snapshots::Save(HelpWindow(), outDir, "help_braking");
    ShowHelpTopic(QStringLiteral("Balle"));
    snapshots::Save(HelpWindow(), outDir, "help_projectile");
    ShowHelpTopic(QStringLiteral("Films"));
    QScrollBar* films = HelpWindow()->Browser()->verticalScrollBar();
    films->setValue(films->value() + 380);
    snapshots::Save(HelpWindow(), outDir, "help_film_keys");
    ShowHelpTopic(QStringLiteral("Mesures"));
    snapshots::Save(HelpWindow(), outDir, "help_measurements");
    ShowInHelpWindow(QStringLiteral(KINEA_DOCS_DIR "/html/cinemometres.html"));
    // Down to the first drawing's place, which a note takes.
    HelpWindow()->Browser()->scrollToAnchor(QStringLiteral("doppler"));
    QScrollBar* scroll = HelpWindow()->Browser()->verticalScrollBar();
    scroll->setValue(scroll->value() + 420);
    snapshots::Save(HelpWindow(), outDir, "help_document");
    CloseHelp();
}
