// The about box's texts: the events and credits the program carries, and
// how a faulty events text is read.
#include "app/settings/appsettings.h"
#include "raster/globeview.h"
#include "shell/about/aboutanimation.h"
#include "shell/about/aboutevents.h"
#include "shell/about/aboutpictures.h"

#include <QImage>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kMapColumns = 642;
constexpr int kMapRows = 321;
constexpr int kEarth = 3;

// Map column that a globe turned by `turn` shows at its centre.
double CentreColumn(int turn)
{
    return std::fmod(kMapColumns * (360.0 - turn) / 360.0 + kMapColumns, kMapColumns);
}

// Map row that a globe tilted by `tilt` shows at its centre.
double CentreRow(int tilt)
{
    return 160.0 + kMapRows * tilt / 180.0;
}

int PanelLineHeight()
{
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas canvas(probe);
    canvas.font = TextPanelFont(false);
    return canvas.TextHeight(QStringLiteral("|"));
}

int BoldWidth(const QString& text)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas canvas(probe);
    canvas.font = TextPanelFont(true);
    return canvas.TextWidth(text);
}

} // namespace

TEST(AboutEventsText, ProgramCarriesTwentySevenEvents)
{
    EXPECT_EQ(LoadAboutEvents().size(), 27u);
}

namespace {

// The picture of the body a place name points to: "( Lune )", "Vénus",
// "Couronne solaire"; any other place lies on the Earth.
QString BodyNamedBy(const QString& place)
{
    const struct
    {
        const char* word;
        const char* picture;
    } bodies[] = {
        {"Lune", "Lune_jpg"},       {"Mars", "Mars_jpg"},     {"Vénus", "Venus_jpg"},
        {"Neptune", "Neptune_jpg"}, {"Pluton", "Pluton_jpg"}, {"solaire", "Soleil_jpg"},
    };
    for (const auto& body : bodies)
        if (place.contains(QString::fromUtf8(body.word)))
            return QString::fromLatin1(body.picture);
    return QStringLiteral("Terre_jpg");
}

} // namespace

TEST(AboutEventsText, EveryEventShowsTheBodyItsPlaceNames)
{
    for (const AboutEvent& event : LoadAboutEvents()) {
        SCOPED_TRACE(event.place.toStdString());
        EXPECT_EQ(PlanetPictureName(event.record.Picture), BodyNamedBy(event.place));
        EXPECT_FALSE(event.place.isEmpty());
        EXPECT_FALSE(event.date.isEmpty());
        EXPECT_FALSE(event.title.isEmpty());
        EXPECT_FALSE(event.account.isEmpty());
    }
}

TEST(AboutEventsText, MarksLieOnTheMapAndFaceTheViewer)
{
    for (const AboutEvent& event : LoadAboutEvents()) {
        SCOPED_TRACE(event.title.toStdString());
        const PlaceRecord& r = event.record;
        EXPECT_GE(r.MarkX, 0);
        EXPECT_LT(r.MarkX, kMapColumns);
        EXPECT_GE(r.MarkY, 0);
        EXPECT_LT(r.MarkY, kMapRows);
        EXPECT_GE(r.Tilt, -90);
        EXPECT_LE(r.Tilt, 90);
        EXPECT_GE(r.Turn, 0);
        EXPECT_LT(r.Turn, 360);
        // A place given on the map, marked or not (a mark at a pole would
        // not show), comes to the middle of the disc.
        if (!r.Marked && r.MarkX == 0 && r.MarkY == 0)
            continue;
        const double dx = std::abs(CentreColumn(r.Turn) - r.MarkX);
        EXPECT_LE(std::min(dx, kMapColumns - dx), 2.0);
        EXPECT_LE(std::abs(std::clamp(CentreRow(r.Tilt), 0.0, 320.0) - r.MarkY), 2.0);
    }
}

TEST(AboutEventsText, EarthPlacesFollowTheirLatitudeAndLongitude)
{
    struct Place
    {
        const char* name;
        double latitude;
        double longitude;
    };
    // A few places checked against their coordinates (north and east positive).
    const Place places[] = {
        {"Alexandrie", 31.20, 29.92},  {"Padoue", 45.41, 11.88},  {"Kitty Hawk", 36.02, -75.67},
        {"Flagstaff", 35.20, -111.66}, {"Everest", 27.99, 86.93}, {"Baïkonour", 45.92, 63.34},
    };
    const std::vector<AboutEvent> events = LoadAboutEvents();
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const auto found = std::find_if(events.begin(), events.end(), [&](const AboutEvent& e) {
            return e.place.startsWith(QString::fromUtf8(place.name));
        });
        ASSERT_NE(found, events.end());
        EXPECT_EQ(found->record.Picture, kEarth);
        EXPECT_NEAR(found->record.MarkX, (place.longitude + 180) / 360 * kMapColumns, 1.0);
        EXPECT_NEAR(found->record.MarkY, (90 - place.latitude) / 180 * kMapRows, 1.0);
        EXPECT_NEAR(found->record.Tilt, -place.latitude, 1.0);
        EXPECT_NEAR(found->record.Turn, 180 - place.longitude, 1.0);
    }
}

