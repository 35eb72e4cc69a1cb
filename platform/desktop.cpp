#include "platform/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
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

namespace {

// ":0", ":0.0" and "unix:0" name the same X display; a screen number does
// not make another display.
QString XDisplay(const QString& name)
{
    const qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return name;
    QString host = name.left(colon);
    if (host == QLatin1String("unix"))
        host.clear();
    const QString number = name.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
    return host.isEmpty() ? number : host + QLatin1Char(':') + number;
}

// Whatever the environment holds, the name stays one plain file in the
// folder.
QString FileNamePart(const QString& text)
{
    QString part = text;
    for (QChar& c : part) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'.'
                           || u == u'-';
        if (!plain)
            c = QLatin1Char('_');
    }
    return part;
}

} // namespace

QString InstanceLockName(const QString& platformName, const std::function<QString(const char*)>& env)
{
    QString scope;
    if (platformName == QLatin1String("xcb") && !env("DISPLAY").isEmpty()) {
        scope = QStringLiteral("x11-") + XDisplay(env("DISPLAY"));
    } else if (platformName.startsWith(QLatin1String("wayland"))) {
        const QString display = env("WAYLAND_DISPLAY");
        scope = QStringLiteral("wayland-") + (display.isEmpty() ? QStringLiteral("wayland-0") : display);
    } else if (!env("XDG_SESSION_ID").isEmpty()) {
        scope = QStringLiteral("session-") + env("XDG_SESSION_ID");
    }
    return scope.isEmpty() ? QStringLiteral("kinea.lock")
                           : QStringLiteral("kinea-") + FileNamePart(scope) + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath.isEmpty() ? DefaultLockPath() : lockPath))
{
    // Judge a lock by its owner's process alone: by age, a copy running for
    // more than the default 30 s would lose its lock to a second one.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TryAcquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}
