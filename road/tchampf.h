// The window "Champ visuel et conduite": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "window/modulewindow.h"

class TChampF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TChampF(QWidget* parent = nullptr);
};
