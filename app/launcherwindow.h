// The launcher: captions and menus that open the modules, documents, help,
// preferences, tip of the day and about box. Its closing ends the program.
#pragma once

#include "app/startup.h"
#include "canvas/tcolor.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QVector>
#include <utility>

class QAction;
class QLabel;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QTimer;

// The launcher's judgement of the display: its text and whether it has too
// few colours for the program.
struct DisplayQuality
{
    QString text; // "Affichage 1024 sur 768 pixels, 256 couleurs."
    bool lowColour = false;
};

DisplayQuality JudgeDisplay(int bitsPerPixel, int width, int height);

// The status line's second label for that judgement, and its colour
// (0x00BBGGRR).
QString DisplayWarningText(const DisplayQuality& quality);
unsigned DisplayWarningColour(const DisplayQuality& quality);

class TMainF : public QMainWindow
{
    Q_OBJECT

public:
    // Creation: finds the program's folder, loads the settings, judges the
    // display and prepares the captions.
    explicit TMainF(QWidget* parent = nullptr);
    ~TMainF() override;

    // The other windows, created after the launcher.
    void SetWindows(const AppWindows& windows);

    // Applies HintFlag to the module windows' hint bubbles.
    void ApplyHintSetting();

    QLabel* Caption(const char* name) const;
    // What the settings load had to tell (a file left unread), once: empty
    // after the first call.
    QString TakeSettingsMessage() { return std::exchange(m_settingsMessage, QString()); }
    const DisplayQuality& Quality() const { return m_display; }
    // Replaces the judged display (for a display that cannot be changed,
    // as in tests); the labels follow at the next first show.
    void SetDisplayQuality(const DisplayQuality& quality);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr TColor kCaptionColour = 0x000000;
    static constexpr TColor kHoverColour = 0xFF0000; // blue

    static void SetTextColour(QLabel* label, TColor colour);
    void BuildCaptions();
    void BuildStatusPanel();
    void BuildMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& text, void (TMainF::*slot)());
    void HoverCaption(QLabel* label);
    void HoverLauncher();
    // A left click pressed and released on the same caption runs it.
    bool CaptionMouseEvent(QLabel* label, const QMouseEvent& event);
    // Up and Down move the highlight among the captions, by `step`.
    void MoveKeyboardHighlight(int step);
    void RunCaption(QLabel* label);
    void FormFirstShow();
    void SetDisplayLabels();

    void OpenModule(QWidget* window);
    // Shows the launcher again, active, when a module window closes.
    void ModuleClosed();
    void OpenPreferences(int page);
    void EditionMenuShow();
    void TipTimerTimer();

    void M1Click();
    void M2Click();
    void M3Click();
    void M4Click();
    void M20Click();
    void M21Click();
    void M22Click();
    void M10Click();
    void M23Click();
    void M24Click();
    void M5Click();
    void M6Click();
    void CalcMenuClick();
    void ClearMenuClick();
    void AboutMenuClick();
    void Astucedujour1Click();
    void Lisezmoi1Click();

    AppWindows m_windows;
    QVector<QLabel*> m_captions;
    QHash<QLabel*, QAction*> m_captionActions;
    QObject* m_hovered = nullptr;
    QLabel* m_pressedCaption = nullptr;
    QLabel* m_openerCaption = nullptr; // highlighted when the open module opened
    bool m_firstShow = true;
    DisplayQuality m_display;
    QString m_settingsMessage;
    QLabel* m_modeLab = nullptr;
    QLabel* m_warningLab = nullptr;
    QAction* m_clearMenu = nullptr;
    QTimer* m_tipTimer = nullptr;
};
