// The about box's credits read from any text: split into lines that join
// back into the text, drawn into the credits picture, and scrolled through
// the panel without a row out of the picture.
#include "fuzz/fuzzcheck.h"
#include "platform/resources/namedresources.h"
#include "raster/tdibplus.h"
#include "shell/about/aboutevents.h"
#include "shell/about/aboutpictures.h"

namespace {

void CheckLines(const QString& text, const QStringList& lines)
{
    const QString crlf = QStringLiteral("\r\n");
    for (const QString& line : lines)
        FuzzCheck(!line.contains(crlf), "a credit line holds no line end");
    QString joined = lines.join(crlf);
    if (text.size() > joined.size())
        joined += crlf;
    FuzzCheck(joined == text, "the lines joined by CR LF give the text back");
}

void CheckPieces(int scrollRow, int height)
{
    int panelRow = 0;
    for (const RowPiece& piece : CreditPieces(scrollRow, height)) {
        FuzzCheck(piece.rows > 0, "a piece copies rows");
        FuzzCheck(piece.panelRow == panelRow, "pieces follow one another down the panel");
        FuzzCheck(piece.sourceRow >= 0 && piece.sourceRow + piece.rows <= height,
                  "a piece copies rows of the credits picture");
        panelRow += piece.rows;
    }
    FuzzCheck(panelRow == (height > 0 ? kCreditsPanelHeight : 0), "the pieces fill the panel");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureGuiApplication();
    const QString text = DecodeWindows1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList lines = SplitCrLfLines(text);
    CheckLines(text, lines);

    const CreditsPictures credits = PrepareCredits(lines, QImage());
    FuzzCheck(credits.height == CreditsHeight(int(lines.size()), credits.lineHeight),
              "the picture is as high as its lines");
    FuzzCheck(credits.picture.size() == QSize(kCreditsWidth, credits.height), "the picture has the credits' size");

    // Where the scroll stands at the first rows, the last ones, and a row
    // the input picks.
    const std::uint32_t picked = LeadingWord(data, size);
    static QImage composition(650, 455, QImage::Format_RGB32);
    static TDibPlus surface(kCreditsWidth, kCreditsPanelHeight);
    int row = credits.stillRow;
    for (const int start : {0, credits.height - 1, int(picked % std::uint32_t(credits.height)), credits.stillRow}) {
        CheckPieces(start, credits.height);
        row = NextScrollRow(start, credits.height);
        FuzzCheck(row >= 0 && row < credits.height, "the scroll stays in the credits");
        CheckPieces(row, credits.height);
    }
    DrawCreditsPanel(composition, surface, credits, row);
    return 0;
}
