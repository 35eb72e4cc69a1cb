// The window "Mouvement d'un projectile": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "controls/modulewindow.h"

class TBalleF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TBalleF(QWidget* parent = nullptr);
};
