// The window "Chute d'une bille": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "controls/modulewindow.h"

class TChuteF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TChuteF(QWidget* parent = nullptr);
};
