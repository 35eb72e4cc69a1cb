// The print dialog every window prints through: the toolkit's dialog (it
// also prints to a PDF file), with a window's own option tabs; tests put
// another runner in its place.
#pragma once

#include <QList>
#include <functional>

class QPrinter;
class QWidget;

// Sets up `printer` with the user; false when the user gave up. The option
// tabs, without parent, are freed by the time it returns: read them through
// their signals.
using PrintDialogRunner = std::function<bool(QWidget* parent, QPrinter& printer, const QList<QWidget*>& optionTabs)>;

// An empty function brings the toolkit's dialog back.
void SetPrintDialogRunner(PrintDialogRunner runner);

// A printer for one A4 page in portrait, margins of 15 mm, named `docName`.
void PrepareA4Printer(QPrinter& printer, const QString& docName);

bool RunPrintDialog(QWidget* parent, QPrinter& printer, const QList<QWidget*>& optionTabs = {});

// Tells the user that the printer chosen could not start (a PDF file that
// cannot be written, a printer gone).
void ReportPrintFailure(QWidget* parent);
