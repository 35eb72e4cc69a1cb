#include "shell/about/aboutevents.h"

#include "app/settings/appsettings.h"
#include "platform/resources/namedresources.h"

#include <optional>

namespace {

constexpr int kFieldCount = 11;

std::optional<int> ReadInt(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<AboutEvent> ParseEventLine(const QString& line)
{
    const QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() != kFieldCount)
        return std::nullopt;
    int numbers[7];
    for (int i = 0; i < 7; ++i) {
        const std::optional<int> value = ReadInt(fields[i]);
        if (!value)
            return std::nullopt;
        numbers[i] = *value;
    }
    // A body outside the picture table would show nothing: the line is faulty.
    if (numbers[0] < 0 || numbers[0] > 11)
        return std::nullopt;
    AboutEvent event;
    event.record.Picture = static_cast<std::uint8_t>(numbers[0]);
    event.record.Marked = numbers[1] != 0;
    event.record.MarkRadius = numbers[2];
    event.record.MarkX = numbers[3];
    event.record.MarkY = numbers[4];
    event.record.Tilt = numbers[5];
    event.record.Turn = numbers[6];
    event.place = fields[7];
    event.date = fields[8];
    event.title = fields[9];
    event.account = fields[10];
    return event;
}

} // namespace

QStringList SplitCrLfLines(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::vector<AboutEvent> ParseAboutEvents(const QString& text)
{
    std::vector<AboutEvent> events;
    for (const QString& line : SplitCrLfLines(text)) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        if (std::optional<AboutEvent> event = ParseEventLine(line))
            events.push_back(std::move(*event));
    }
    return events;
}

std::vector<AboutEvent> LoadAboutEvents()
{
    return ParseAboutEvents(LoadNamedText1252(QStringLiteral("Events")));
}

QStringList LoadCreditLines()
{
    QStringList lines = SplitCrLfLines(LoadNamedText1252(QStringLiteral("Generique")));
    if (lines.size() > kTitledCreditLine)
        lines[kTitledCreditLine] += ProgramTitle();
    return lines;
}
