// The window "Orgue cinétique": the launch bench on top, the crushed tubes
// standing side by side below it, and a bottom panel with the striker's
// speed and mass, the launch, paging, sort, delete and copy controls and a
// one-line message bar. It drives the organ model and draws it; opened from
// the launcher, it shows the launcher again when it closes.
#pragma once

#include "weight/organ/model/organmodel.h"
#include "weight/organ/organpictures.h"
#include "window/modulewindow.h"

#include <QImage>
#include <array>
#include <memory>

class Canvas;
class PaintBox;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QTimer;
class QToolButton;
class SpinButton;
class TDibPlus;

class TPercutaF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TPercutaF(QWidget* parent = nullptr);
    ~TPercutaF() override;

    static constexpr int PanelHeight = 104;

    const OrganModel& Model() const { return m_model; }
    // The bench and the tube display as last drawn (null while closed).
    const QImage& BenchPicture() const { return m_bench; }
    const QImage& TubesPicture() const { return m_tubes; }
    const OrganPictures& Pictures() const { return m_pictures; }

    // Composing the two pictures: the bench with its striker, and the
    // tubes with the selection, the hover and the info panel.
    void DrawBench();
    void DrawTubes();
    // One 40 ms step of the striker.
    void AnimTimerTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePanel();
    void CreateSpeedAndMass(QWidget* panel);
    void CreateMenu();
    void WatchChildren();

    void FormShow();
    void Layout();
    void PlacePanel();
    void MakeBitmaps();
    void FreeBitmaps();

    // After the model changed: controls, pictures and the timer follow it.
    void ModelChanged();
    void ShowStriker();
    void ShowPaging();
    void SyncTimer();

    void DepartBoutClick();
    void SpeedSpinUpClick();
    void SpeedSpinDownClick();
    void MasseSpinUpClick();
    void MasseSpinDownClick();
    void ComboTriChange(int item);
    void TriMenuClick(int item);
    void PopPopup();
    void DeselMenuClick();
    void DelBoutClick();
    void NextBoutClick();
    void PredBoutClick();
    void CopyBoutClick();
    void SaveImMenuClick();
    void CopyDataBoutClick();
    void OptionsBoutClick();
    void Display1MouseDown(QMouseEvent* event);
    void Display1MouseMove(QMouseEvent* event);
    void Display1MouseUp(QMouseEvent* event);
    void Display2MouseMove(QMouseEvent* event);
    void Display2MouseDown(QMouseEvent* event);
    void Display2MouseLeave();
    bool FormKeyDown(int key);
    void ApplyOptionSettings();

    // Drawing (organdrawing.cpp).
    void DrawTubeField();
    void DrawTube(Canvas& canvas, int k, const TubeRecord& tube, TColor labelColor) const;
    void DrawBenchTube(Canvas& canvas);
    void TintPushedInZone();
    void DrawInfoPanel(const TubeRecord& tube, int position, bool selected);
    QRect TubeBox(int k) const;

    // The message bar (organmessagebar.cpp).
    void ComposMove(QWidget* under);
    int MessageCode(const QWidget* under) const;
    void ShowMessage(int code);

    OrganModel m_model;
    OrganPictures m_pictures;
    QImage m_bench;
    QImage m_tubeField;
    QImage m_tubes;
    std::unique_ptr<TDibPlus> m_benchTint;
    std::unique_ptr<TDibPlus> m_infoPanel;
    unsigned m_drawnRevision = 0;
    int m_strikerMass = 0;
    bool m_shown = false;
    int m_lastHint = -1;
    QString m_lastMessage;
    QWidget* m_underMouse = nullptr;

    PaintBox* Display1;
    PaintBox* Display2;
    QWidget* Panneau;
    QToolButton* CloseBout;
    QToolButton* AideBout;
    QLabel* SpeedLab0;
    SpinButton* SpeedSpin;
    QLineEdit* SpeedEd;
    QLabel* SpeedLab;
    QLabel* Masselab0;
    SpinButton* MasseSpin;
    QLineEdit* MasseEd;
    QLabel* MasseLab;
    QToolButton* DepartBout;
    QToolButton* PredBout;
    QLabel* PageLab;
    QToolButton* NextBout;
    QLabel* TriLab;
    QComboBox* ComboTri;
    QToolButton* DelBout;
    QToolButton* CopyDataBout;
    QToolButton* OptionsBout;
    QToolButton* CopyBout;
    QToolButton* CalcBout;
    QFrame* Bevel;
    QLabel* MessLab;
    QTimer* AnimTimer;
    QMenu* Pop;
    QAction* DeselMenu;
    QAction* DelMenu;
    std::array<QAction*, SortModeCount> TriMenus{};
    QAction* CopyValMenu;
    QAction* CopyImMenu;
    QAction* SaveImMenu;
};
