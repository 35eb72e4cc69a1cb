// The help window on its contents and on one module's topic.
#include "snapshot.h"

#include "platform/helpviewer.h"

#include <QTextBrowser>

KINEA_SNAPSHOT(help)
{
    SetHelpFile(QStringLiteral(KINEA_DOCS_DIR "/Kinea.html"));
    ShowHelpTopic(QStringLiteral("Sommaire"));
    snapshots::save(HelpWindow(), outDir, "help_contents");
    ShowHelpTopic(QStringLiteral("FREINAGE"));
    snapshots::save(HelpWindow(), outDir, "help_braking");
    ShowHelpTopic(QStringLiteral("Balle"));
    snapshots::save(HelpWindow(), outDir, "help_projectile");
    CloseHelp();
}
