// The dialog " Préférences" of the launcher.
#pragma once

#include <QDialog>

class TPreferencesF : public QDialog
{
    Q_OBJECT

public:
    explicit TPreferencesF(QWidget* parent = nullptr);
};
