// The dialog "A propos de Kinea" of the launcher.
#pragma once

#include <QDialog>

class TSplashF : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashF(QWidget* parent = nullptr);
};
