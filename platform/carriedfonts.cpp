#include "platform/carriedfonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

int LoadCarriedFonts(const QString& folder)
{
    int loaded = 0;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files);
    for (const QString& file : files)
        loaded += QFontDatabase::addApplicationFont(QDir(folder).filePath(file)) >= 0;
    const QString arial = QStringLiteral("Arial");
    const QString liberation = QStringLiteral("Liberation Sans");
    if (loaded > 0 && !QFontDatabase::hasFamily(arial) && QFontDatabase::hasFamily(liberation))
        QFont::insertSubstitution(arial, liberation);
    return loaded;
}

int LoadProgramFonts()
{
    return LoadCarriedFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
}
