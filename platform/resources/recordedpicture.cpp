#include "platform/resources/recordedpicture.h"

#include <QBuffer>
#include <QDataStream>

namespace {

constexpr quint32 kMagic = 0x4B504943; // "KPIC"
constexpr quint32 kVersion = 1;
// Both ends are built from the same Qt: the stream's own format is pinned
// anyway, so that a later Qt still reads the recordings it was built with.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

} // namespace

QByteArray EncodeRecordedPicture(const RecordedPicture& recorded)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kMagic << kVersion << recorded.viewBox << QByteArray(recorded.picture.data(), recorded.picture.size());
    return bytes;
}

bool DecodeRecordedPicture(const QByteArray& bytes, RecordedPicture& recorded)
{
    QDataStream in(bytes);
    in.setVersion(kStreamVersion);
    quint32 magic = 0;
    quint32 version = 0;
    QRectF viewBox;
    QByteArray data;
    in >> magic >> version >> viewBox >> data;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion || data.isEmpty()
        || !viewBox.isValid())
        return false;
    // load() checks the metafile's own header; setData() would not.
    QBuffer buffer(&data);
    QPicture picture;
    if (!buffer.open(QIODevice::ReadOnly) || !picture.load(&buffer))
        return false;
    recorded = {viewBox, picture};
    return true;
}
