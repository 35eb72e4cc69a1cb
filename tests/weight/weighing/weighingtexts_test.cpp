// The "Lieux" texts as stored, and every caption fitting its box on the
// globe.
#include "canvas/canvas.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/model/placetexts.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

int TextWidth(const QString& text, int points, bool bold)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    Canvas canvas(scratch);
    canvas.font.SetPointSize(points);
    canvas.font.bold = bold;
    return canvas.TextWidth(text);
}

} // namespace

TEST(LieuxText, FortyFiveWindows1252LinesEndingInCrLf)
{
    const QByteArray bytes = LoadNamedResource(QStringLiteral("Lieux"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 45);
    EXPECT_EQ(bytes.count('\n'), 45);
    // "é" is the one byte 0xE9, not a UTF-8 pair.
    EXPECT_TRUE(bytes.contains("s\xE9lectionn\xE9"));
    EXPECT_FALSE(bytes.contains("\xC3\xA9"));
}

TEST(LieuxText, EveryCaptionFitsItsBox)
{
    // The text starts 5 pixels into the box; a pixel is left at its end.
    constexpr int kRoom = kLabelWidth - 5 - 2;
    const PlaceTexts texts = ParsePlaceTexts(LoadNamedText1252(QStringLiteral("Lieux")), kPlaceCount);
    ASSERT_EQ(texts.Count(), kPlaceCount);
    for (int place = 0; place < texts.Count(); ++place) {
        EXPECT_LE(TextWidth(texts.names[place], 10, true), kRoom) << texts.names[place].toStdString();
        EXPECT_LE(TextWidth(texts.details[place], 8, false), kRoom) << texts.details[place].toStdString();
    }
}
