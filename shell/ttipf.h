// The dialog " Astuce du jour" of the launcher.
#pragma once

#include <QDialog>

class TTipF : public QDialog
{
    Q_OBJECT

public:
    explicit TTipF(QWidget* parent = nullptr);
};
