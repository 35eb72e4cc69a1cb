// Detects another running copy of the program through a lock file in the
// user's runtime folder; a lock left by a crashed copy is taken over.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

class SingleInstance
{
public:
    // `lockPath` empty: the program's usual lock file.
    explicit SingleInstance(const QString& lockPath = QString());
    ~SingleInstance();

    // True when this process now holds the lock; false when another live
    // copy holds it.
    bool tryAcquire();

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
