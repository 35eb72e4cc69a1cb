#include "platform/documents.h"

#include "platform/desktop.h"
#include "platform/helpviewer.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

DesktopOpener& Opener()
{
    static DesktopOpener current = OpenWithDesktop;
    return current;
}

void ReportNotShown(const QString& path)
{
    QMessageBox::warning(nullptr, QStringLiteral("Ouverture d'un document"),
                         QStringLiteral("Impossible d'afficher le document %1 : le fichier est introuvable "
                                        "ou illisible.")
                             .arg(QDir::toNativeSeparators(path)));
}

} // namespace

DesktopOpener SetDesktopOpener(DesktopOpener replacement)
{
    DesktopOpener previous = Opener();
    Opener() = replacement ? std::move(replacement) : DesktopOpener(OpenWithDesktop);
    return previous;
}

DocumentOutcome OpenDocument(const QString& path)
{
    // A missing file is not the desktop's business: it would start a viewer
    // that fails out of sight.
    if (QFileInfo(path).isFile() && Opener()(path))
        return DocumentOutcome::OpenedByDesktop;
    if (ShowInHelpWindow(path))
        return DocumentOutcome::ShownInHelpWindow;
    ReportNotShown(path);
    return DocumentOutcome::NotShown;
}
