// The window "Disque en rotation": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "controls/modulewindow.h"

class TDisqueF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TDisqueF(QWidget* parent = nullptr);
};
