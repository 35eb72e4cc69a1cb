#include "platform/printdialog.h"

#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace {

PrintDialogRunner g_runner;
constexpr double kMarginMm = 15;

bool ToolkitDialog(QWidget* parent, QPrinter& printer, const QList<QWidget*>& optionTabs)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    if (!optionTabs.isEmpty())
        dialog.setOptionTabs(optionTabs);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void SetPrintDialogRunner(PrintDialogRunner runner)
{
    g_runner = std::move(runner);
}

void PrepareA4Printer(QPrinter& printer, const QString& docName)
{
    printer.setDocName(docName);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

bool RunPrintDialog(QWidget* parent, QPrinter& printer, const QList<QWidget*>& optionTabs)
{
    const bool accepted = g_runner ? g_runner(parent, printer, optionTabs) : ToolkitDialog(parent, printer, optionTabs);
    // Tabs the dialog never took are still the caller's to free.
    if (g_runner)
        qDeleteAll(optionTabs);
    return accepted;
}

void ReportPrintFailure(QWidget* parent)
{
    QMessageBox::warning(parent, QStringLiteral("Imprimer"),
                         QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante choisie, "
                                        "ou le dossier et le nom du fichier PDF."));
}
