// The about box "A propos de Kinea": a globe turns to the place of a great
// scientific event while its story is typed out, over credits that scroll
// when the box was opened from the menu. At start-up it closes by itself
// after one event.
#pragma once

#include "raster/tdibplus.h"
#include "shell/about/aboutanimation.h"
#include "shell/about/aboutevents.h"
#include "shell/about/aboutpictures.h"
#include "window/modulewindow.h"

#include <memory>

class PaintBox;
class QCheckBox;
class QTimer;

class TSplashF : public OpeningDialog
{
    Q_OBJECT

public:
    explicit TSplashF(QWidget* parent = nullptr);
    ~TSplashF() override;

    // Start-up screen: set by the program's start before showing the box;
    // browsing with the buttons and closing end it.
    void SetStartupMode(bool on) { m_startupMode = on; }
    bool StartupMode() const { return m_startupMode; }
    // Opened from the launcher's menu or caption: the credits scroll and the
    // start-up check box is hidden. Set by the launcher before exec().
    void SetOpenedFromMenu(bool on) { m_openedFromMenu = on; }
    bool OpenedFromMenu() const { return m_openedFromMenu; }

    // Handlers, public so that the launcher's tests and the snapshots can
    // drive the box tick by tick.
    void AnimTimerTimer();
    void ZoneMouseDown(QPoint point);
    void ZoneMouseMove(QPoint point);
    void SplasheCheckClick();

    int EventCount() const { return static_cast<int>(m_events.size()); }
    const std::vector<QString>& TextLines() const { return m_lines; }
    const TypingAnimation& Typing() const { return m_typing; }
    const GlobeTurnAnimation& Turn() const { return m_turn; }
    int Countdown() const { return m_countdown.TicksLeft(); }
    bool Hover() const { return m_hover; }
    int ScrollRow() const { return m_scrollRow; }
    int CreditsHeight() const { return m_credits.height; }
    // The frame as last composed (null while the box is closed).
    const QImage& Composition() const { return m_composition; }

signals:
    // The box has been shown or has closed: the launcher keeps its
    // "A propos" entry disabled meanwhile.
    void ShownChanged(bool shown);

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PreparePictures();
    void RecomposeAtScreenRatio();
    void StartEvent();
    // Event_Index moves by `step` with the wrap; the event starts.
    void ShowOtherEvent(int step);
    void AdvanceIndexAndClose();
    void RenderTurnedGlobe();
    void ComposeFrame();
    bool OnButtons(QPoint point) const;

    PaintBox* m_zone = nullptr;
    QCheckBox* m_splasheCheck = nullptr;
    QTimer* m_animTimer = nullptr;

    bool m_startupMode = false;
    bool m_openedFromMenu = false;
    bool m_hover = false;
    int m_tickCounter = 0;
    int m_scrollRow = 0;

    std::vector<AboutEvent> m_events;
    std::vector<QString> m_lines;
    TypingAnimation m_typing;
    GlobeTurnAnimation m_turn;
    EventCountdown m_countdown;

    QImage m_background;
    QImage m_composition;
    QImage m_globeMask;
    CreditsPictures m_credits;
    AboutButtons m_buttons;
    std::unique_ptr<TDibPlus> m_creditsSurface;
};
