#include "platform/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QScreen>
#include <QTranslator>
#include <QUrl>

void Beep()
{
    QApplication::beep();
}

bool InstallToolkitFrench()
{
    // Created once, owned by the application: a second call adds nothing.
    static QTranslator* translator = nullptr;
    if (translator)
        return true;
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete loaded;
        return false;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
    return true;
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
