#include "platform/resources/namedresources.h"

#include "platform/resources/vectorpicture.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

namespace {

// 0x80..0x9F differ from Latin-1; the five unassigned bytes map to the
// replacement character.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// Built once: every compiled-in file by its lower-case base name.
const QHash<QString, QString>& ResourceIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> map;
        QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            map.insert(QFileInfo(path).completeBaseName().toLower(), path);
        }
        return map;
    }();
    return index;
}

QImage RenderVector(const QByteArray& bytes, QSize size, qreal ratio)
{
    const VectorPicture picture(bytes);
    if (!picture.IsValid())
        return {};
    if (size.isEmpty())
        size = picture.Size().toSize();
    if (size.isEmpty())
        return {};
    ratio = ratio > 0 ? ratio : 1;
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.Render(painter, QRectF(QPointF(0, 0), image.size()));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

QString NamedResourcePath(const QString& name)
{
    return ResourceIndex().value(name.toLower());
}

QByteArray LoadNamedResource(const QString& name)
{
    const QString path = NamedResourcePath(name);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage LoadNamedPicture(const QString& name, QSize size, qreal ratio)
{
    const QString path = NamedResourcePath(name);
    if (path.isEmpty())
        return {};
    const QByteArray bytes = LoadNamedResource(name);
    if (QFileInfo(path).suffix().compare(QLatin1String(VectorPicture::FileExtension()), Qt::CaseInsensitive) == 0)
        return RenderVector(bytes, size, ratio);
    QImage image = QImage::fromData(bytes);
    if (!image.isNull() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size);
    return image;
}

QString LoadNamedText1252(const QString& name)
{
    return DecodeWindows1252(LoadNamedResource(name));
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            text.append(QChar(kHighControls[byte - 0x80]));
        else
            text.append(QChar(char16_t(byte)));
    }
    return text;
}
