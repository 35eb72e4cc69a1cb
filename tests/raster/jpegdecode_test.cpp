// JPEG decoding from memory: sound pictures decode, damaged ones give a
// null picture and leave the program running.
#include "raster/globeview.h"

#include "platform/resources/namedresources.h"
#include "support/testhelpers.h"

#include <gtest/gtest.h>

namespace {

QByteArray EarthJpeg()
{
    return LoadNamedResource(QStringLiteral("Terre_jpg"));
}

TEST(JpegDecodeTest, TheEarthMapDecodesToTheMapSize)
{
    const QByteArray data = EarthJpeg();
    ASSERT_FALSE(data.isEmpty());
    const QImage image = DecodeJpeg(data);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(642, 321));
    // The middle of the Pacific (longitude -150, the equator) is deep blue.
    const QRgb ocean = image.pixel(53, 160);
    EXPECT_GT(qBlue(ocean), qRed(ocean) + 20);
    // The Antarctic ice along the bottom row is nearly white.
    const QRgb ice = image.pixel(321, 318);
    EXPECT_GT(qRed(ice), 200);
    EXPECT_GT(qBlue(ice), 200);
}

struct DamageCase
{
    const char* name;
    QByteArray (*damage)(QByteArray);
};

QByteArray Truncated(QByteArray data)
{
    return data.left(data.size() / 2);
}

QByteArray CutInTheHeader(QByteArray data)
{
    return data.left(60);
}

QByteArray ScrambledMiddle(QByteArray data)
{
    // Markers where entropy-coded data should be.
    for (qsizetype i = data.size() / 2; i < data.size() / 2 + 400; i += 2) {
        data[i] = char(0xFF);
        data[i + 1] = char(0xD3);
    }
    return data;
}

// Start of frame with a 60000 x 60000 picture: refused, not allocated.
QByteArray HugeFrame(QByteArray data)
{
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof >= 0)
        for (int i = 5; i < 9; ++i)
            data[sof + i] = char(i % 2 ? 0xEA : 0x60);
    return data;
}

// The same size in a progressive frame, whose decoder would set up the
// whole picture's coefficients before the first row.
QByteArray HugeProgressiveFrame(QByteArray data)
{
    data = HugeFrame(data);
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof >= 0)
        data[sof + 1] = char(0xC2);
    return data;
}

QByteArray NotAJpeg(QByteArray)
{
    return QByteArray("This is not a picture at all.");
}

QByteArray OnlyTheStartMarker(QByteArray)
{
    return QByteArray("\xFF\xD8", 2);
}

QByteArray Empty(QByteArray)
{
    return {};
}

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class JpegDamageTest : public testing::TestWithParam<DamageCase>
{ };

TEST_P(JpegDamageTest, GivesANullPicture)
{
    const QImage image = DecodeJpeg(GetParam().damage(EarthJpeg()));
    EXPECT_TRUE(image.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, JpegDamageTest,
    testing::Values(DamageCase{"Truncated", Truncated}, DamageCase{"CutInTheHeader", CutInTheHeader},
                    DamageCase{"ScrambledMiddle", ScrambledMiddle}, DamageCase{"HugeFrame", HugeFrame},
                    DamageCase{"HugeProgressiveFrame", HugeProgressiveFrame}, DamageCase{"NotAJpeg", NotAJpeg},
                    DamageCase{"OnlyTheStartMarker", OnlyTheStartMarker}, DamageCase{"Empty", Empty}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegDecodeTest, DecodingWorksAgainAfterADamagedPicture)
{
    EXPECT_TRUE(DecodeJpeg(Truncated(EarthJpeg())).isNull());
    EXPECT_FALSE(DecodeJpeg(EarthJpeg()).isNull());
}

} // namespace
