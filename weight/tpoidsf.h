// The window "Poids d'un objet": opened from the launcher, it shows the launcher
// again when it closes. Its module fills it in.
#pragma once

#include "window/modulewindow.h"

class TPoidsF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TPoidsF(QWidget* parent = nullptr);
};
