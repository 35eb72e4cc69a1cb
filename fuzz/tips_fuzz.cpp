// The tip list read from any text: it holds the lines of the text up to
// "FIN", decoded one byte to one character, and the tip window's
// numbering and stepping stay within the list.
#include "app/settings/appsettings.h"
#include "fuzz/fuzzcheck.h"
#include "platform/resources/namedresources.h"
#include "shell/tip/tipwindow.h"

#include <string>
#include <vector>

namespace {

// The lines as a plain reading finds them: ended by CR, an LF right after
// the CR belongs to the ending, nothing after "FIN".
std::vector<std::string> ReferenceLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t cr = text.find('\r', start);
        const std::size_t end = cr == std::string::npos ? text.size() : cr;
        std::string line = text.substr(start, end - start);
        if (line == "FIN")
            break;
        lines.push_back(std::move(line));
        start = end + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const QStringList tips = ParseTipLines(QByteArray(text.data(), qsizetype(text.size())));
    const std::vector<std::string> expected = ReferenceLines(text);
    FuzzCheck(std::size_t(tips.size()) == expected.size(), "one tip per line up to FIN");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QByteArray bytes(expected[i].data(), qsizetype(expected[i].size()));
        FuzzCheck(tips[qsizetype(i)] == DecodeWindows1252(bytes), "each tip is its line, decoded");
        FuzzCheck(tips[qsizetype(i)].size() == bytes.size(), "one character per byte");
    }

    // The tip index comes from the settings file and may be anything.
    const auto stored = std::int32_t(LeadingWord(data, size));
    const int count = int(tips.size());
    for (const std::int64_t step : {0, 1, -1}) {
        const int index = CycleIndex(std::int64_t(stored) + step, count);
        FuzzCheck(count == 0 ? index == 0 : index >= 0 && index < count, "the shown tip is in the list");
        if (count > 0)
            FuzzCheck(TipNumberText(index, count).endsWith(QString::number(count)), "the number says the count");
    }
    return 0;
}
