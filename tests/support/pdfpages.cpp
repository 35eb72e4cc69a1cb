#include "pdfpages.h"

#include "platform/printdialog.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QWidget>

namespace testing_support {

PrintToPdf::PrintToPdf(const QString& pdf, bool withTable, bool accept)
{
    SetPrintDialogRunner([this, pdf, withTable, accept](QWidget*, QPrinter& printer, const QList<QWidget*>& tabs) {
        ++runs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        for (QWidget* tab : tabs)
            if (auto* check = tab->findChild<QCheckBox*>(QStringLiteral("TableauCheck")))
                check->setChecked(withTable);
        return accept;
    });
}

PrintToPdf::~PrintToPdf()
{
    SetPrintDialogRunner({});
}

namespace {

    bool Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

} // namespace

QImage RenderPdfPage(const QString& pdfPath, int dpi)
{
    const QString stem = QFileInfo(pdfPath).absolutePath() + QStringLiteral("/page");
    if (!Run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
              QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdfPath, stem}))
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

QString PdfText(const QString& pdfPath)
{
    const QString out = QFileInfo(pdfPath).absolutePath() + QStringLiteral("/page.txt");
    if (!Run(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("1"), pdfPath, out}))
        return {};
    return QString::fromUtf8(ReadFile(out));
}

} // namespace testing_support
