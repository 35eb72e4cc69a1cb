#include "shell/tpreferencesf.h"

TPreferencesF::TPreferencesF(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("PreferencesF");
    setWindowTitle(QStringLiteral(" Préférences"));
    resize(540, 294);
}
