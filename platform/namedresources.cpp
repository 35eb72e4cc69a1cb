#include "platform/namedresources.h"

#include "platform/windows1252.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Built once: every compiled-in file by its lower-case base name.
const QHash<QString, QString>& resourceIndex()
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

QImage renderSvg(const QByteArray& bytes, QSize size)
{
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.viewBox().size();
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

QString NamedResourcePath(const QString& name)
{
    return resourceIndex().value(name.toLower());
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

QImage LoadNamedPicture(const QString& name, QSize size)
{
    const QString path = NamedResourcePath(name);
    if (path.isEmpty())
        return {};
    const QByteArray bytes = LoadNamedResource(name);
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return renderSvg(bytes, size);
    QImage image = QImage::fromData(bytes);
    if (!image.isNull() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size);
    return image;
}

QString LoadNamedText1252(const QString& name)
{
    return DecodeWindows1252(LoadNamedResource(name));
}
