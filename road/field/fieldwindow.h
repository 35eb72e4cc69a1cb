// The window "Champ visuel et conduite": two top views of the same street,
// the red car's driver's field at rest on the left, and on the right the
// field at the chosen speed or that of a heavily drunk driver. What the
// driver cannot see is darkened.
#pragma once

#include "road/field/fieldscene.h"
#include "road/field/model/fieldshape.h"
#include "window/modulewindow.h"

#include <memory>
#include <vector>

class PaintBox;
class QLabel;
class QLineEdit;
class QPainter;
class QRadioButton;
class QToolButton;
class SpinButton;
class TDibPlus;

class TChampF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TChampF(QWidget* parent = nullptr);
    ~TChampF() override;

    int ShownVehicleSpeed() const { return VehicleSpeed; }
    int ShownFieldAngle() const { return FieldAngle; }
    bool IsDrunk() const { return Drunk; }
    const FieldGeometry& geometry() const { return m_geometry; }
    // The same display counted in device pixels, those of the composed
    // views and of the field's rows.
    const FieldGeometry& DeviceGeometry() const { return m_deviceGeometry; }
    qreal Ratio() const { return m_ratio; }
    // The composed displays and the scene under them; null while closed.
    const TDibPlus* LeftViewPicture() const { return LeftView.get(); }
    const TDibPlus* RightViewPicture() const { return RightView.get(); }
    const TDibPlus* ScenePicture() const { return SceneBackground.get(); }

    // Places the displays for the window's size and, while shown, composes
    // both views again.
    void Relayout();
    // Composes the left (1) or right (2) view from the current field.
    void DrawView(int n);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreatePanel();
    void SetHints();
    void PlaceControls();
    void FormShow();
    void SpeedUpdate();
    void DrunkUpdate();
    void ModeUpdate();
    void ShowRightView();
    void Display1Paint(QPainter& painter, TDibPlus* view);

    void SpeedSpinUpClick();
    void SpeedSpinDownClick();
    void RadioClick(bool checked);
    void OptionsBoutClick();
    void AideBoutClick();
    void CopyBoutClick();
    // Both views side by side: what the copy and the saved image hold.
    QImage CopiedPicture() const;

    PaintBox* Display1;
    PaintBox* Display2;
    QWidget* Panneau;
    QToolButton* CloseBout;
    QToolButton* OptionsBout;
    QToolButton* AideBout;
    QToolButton* CopyBout;
    QRadioButton* SpeedRadio;
    QRadioButton* AlcoolRadio;
    QLabel* SpeedLab0;
    SpinButton* SpeedSpin;
    QLineEdit* SpeedEd;
    QLabel* SpeedLab;
    QLabel* AlcoolLab;

    FieldGeometry m_geometry{1, 1};
    FieldGeometry m_deviceGeometry{1, 1};
    qreal m_ratio = 1;
    int VehicleSpeed = 0;
    int FieldAngle = kRestFieldAngle;
    bool Drunk = false;
    bool RadioReady = false;
    // Set by the show sequence, cleared by a close: a window restored from
    // the task bar is shown again without starting over.
    bool m_shown = false;
    std::vector<FieldSpan> FieldRows;
    RoadPicture m_roadPicture;
    std::unique_ptr<TDibPlus> SceneBackground;
    std::unique_ptr<TDibPlus> LeftView;
    std::unique_ptr<TDibPlus> RightView;
};
