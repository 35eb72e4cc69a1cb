// The window "Freinage d'un véhicule": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "window/modulewindow.h"

class TFreinageF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TFreinageF(QWidget* parent = nullptr);
};
