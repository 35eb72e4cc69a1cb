// The window "Roue d'une bicyclette": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "controls/modulewindow.h"

class TRoueF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TRoueF(QWidget* parent = nullptr);
};
