#include "shell/tpreferencesf.h"

int PreferencesPage = 0;

TPreferencesF::TPreferencesF(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("PreferencesF");
    setWindowTitle(QStringLiteral(" Préférences"));
    resize(540, 294);
}
