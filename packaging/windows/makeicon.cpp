// kinea_makeicon IN.svg OUT.ico: the program's icon for Windows (the
// executable, the Start menu, the setup program) at the sizes Windows
// shows, each stored as PNG inside the icon file.
#include <QBuffer>
#include <QDataStream>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 256};

QByteArray pngAt(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The ICO layout: a header, one 16-byte entry per picture, then the
// pictures; a size of 256 is written as 0.
QByteArray iconFile(QSvgRenderer& renderer)
{
    QList<QByteArray> pictures;
    for (int size : kSizes)
        pictures << pngAt(renderer, size);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int count = int(std::size(kSizes));
    out << quint16(0) << quint16(1) << quint16(count);
    quint32 offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        const quint8 side = quint8(kSizes[i] % 256);
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(pictures[i].size())
            << offset;
        offset += quint32(pictures[i].size());
    }
    for (const QByteArray& picture : pictures)
        out.writeRawData(picture.constData(), int(picture.size()));
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kinea_makeicon IN.svg OUT.ico\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "kinea_makeicon: cannot read %s\n", argv[1]);
        return 1;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(iconFile(renderer)) < 0 || !file.commit()) {
        std::fprintf(stderr, "kinea_makeicon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
