// Reading back a printed PDF as a person would see it: its first page as a
// picture at a known resolution, and its text (poppler's pdftoppm and
// pdftotext).
#pragma once

#include <QImage>
#include <QString>

namespace testing_support {

// While alive, the print dialog answers by itself: it prints to `pdf`, a
// "TableauCheck" option box checked as `withTable` says, or gives up when
// `accept` is false. `runs` counts the dialogs it answered.
class PrintToPdf
{
public:
    explicit PrintToPdf(const QString& pdf, bool withTable = false, bool accept = true);
    ~PrintToPdf();
    PrintToPdf(const PrintToPdf&) = delete;
    PrintToPdf& operator=(const PrintToPdf&) = delete;

    int runs = 0;
};

// The first page in grey at `dpi`; null when it cannot be rendered.
QImage RenderPdfPage(const QString& pdfPath, int dpi);
// The text of the first page, its lines laid out as on the page.
QString PdfText(const QString& pdfPath);

} // namespace testing_support
