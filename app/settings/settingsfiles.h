// Where the settings file is read and written, and whether it may be
// written: the one place that tells a copy its user owns from an installed
// one.
#pragma once

#include <QString>

// The file beside the executable that marks an installed copy (written by
// `cmake --install`, the package and the Windows setup program).
inline constexpr char InstalledMarkerName[] = "Kinea.installed";

// Where the settings are read and written.
struct SettingsFiles
{
    // An administrator's Kinea.ini beside an installed copy, read only: the
    // keys it holds are imposed over the user's. Empty when there is none.
    QString shared;
    // The file read and the only one written (empty when there is nowhere
    // to keep it).
    QString own;
};

// A copy its user owns (the build tree, a portable folder) keeps Kinea.ini
// beside the executable when it can, else in the user's configuration
// folder, as it does when Kinea.ini there is not a regular file. An
// installed copy (InstalledMarkerName beside the executable) never writes
// into its own folder, whoever runs it: the user's configuration folder
// (~/.config/Kinea, %APPDATA%\Kinea) holds each user's settings.
SettingsFiles LocateSettingsFiles(const QString& programDir);
// The user's configuration folder for Kinea (empty where unknown).
QString UserSettingsFolder();
// True when a save could replace the file: an existing file must be a
// regular file that the system lets this user write (a read-only file
// system or an immutable file count as read-only) and whose permission bits
// allow it, even for the superuser; a new file needs such a folder.
bool SettingsFileWritable(const QString& path);
