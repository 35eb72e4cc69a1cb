// Documents opened with the desktop's default application.
#pragma once

#include <QString>

// Hands the file to the desktop; returns false when it could not be
// handed over (nothing else is reported, as for any shell open).
bool OpenWithDesktop(const QString& path);
