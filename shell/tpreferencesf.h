// The dialog " Préférences" of the launcher.
#pragma once

#include <QDialog>

// The page (0..7) on which the dialog opens; callers set it before opening.
extern int PreferencesPage;

class TPreferencesF : public QDialog
{
    Q_OBJECT

public:
    explicit TPreferencesF(QWidget* parent = nullptr);
};
