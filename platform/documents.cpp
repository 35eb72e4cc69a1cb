#include "platform/documents.h"

#include "platform/desktop.h"
#include "platform/helpviewer.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

DesktopOpener& opener()
{
    static DesktopOpener current = OpenWithDesktop;
    return current;
}

void reportNotShown(const QString& path)
{
    QMessageBox::warning(nullptr, QStringLiteral("Ouverture d'un document"),
                         QStringLiteral("Impossible d'afficher le document %1 : le fichier est introuvable "
                                        "ou illisible.")
                             .arg(QDir::toNativeSeparators(path)));
}

} // namespace

DesktopOpener SetDesktopOpener(DesktopOpener replacement)
{
    DesktopOpener previous = opener();
    opener() = replacement ? std::move(replacement) : DesktopOpener(OpenWithDesktop);
    return previous;
}

DocumentOutcome OpenDocument(const QString& path)
{
    // A missing file is not the desktop's business: it would start a viewer
    // that fails out of sight.
    if (QFileInfo(path).isFile() && opener()(path))
        return DocumentOutcome::OpenedByDesktop;
    if (ShowInHelpWindow(path))
        return DocumentOutcome::ShownInHelpWindow;
    reportNotShown(path);
    return DocumentOutcome::NotShown;
}
