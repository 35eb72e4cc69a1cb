// Small desktop services: the warning beep, Qt's dialogs in French,
// documents handed to the
// desktop, the primary screen's depth and size, and the detection of another
// running copy of the program on the same display.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QLockFile;

// The short warning sound.
void Beep();

// Puts Qt's own dialogs (printing, colour choice, message box buttons) in
// French, from the translations the system's Qt carries; false, and
// nothing changed, where they are not installed.
bool InstallToolkitFrench();

// Hands the file to the desktop's default application; returns false when
// it could not be handed over (nothing else is reported, as for any shell
// open).
bool OpenWithDesktop(const QString& path);

// Colour depth and size in device pixels of the primary screen.
struct DisplayInfo
{
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
};

DisplayInfo CurrentDisplay();

// A screen's display from its depth, its size in logical pixels and its
// device pixel ratio: a scaled screen has more pixels than it reports.
DisplayInfo DeviceDisplay(int bitsPerPixel, QSize logicalSize, qreal devicePixelRatio);

// The name of the lock file of one desktop session: the display the program
// shows on (X11's DISPLAY without its screen number, or the Wayland
// display) for those platforms, else the login session (XDG_SESSION_ID),
// else one name for the whole account. `env` reads an environment variable.
QString InstanceLockName(const QString& platformName, const std::function<QString(const char*)>& env);

// Detects another running copy of the program on the same display through
// a lock file in the user's runtime folder; a lock left by a crashed copy is
// taken over.
class SingleInstance
{
public:
    // `lockPath` empty: the program's usual lock file.
    explicit SingleInstance(const QString& lockPath = QString());
    ~SingleInstance();

    // True when this process now holds the lock; false when another live
    // copy holds it.
    bool TryAcquire();

    static QString DefaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
