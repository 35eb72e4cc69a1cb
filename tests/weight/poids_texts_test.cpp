// The "Lieux" texts as stored, and every caption fitting its box on the
// globe.
#include "canvas/canvas.h"
#include "platform/namedresources.h"
#include "raster/globelabel.h"
#include "weight/model/placetable.h"
#include "weight/model/placetexts.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Room right of the text's left margin (5) on the caption box, less a
// pixel of breathing space.
constexpr int kCaptionRoom = kLabelWidth - 5 - 2;

int TextWidth(const QString& text, int points, bool bold)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    Canvas canvas(scratch);
    canvas.font.name = QStringLiteral("Arial");
    canvas.font.setPointSize(points);
    canvas.font.bold = bold;
    return canvas.TextWidth(text);
}

} // namespace

TEST(LieuxText, FortyFiveWindows1252LinesEndingInCrLf)
{
    const QByteArray bytes = LoadNamedResource(QStringLiteral("Lieux"));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 45);
    EXPECT_EQ(bytes.count('\n'), 45);
    // "é" is the one byte 0xE9, not a UTF-8 pair.
    EXPECT_TRUE(bytes.contains("s\xE9lectionn\xE9"));
    EXPECT_FALSE(bytes.contains("\xC3\xA9"));
}

TEST(LieuxText, OnePlaceForEachRowOfThePlaceTable)
{
    const PlaceTexts texts = ParsePlaceTexts(LoadNamedText1252(QStringLiteral("Lieux")), kPlaceCount);
    ASSERT_EQ(texts.count(), kPlaceCount);
    EXPECT_EQ(texts.items[0], QStringLiteral(" --   Pas de lieu sélectionné   --"));
    EXPECT_EQ(texts.names[0], QString());
    EXPECT_EQ(texts.items[1], QStringLiteral("sur la Terre ( Paris )"));
    EXPECT_EQ(texts.names[8], QStringLiteral("Jupiter ( équateur )"));
    EXPECT_EQ(texts.items[14], QStringLiteral("à la surface de la Lune ( équateur )"));
    EXPECT_TRUE(texts.details[12].contains(QStringLiteral("naine")));
}

TEST(LieuxText, EveryCaptionFitsItsBox)
{
    const PlaceTexts texts = ParsePlaceTexts(LoadNamedText1252(QStringLiteral("Lieux")), kPlaceCount);
    EXPECT_LE(TextWidth(QStringLiteral("Lieu sélectionné :"), 10, true), kCaptionRoom);
    for (int place = 0; place < texts.count(); ++place) {
        EXPECT_LE(TextWidth(texts.names[place], 10, true), kCaptionRoom) << texts.names[place].toStdString();
        EXPECT_LE(TextWidth(texts.details[place], 8, false), kCaptionRoom) << texts.details[place].toStdString();
    }
}
