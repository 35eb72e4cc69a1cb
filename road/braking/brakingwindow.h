// The window "Freinage d'un véhicule": two vehicles braking side by side in
// two stacked zones, each with its own camera, and the panel that sets
// their speed, brakes, road and reaction time and plays the run.
#pragma once

#include "road/braking/brakingscene.h"
#include "road/braking/model/brakingsession.h"
#include "window/modulewindow.h"

#include <QHash>
#include <QImage>
#include <array>

class PaintBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QSlider;
class QTimer;
class QToolButton;
class QWheelEvent;
class SpinButton;

class TFreinageF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TFreinageF(QWidget* parent = nullptr);
    ~TFreinageF() override;

    const BrakingSession& Session() const { return m_session; }
    const BrakingScene& Scene() const { return m_scene; }
    // The picture of zone k (1 or 2) as last composed (null while closed).
    const QImage& ZonePicture(int k) const { return m_zonePictures[k == 2 ? 1 : 0]; }
    int MessageWidth() const { return m_messageWidth; }
    // The status texts, by index (0 to 14).
    static QString StatusText(int index);

    // One tick of the 30 ms timer.
    void AnimTimerTimer();
    // Composes zone k and shows it.
    void DrawZone(int k);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateZones();
    void CreatePanel();
    void CreateVehicleControls(int k, int top);
    void ConnectControls();
    void WatchControls();

    void FormShow();
    void FormLayout();
    void SettingsIntoControls();
    void ControlsState();
    void ShowMessage(int index);
    void ShortenMessage();

    void DepartBoutClick();
    void PauseBoutClick(bool paused);
    void StopBoutClick();
    void ZoomPlusBoutClick();
    void ZoomMoinsBoutClick();
    void ZoomAdapteBoutClick();
    void AideBoutClick();
    void CopierBoutClick();
    // Both zones one above the other: what the copy and the saved image hold.
    QImage CopiedPicture();
    void CalcBoutClick();
    void OptionsBoutClick();
    // Shared by both vehicles' controls.
    void SpeedSpinUpClick(int k);
    void SpeedSpinDownClick(int k);
    void ReactionComboChange(int k, int item);
    void RouteComboChange(int k, int item);
    void FreinsComboChange(int k, int item);
    void PasBarChange(int position);

    void ZoneMouseDown(int k, QMouseEvent* event);
    void ZoneMouseMove(int k, QMouseEvent* event);
    void ZoneMouseUp(QMouseEvent* event);
    void MouseWheel(int delta);
    void SetTimerRunning(bool running);
    void ShowSpeed(int k);

    BrakingSession m_session;
    BrakingScene m_scene;
    std::array<QImage, 2> m_zonePictures;
    bool m_shown = false;
    int m_messageWidth = 0;
    int m_lastMessage = -1;
    int m_wheelRemainder = 0;
    QHash<const QObject*, int> m_messageOf;

    std::array<PaintBox*, 2> m_zones{};
    QWidget* Panneau = nullptr;
    QToolButton* DepartBout = nullptr;
    QToolButton* PauseBout = nullptr;
    QToolButton* StopBout = nullptr;
    QLabel* PasLab = nullptr;
    QSlider* PasBar = nullptr;
    QToolButton* ZoomPlusBout = nullptr;
    QToolButton* ZoomMoinsBout = nullptr;
    QToolButton* ZoomAdapteBout = nullptr;
    QToolButton* CloseBout = nullptr;
    QToolButton* AideBout = nullptr;
    QToolButton* CopierBout = nullptr;
    QToolButton* CalcBout = nullptr;
    QToolButton* OptionsBout = nullptr;
    std::array<SpinButton*, 2> SpeedSpins{};
    std::array<QLineEdit*, 2> SpeedEds{};
    std::array<QLabel*, 2> SpeedLabs{};
    std::array<QComboBox*, 2> FreinsCombos{};
    std::array<QComboBox*, 2> RouteCombos{};
    std::array<QComboBox*, 2> ReactionCombos{};
    std::array<PaintBox*, 2> AutoIcones{};
    QLabel* MessLab = nullptr;
    QFrame* Bevel = nullptr;
    QTimer* AnimTimer = nullptr;
};
