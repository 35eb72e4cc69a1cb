// The about box's events read from any text, then shown as the box shows
// them: the account wrapped to the panel and typed, the globe loaded with
// the event's marker, turned to its angles and rendered, the panel drawn.
// Any integer in the seven number fields must be safe to show.
#include "app/settings/appsettings.h"
#include "fuzz/fuzzcheck.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "shell/about/splashanimation.h"
#include "shell/about/splashevents.h"
#include "shell/about/splashpictures.h"

#include <cmath>

namespace {

constexpr int kAboutSlot = 4;
constexpr std::size_t kEventsShown = 3;

// The event written back as a line of the text.
QString EventLine(const SplashEvent& event)
{
    const PlaceRecord& r = event.record;
    QStringList fields;
    for (const int number : {int(r.Picture), r.Marked ? 1 : 0, r.MarkRadius, r.MarkX, r.MarkY, r.Tilt, r.Turn})
        fields << QString::number(number);
    fields << event.place << event.date << event.title << event.account;
    return fields.join(QLatin1Char('|'));
}

bool SameEvent(const SplashEvent& a, const SplashEvent& b)
{
    const PlaceRecord& x = a.record;
    const PlaceRecord& y = b.record;
    return x.Picture == y.Picture && x.Marked == y.Marked && x.MarkRadius == y.MarkRadius && x.MarkX == y.MarkX
           && x.MarkY == y.MarkY && x.Tilt == y.Tilt && x.Turn == y.Turn && a.place == b.place && a.date == b.date
           && a.title == b.title && a.account == b.account;
}

void CheckParsed(const SplashEvent& event)
{
    FuzzCheck(event.record.Picture <= 11, "the picture is one of the table's or none");
    for (const QString* text : {&event.place, &event.date, &event.title, &event.account})
        FuzzCheck(!text->contains(QLatin1Char('|')) && !text->contains(QLatin1String("\r\n")),
                  "a text field holds neither a separator nor a line end");
    const std::vector<SplashEvent> again = ParseSplashEvents(EventLine(event));
    FuzzCheck(again.size() == 1 && SameEvent(again[0], event), "an event written back reads the same");
}

void CheckWrapped(const SplashEvent& event, const std::vector<QString>& lines, const TextMeasure& measure)
{
    FuzzCheck(lines.size() >= std::size_t(kBoldLines), "date, place and title come first");
    QStringList words;
    for (std::size_t i = kBoldLines; i < lines.size(); ++i) {
        const QString& line = lines[i];
        FuzzCheck(!line.isEmpty(), "no empty account line");
        FuzzCheck(measure(line) < kTextPanelRect.width() || !line.contains(QLatin1Char(' ')),
                  "an account line fits the panel unless it is one long word");
        words << line.split(QLatin1Char(' '));
    }
    FuzzCheck(words == event.account.split(QLatin1Char(' '), Qt::SkipEmptyParts),
              "the wrapped account holds its words in order");
}

// Runs the typing to its end, as the box's timer does.
void TypeAll(TypingAnimation& typing, const std::vector<QString>& lines)
{
    std::vector<int> lengths;
    long long ticksNeeded = 2;
    for (const QString& line : lines) {
        lengths.push_back(int(line.size()));
        ticksNeeded += line.size() / 2 + 1;
    }
    typing.Start(lengths);
    for (long long tick = 0; typing.Running(); ++tick) {
        FuzzCheck(tick <= ticksNeeded, "the typing ends");
        FuzzCheck(typing.Line() >= 0 && std::size_t(typing.Line()) < lines.size(), "the typed line exists");
        FuzzCheck(typing.Chars() >= 0 && typing.Chars() <= lengths[size_t(typing.Line())],
                  "no more characters typed than the line holds");
        typing.Tick();
    }
}

void TurnAll(const SplashEvent& event)
{
    GlobeTurnAnimation turn;
    turn.Start(GlobeTurn[kAboutSlot], GlobeTilt[kAboutSlot], event.record.Turn, event.record.Tilt);
    for (int tick = 0; turn.Running(); ++tick) {
        FuzzCheck(tick <= 2 * kTurnSteps, "the globe's turn ends");
        turn.Tick(tick, GlobeTurn[kAboutSlot], GlobeTilt[kAboutSlot]);
    }
    FuzzCheck(std::isfinite(GlobeTurn[kAboutSlot]) && std::isfinite(GlobeTilt[kAboutSlot]),
              "the globe's angles stay numbers");
}

void Show(const SplashEvent& event, const TextMeasure& measure, QImage& composition, bool render)
{
    const std::vector<QString> lines = EventTextLines(event, kTextPanelRect.width(), measure);
    CheckWrapped(event, lines, measure);
    GlobeEventRecord = event.record;
    LoadGlobeMap(kAboutSlot, true);
    TypingAnimation typing;
    TypeAll(typing, lines);
    TurnAll(event);
    // Rendering takes most of the time and depends on the angles alone:
    // once per input, where the first event's turn ends.
    if (render)
        RenderGlobe(kAboutSlot, QString(), QString(), false, 0xFFFFFF);
    const TypedText typed{&lines, typing.Line(), typing.Chars()};
    DrawTextPanel(composition, typed, SplashButtons{}, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureGuiApplication();
    static const TextMeasure measure = [] {
        AllocateGlobes(kAboutSlot, kAboutSlot);
        return TextPanelMeasure();
    }();
    static QImage composition(650, 455, QImage::Format_RGB32);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<SplashEvent> events = ParseSplashEvents(DecodeWindows1252(bytes));
    FuzzCheck(qsizetype(events.size()) <= bytes.count('\n') + 1, "at most one event per line");
    for (const SplashEvent& event : events)
        CheckParsed(event);

    // The event index comes from the settings file and may be anything.
    const auto stored = std::int32_t(LeadingWord(data, size));
    const int count = int(events.size());
    for (std::size_t shown = 0; shown < std::min<std::size_t>(kEventsShown, events.size()); ++shown) {
        const int index = CycleIndex(std::int64_t(stored) + std::int64_t(shown), count);
        FuzzCheck(index >= 0 && index < count, "the shown event is in the list");
        Show(events[size_t(index)], measure, composition, shown == 0);
    }
    return 0;
}
