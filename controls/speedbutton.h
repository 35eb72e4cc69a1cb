// The module windows' picture buttons: a tool button that takes no focus,
// showing one of the program's button pictures.
#pragma once

#include <QString>

class QToolButton;
class QWidget;

QToolButton* MakeSpeedButton(QWidget* parent, const char* objectName, const char* pictureName,
                             const QString& hint);
