// The window "Poids d'un objet": one object weighed at up to three places
// side by side, each column with its turning globe, its scale and the object
// standing on it. Opened from the launcher, which shows itself again when
// this window closes.
#pragma once

#include "canvas/canvas.h"
#include "weight/weighing/model/globemove.h"
#include "weight/weighing/model/placetexts.h"
#include "weight/weighing/model/weighingscale.h"
#include "weight/weighing/weighingscaleface.h"
#include "weight/weighing/weighingzone.h"
#include "window/modulewindow.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <random>

class PaintBox;
class QComboBox;
class QLabel;
class QTimer;
class QToolButton;

constexpr int kWeightColumns = 3;

class TPoidsF : public ModuleWindow
{
    Q_OBJECT

public:
    explicit TPoidsF(QWidget* parent = nullptr);
    ~TPoidsF() override;

    // Columns are numbered 1..3, as their globe slots.
    const ScaleColumn& Scale(int column) const { return At(column).scale; }
    bool GlobeMoving(int column) const { return At(column).move.Running(); }
    const QImage& ZoneImage(int column) const { return At(column).zoneImage; }
    int ZoneHeight() const { return m_zoneHeight; }
    int ColumnGap() const { return m_columnGap; }
    int Object() const { return m_object; }
    bool Dragging() const { return m_dragging; }
    TColor ScaleColour() const { return m_face.Colour(); }
    const ScaleFace& Face() const { return m_face; }
    const ObjectPicture& Picture() const { return m_picture; }
    const PlaceTexts& Places() const { return m_places; }

    void ObjetComboChange(int object);
    void LieuComboChange(int column, int place);
    void TimerEvent();
    void AnimTimerTimer();
    void Display1MouseDown(int column, QPoint at, Qt::MouseButton button);
    void Display1MouseMove(int column, QPoint at, Qt::MouseButtons buttons);
    void Display1MouseUp(int column);
    void ColorBoutClick();
    void CopierBoutClick();
    // The three globes above their scales: what the copy and the saved
    // image hold.
    QImage CopiedPicture() const;
    void OptionsBoutClick();
    void AideBoutClick();
    void CalcBoutClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct MeasureColumn
    {
        PaintBox* display = nullptr;
        PaintBox* zone = nullptr;
        QLabel* label = nullptr;
        QComboBox* combo = nullptr;
        ScaleColumn scale;
        GlobeMove move;
        QImage zoneImage;
    };

    MeasureColumn& At(int column) { return m_columns[std::size_t(column - 1)]; }
    const MeasureColumn& At(int column) const { return m_columns[std::size_t(column - 1)]; }

    void CreateControls();
    void CreatePanels();
    void SetHints();
    QToolButton* MakeButton(const char* name, const char* picture, const QString& hint);

    void FormShow();
    void FormClose();
    void FormResize();
    void LoadPlaceTexts();
    void ApplySettings();

    double TargetWeight(int column) const;
    void DrawZone(int column);
    void DrawAllZones();
    void StartGlobeMove(int column);
    void RenderGlobe(int column);
    void startTimer(QTimer* timer);

    std::array<MeasureColumn, kWeightColumns> m_columns;
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* ObjetLabel = nullptr;
    QComboBox* ObjetCombo = nullptr;
    QToolButton* CloseBout = nullptr;
    QToolButton* AideBout = nullptr;
    QToolButton* CopierBout = nullptr;
    QToolButton* CalcBout = nullptr;
    QToolButton* ColorBout = nullptr;
    QToolButton* OptionsBout = nullptr;
    QTimer* Timer = nullptr;
    QTimer* AnimTimer = nullptr;

    PlaceTexts m_places;
    ScaleFace m_face;
    ObjectPicture m_picture;
    int m_object = 0;
    int m_zoneHeight = 1;
    int m_columnGap = 0;
    bool m_shown = false;
    bool m_dragging = false;
    int m_dragColumn = 0;
    QPoint m_dragStart;
    float m_pressTurn = 0;
    float m_pressTilt = 0;
    std::mt19937 m_random{std::random_device{}()};
};
