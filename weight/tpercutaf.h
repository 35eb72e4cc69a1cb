// The window "Orgue cinétique": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "window/modulewindow.h"

class TPercutaF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TPercutaF(QWidget* parent = nullptr);
};
