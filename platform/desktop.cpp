#include "platform/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLockFile>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

void Beep()
{
    QApplication::beep();
}

bool OpenWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

DisplayInfo CurrentDisplay()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return DeviceDisplay(screen->depth(), screen->size(), screen->devicePixelRatio());
    return {};
}

DisplayInfo DeviceDisplay(int bitsPerPixel, QSize logicalSize, qreal devicePixelRatio)
{
    return {bitsPerPixel, qRound(logicalSize.width() * devicePixelRatio),
            qRound(logicalSize.height() * devicePixelRatio)};
}

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath))
{
    // Judge a lock by its owner's process alone: by age, a copy running for
    // more than the default 30 s would lose its lock to a second one.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir + QStringLiteral("/kinea.lock");
}
