// The readme and the documents beside the program, opened on any desktop:
// handed to the desktop's default application; where the desktop has
// nothing to open them with (a bare school image), shown in the program's
// own help window; a French message only when that fails too.
#pragma once

#include <QString>
#include <functional>

// Hands a file to the desktop; true when the desktop took it.
using DesktopOpener = std::function<bool(const QString& path)>;

// Puts `opener` in place of the desktop (an empty one puts the desktop
// back) and returns the one it replaces.
DesktopOpener SetDesktopOpener(DesktopOpener opener);

enum class DocumentOutcome
{
    OpenedByDesktop,
    ShownInHelpWindow,
    NotShown
};

// Opens the file at `path`; NotShown after a message box has said why.
DocumentOutcome OpenDocument(const QString& path);
