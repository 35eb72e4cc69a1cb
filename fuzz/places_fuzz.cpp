// The place texts of the weight window read from any text: whole groups of
// three lines, never more places than the table holds, and every name and
// detail safe to write on a globe's caption.
#include "fuzz/fuzzcheck.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/model/placetexts.h"

#include <string>
#include <vector>

namespace {

// The lines as a plain reading finds them: split at LF, a CR before the LF
// dropped, the LF ending the text opening no line.
std::vector<std::string> ReferenceLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        if (line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

QString Decoded(const std::string& line)
{
    return DecodeWindows1252(QByteArray(line.data(), qsizetype(line.size())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureGuiApplication();
    static QImage picture = [] {
        AllocateLabel();
        return QImage(217, 217, QImage::Format_RGB32);
    }();

    const std::string text(reinterpret_cast<const char*>(data), size);
    const PlaceTexts places = ParsePlaceTexts(Decoded(text), kPlaceCount);
    const std::vector<std::string> lines = ReferenceLines(text);
    const int expected = std::min<int>(int(lines.size() / 3), kPlaceCount);
    FuzzCheck(places.Count() == expected, "one place per whole group of three lines, up to the table's size");
    FuzzCheck(places.names.size() == places.items.size() && places.details.size() == places.items.size(),
              "every place has its item, name and detail");
    for (int i = 0; i < places.Count(); ++i) {
        FuzzCheck(places.items[i] == Decoded(lines[size_t(3 * i)]), "the item is the group's first line");
        FuzzCheck(places.Name(i) == Decoded(lines[size_t(3 * i + 1)]), "the name is the group's second line");
        FuzzCheck(places.Detail(i) == Decoded(lines[size_t(3 * i + 2)]), "the detail is the group's third line");
    }
    for (const int outside : {-1, places.Count(), kPlaceCount})
        FuzzCheck(places.Name(outside).isEmpty() && places.Detail(outside).isEmpty(),
                  "a place without texts has empty ones");

    // The caption of every place the window can show, the empty ones too.
    for (int place = 0; place < kPlaceCount; ++place)
        DrawGlobeLabel(picture, place > 0, places.Name(place), places.Detail(place));
    return 0;
}
