// Recorded pictures: the metafile form the pictures take where Qt SVG is
// missing at run time.
#include "platform/resources/recordedpicture.h"
#include "platform/resources/vectorpicture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A 40 x 20 drawing whose view box starts at (10, 5): a red left half.
RecordedPicture RedLeftHalf()
{
    RecordedPicture recorded;
    recorded.viewBox = QRectF(10, 5, 40, 20);
    QPainter painter(&recorded.picture);
    painter.fillRect(QRectF(10, 5, 20, 20), Qt::red);
    return recorded;
}

QImage Played(const RecordedPicture& recorded, const QRectF& target, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const VectorPicture picture(EncodeRecordedPicture(recorded));
    QPainter painter(&image);
    picture.Render(painter, target);
    return image;
}

} // namespace

TEST(RecordedPicture, KeepsItsViewBoxAndDrawingThroughTheBytes)
{
    RecordedPicture decoded;
    ASSERT_TRUE(DecodeRecordedPicture(EncodeRecordedPicture(RedLeftHalf()), decoded));
    EXPECT_EQ(decoded.viewBox, QRectF(10, 5, 40, 20));
    EXPECT_EQ(VectorPicture(EncodeRecordedPicture(RedLeftHalf())).Size(), QSizeF(40, 20));
}

TEST(RecordedPicture, PlaysStretchedOntoItsTarget)
{
    // Played onto twice its size at (4, 2): the view box's left half fills
    // the target's left half, whatever the view box's own offset.
    const QImage image = Played(RedLeftHalf(), QRectF(4, 2, 80, 40), QSize(90, 45));
    const QRgb red = QColor(Qt::red).rgb();
    const QRgb white = QColor(Qt::white).rgb();
    EXPECT_EQ(image.pixel(3, 10), white);
    EXPECT_EQ(image.pixel(4, 2), red);
    EXPECT_EQ(image.pixel(43, 41), red);
    EXPECT_EQ(image.pixel(44, 10), white);
    EXPECT_EQ(image.pixel(10, 1), white);
    EXPECT_EQ(image.pixel(10, 42), white);
}

TEST(RecordedPicture, RefusesWhatIsNotARecording)
{
    const QByteArray good = EncodeRecordedPicture(RedLeftHalf());
    QByteArray wrongMagic = good;
    wrongMagic[0] = 'X';
    QByteArray wrongVersion = good;
    wrongVersion[7] = char(9);
    const QByteArray inputs[] = {
        QByteArray(),
        QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"/>"),
        wrongMagic,
        wrongVersion,
        good.left(good.size() / 2),
        good.left(30),
    };
    for (const QByteArray& bytes : inputs) {
        RecordedPicture decoded;
        EXPECT_FALSE(DecodeRecordedPicture(bytes, decoded)) << bytes.size() << " bytes";
    }
}

TEST(RecordedPicture, EmptyViewBoxIsRefused)
{
    RecordedPicture flat = RedLeftHalf();
    flat.viewBox = QRectF(0, 0, 40, 0);
    RecordedPicture decoded;
    EXPECT_FALSE(DecodeRecordedPicture(EncodeRecordedPicture(flat), decoded));
}

TEST(VectorPicture, UnreadableBytesDrawNothing)
{
    const VectorPicture picture(QByteArray("pas une image"));
    EXPECT_FALSE(picture.IsValid());
    EXPECT_TRUE(picture.Size().isEmpty());
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Render(painter, QRectF(0, 0, 10, 10));
    painter.end();
    EXPECT_EQ(image.pixel(5, 5), QColor(Qt::white).rgb());
}
