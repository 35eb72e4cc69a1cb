// Every picture the program carries, recorded as the Windows build carries
// it and played back, against Qt SVG drawing the SVG itself: at the design
// size and three times larger.
#include "platform/resources/svgrecorder.h"
#include "platform/resources/vectorpicture.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kEdgeRounding = 4;

QImage Fresh(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The largest difference of any channel of any pixel.
int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

TEST(SvgRecording, EveryPicturePlaysBackAsQtSvgDrawsItBarEdgeRounding)
{
    int pictures = 0;
    QDirIterator it(QStringLiteral(":/res"), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        RecordedPicture recorded;
        ASSERT_TRUE(RecordSvg(svg, recorded)) << qPrintable(it.filePath());
        const VectorPicture played(EncodeRecordedPicture(recorded));
        QSvgRenderer renderer(svg);
        for (int times : {1, 3}) {
            const QSize size = (recorded.viewBox.size() * times).toSize();
            QImage expected = Fresh(size);
            QImage actual = Fresh(size);
            {
                QPainter painter(&expected);
                renderer.render(&painter, QRectF(QPointF(0, 0), size));
            }
            {
                QPainter painter(&actual);
                played.Render(painter, QRectF(QPointF(0, 0), size));
            }
            // The metafile keeps every shape, colour and transform; its
            // replay rounds antialiased edges a few levels apart (on one
            // picture in two, by at most 4 of 255). A shape out of place
            // or a colour lost differs by far more.
            EXPECT_LE(LargestDifference(expected, actual), kEdgeRounding)
                << qPrintable(it.filePath()) << " at " << times << "x";
        }
        ++pictures;
    }
    EXPECT_GT(pictures, 60);
}
