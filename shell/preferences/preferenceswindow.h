// The dialog " Préférences": a list of eight pages of settings, opened on
// the page that PreferencesPage names.
#pragma once

#include "shell/preferences/preferencescolorpage.h"
#include "shell/preferences/preferencespages.h"
#include "window/modulewindow.h"

#include <QImage>

class PaintBox;
class QListWidget;

// The page (0..7) on which the dialog opens; callers set it before opening.
extern int PreferencesPage;

// Runs the program's one preferences dialog modally on `page` (module
// windows' options buttons); returns at once when no dialog exists.
void RunPreferencesDialog(int page);

class TPreferencesF : public OpeningDialog
{
    Q_OBJECT

public:
    explicit TPreferencesF(QWidget* parent = nullptr);
    ~TPreferencesF() override;

    // The banner as last drawn (null while the dialog is closed).
    const QImage& Banner() const { return m_banner; }
    int CurrentPage() const;

    void PagesListChange(int row);
    void OkBoutClick();
    void AnnulerBoutClick();
    void AideBoutClick();
    void AutoriserBoutClick();
    void InterdireBoutClick();

protected:
    void FormShow() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildList();
    void BuildButtons();
    void LoadControls();
    void DrawBanner();
    void SetAllowChecks(bool allowed);

    QListWidget* m_list = nullptr;
    PaintBox* m_bannerBox = nullptr;
    PreferencesPages m_pages;
    QImage m_banner;
    QImage m_iconBitmap;
    ColorSet m_colorBackup{};
};
