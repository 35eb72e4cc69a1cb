#include "pdfpages.h"

#include "testfiles.h"

#include <QFileInfo>
#include <QProcess>

namespace testing_support {

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