TEST(AboutEventsText, EveryStoryFitsTheTextPanel)
{
    const int lineHeight = PanelLineHeight();
    for (const AboutEvent& event : LoadAboutEvents()) {
        SCOPED_TRACE(event.title.toStdString());
        const std::vector<QString> lines = EventTextLines(event, kTextPanelRect.width(), TextPanelMeasure());
        EXPECT_LE(static_cast<int>(lines.size()) * lineHeight, kTextPanelRect.height());
        // The date stays clear of the buttons at the panel's top right.
        EXPECT_LT(BoldWidth(event.date), kBackRect.left() - kTextPanelRect.left());
        EXPECT_LT(BoldWidth(event.place), kTextPanelRect.width());
        EXPECT_LT(BoldWidth(event.title), kTextPanelRect.width());
    }
}

// However narrow the panel, a story never breaks between a number and its
// unit ("475 °C", "5 000 km") nor before a colon or a semicolon: the text
// holds no-break spaces there, and the wrapping breaks at ordinary spaces.
TEST(AboutEventsText, NoLineStartsWithAUnitOrAPunctuationMark)
{
    static const QRegularExpression numberEnd(QStringLiteral("\\d$"));
    static const QRegularExpression unitStart(
        QStringLiteral("^(\\d{3}|km/h|km|kg|m|°C|°|%|h|min|s|minutes|secondes|heures|jours|degrés|mètres)(\\W|$)"));
    static const QRegularExpression markStart(QStringLiteral("^[:;?!»]"));
    for (const AboutEvent& event : LoadAboutEvents()) {
        for (int width = 60; width <= kTextPanelRect.width(); width += 5) {
            const std::vector<QString> lines = WrapWords(event.account, width, TextPanelMeasure());
            for (std::size_t i = 1; i < lines.size(); ++i) {
                const std::string where = event.title.toStdString() + " at " + std::to_string(width) + " px: \""
                                          + lines[i - 1].toStdString() + "\" / \"" + lines[i].toStdString() + "\"";
                EXPECT_FALSE(markStart.match(lines[i]).hasMatch()) << where;
                EXPECT_FALSE(numberEnd.match(lines[i - 1]).hasMatch() && unitStart.match(lines[i]).hasMatch()) << where;
            }
        }
    }
}

TEST(AboutEventsText, CommentsAndEmptyLinesAreSkipped)
{
    const QString text = QStringLiteral("// un commentaire\r\n// un autre\r\n\r\n"
                                        " 3| 1| 0| 322| 74| -48| 176|Paris|1851|Titre|Récit\r\n");
    const std::vector<AboutEvent> events = ParseAboutEvents(text);
    ASSERT_EQ(events.size(), 1u);
    const PlaceRecord& r = events[0].record;
    EXPECT_EQ(r.Picture, 3);
    EXPECT_TRUE(r.Marked);
    EXPECT_EQ(r.MarkRadius, 0);
    EXPECT_EQ(r.MarkX, 322);
    EXPECT_EQ(r.MarkY, 74);
    EXPECT_EQ(r.Tilt, -48);
    EXPECT_EQ(r.Turn, 176);
    EXPECT_EQ(events[0].place, QStringLiteral("Paris"));
    EXPECT_EQ(events[0].date, QStringLiteral("1851"));
    EXPECT_EQ(events[0].title, QStringLiteral("Titre"));
    EXPECT_EQ(events[0].account, QStringLiteral("Récit"));
}

TEST(AboutEventsText, FaultyLinesAreLeftOut)
{
    const QString text = QStringLiteral("3|1|0|1|2|3|4|trop|peu|de champs\r\n"
                                        "3|1|0|1|2|3|4|5|6|7|8|9\r\n"
                                        "x|1|0|1|2|3|4|lieu|date|titre|récit\r\n"
                                        "12|1|0|1|2|3|4|lieu|date|titre|récit\r\n"
                                        "10|0|0|0|0|0|0|lieu|date|titre|récit");
    const std::vector<AboutEvent> events = ParseAboutEvents(text);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].record.Picture, 10);
}

TEST(AboutCreditsText, FortyFiveLinesUnderTheLogo)
{
    const QStringList lines = LoadCreditLines();
    ASSERT_EQ(lines.size(), 45);
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(lines[i].isEmpty()) << "line " << i + 1;
    EXPECT_FALSE(lines[13].isEmpty());
    EXPECT_TRUE(lines[kTitledCreditLine].endsWith(ProgramTitle()));
}

TEST(AboutCreditsText, EveryLineFitsThePanel)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas canvas(probe);
    canvas.font.SetPointSize(11);
    canvas.font.bold = true;
    for (const QString& line : LoadCreditLines())
        EXPECT_LT(canvas.TextWidth(line), 400) << line.toStdString();
}
