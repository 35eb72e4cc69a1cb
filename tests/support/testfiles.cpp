#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QUuid>

namespace testing_support {

TempDir::TempDir()
{
    m_path = QDir::tempPath() + "/kinea-test-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(m_path);
}

TempDir::~TempDir()
{
    // Read-only files left by a test must not stop the clean-up.
    QDir dir(m_path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir.removeRecursively();
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace testing_support
