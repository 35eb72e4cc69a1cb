// The stroboscopic motion player shared by the four motion windows: the
// transport, the frame clock, the traces, the keys, copy and save of the
// picture and of the measurements, help and the show and close sequence.
// Each window takes its film's row of traits (motiontraits.h) and supplies
// its frames, background, scale and worksheet.
#pragma once

#include "canvas/canvas.h"
#include "motion/model/measurements.h"
#include "motion/model/motionrules.h"
#include "motion/motioncontrols.h"
#include "motion/motiontraits.h"
#include "motion/motionworksheet.h"
#include "window/modulewindow.h"

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class PaintBox;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QMenu;
class QPainter;
class QTimer;
class QToolButton;

class MotionWindow : public ModuleWindow
{
    Q_OBJECT

public:
    ~MotionWindow() override;

    int CurFrame() const { return m_curFrame; }
    int FrameCount() const { return m_frameCount; }
    // The picture of the current frame as last composed, and what lies
    // under it; both null while the window is closed.
    const QImage& FrameBitmap() const { return m_frame; }
    const QImage& BackBitmap() const { return m_back; }
    HeldKeyRepeat& CtrlRepeat() { return m_ctrlRepeat; }

    // Builds the picture of the current frame and puts it on the canvas.
    void ComposeFrame();
    // One tick of the frame clock.
    void PlayTimerTimer();

    // The positions at the marked frames, and the name proposed for the
    // files of this motion (without extension).
    MeasurementTable Measurements() const;
    QString FileStem() const;
    // The film as a printed worksheet: its name, parameters, marks and
    // measurements.
    Worksheet FilmWorksheet() const;
    // "Imprimer..." (Ctrl+P): the worksheet through the print dialog.
    void ImprimerClick();
    // "Copier les mesures" (Ctrl+Maj+C) and "Enregistrer les mesures...".
    void CopierMesuresClick();
    void EnregistrerMesuresClick();

protected:
    MotionWindow(MotionKind kind, QWidget* parent);

    // The film at its current parameters: all of its worksheet but the
    // film's name, which FilmWorksheet adds.
    virtual Worksheet WorksheetDetails() const = 0;
    // Fills the frame tables and sets the frame count and current frame.
    virtual void ComputeFrames() = 0;
    virtual void DrawBackground(Canvas& canvas) = 0;
    // Origins and WorldScale for the current canvas size.
    virtual void SetScale() = 0;
    // Where a position of the world lies on the canvas (default: world
    // origin at the canvas's top-left, y downward).
    virtual QPoint ToPixel(const FramePos& position) const;

    // The window's size after its minimum-size rule (default: a framed
    // window at least 400 x 300 and never taller than wide).
    virtual QSize EnforcedSize(QSize size) const;
    // Places the canvas and the panels for this client size (default: the
    // canvas above a bottom panel).
    virtual void PlaceControls(QSize client);
    virtual void DrawBeforePoints(Canvas&) { }
    virtual void PaintOverFrame(QPainter&) { }
    // The module's own steps of the show sequence, before the frames are
    // computed, and after the timer is set.
    virtual void PrepareShow() { }
    virtual void FinishShow() { }
    virtual void FinishClose() { }
    // What the picture shows at the current frame, for a screen reader
    // (motion/model/framedescription.h).
    virtual QString FrameDescription() const { return {}; }

    // Canvas placement, scale and, while showing, bitmaps and background.
    void LayoutCanvas();
    // Draws the background again (while showing).
    void RedrawBackground();
    void RestoreBackground();
    void ApplyTraceLock();
    int CanvasWidth() const { return m_canvasSize.width(); }
    int CanvasHeight() const { return m_canvasSize.height(); }

    // The Tab order of a window with the bottom panel, as the eye reads it:
    // the picture, the window's buttons, the frame rate, the traces and
    // then `entries`, the transport.
    void OrderBottomPanelTabs(const QList<QWidget*>& entries);
    // Tab goes through `chain` in this order.
    static void OrderTabs(const QList<QWidget*>& chain);
    static void Place(QWidget* widget, QWidget* parent, int x, int y, int w, int h);

    std::array<FrameTable, 3> m_frames;
    int m_frameCount = 0;
    int m_curFrame = 1;

    PaintBox* Canevas;
    QToolButton* PlayBout;
    QToolButton* StopBout;
    QToolButton* BoucleBout = nullptr;
    QToolButton* DebutBout;
    QToolButton* FinBout;
    QToolButton* ArriereBout;
    QToolButton* AvantBout;
    QToolButton* CloseBout;
    QToolButton* AideBout;
    QToolButton* CopierBout;
    QToolButton* CalcBout;
    QComboBox* IpsCombo;
    std::array<QCheckBox*, 3> TraceChecks{};
    std::array<LegendSquare*, 3> Carres{};
    QTimer* PlayTimer;
    // The copy button's menu, also opened by a right click on the picture.
    QMenu* CopierMenu;
    QWidget* m_bottomPanel = nullptr;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    // Design of the bottom panel of the projectile, wheel and disc windows.
    void BuildBottomPanel(int panelHeight, int canvasTop);
    void CreateCopyMenu();
    void SetHints();
    void RunShowSequence();
    // Play bits at show: the loop follows BoucleFlag where the film has a
    // loop button.
    void ApplyShowPlayFlags();
    void ShowIpsSetting();
    void PaintCanvas(QPainter& painter);
    void DescribePicture();
    void DrawCross(Canvas& canvas, QPoint at) const;
    void DrawMark(Canvas& canvas, QPoint at) const;
    void DrawPoint(Canvas& canvas, int point) const;
    int FrameAfter(int frame) const;
    int FrameBefore(int frame) const;

    void PlayBoutClick();
    void StopBoutClick();
    void BoucleBoutClick();
    void DebutBoutClick();
    void FinBoutClick();
    void ArriereBoutClick();
    void AvantBoutClick();
    void IpsComboChange(int item);
    void TraceCheckClick();
    void CopierBoutClick();
    void AideBoutClick();
    void CalcBoutClick();

    void StopPlaying();
    // Key preview: the window's handling of a key-down before the focused
    // control; true when the key goes no further.
    bool FormKeyDown(const QKeyEvent& event);
    // Space, the arrows, Home and End drive the transport unless an edit
    // box has the focus; true when the key was used.
    bool TransportKey(const QKeyEvent& event);
    bool IsFirstKeyReceiver(QObject* watched) const;
    // Ctrl pressed, repeated by the window system, released; and a Ctrl
    // that will not step (another key came, the window lost the keyboard).
    void CtrlKeyDown(bool autoRepeat);
    void CtrlKeyUp();
    void CancelCtrlStep();
    void CtrlStep();

    MotionTraits m_traits;
    bool m_tickBusy = false;
    bool m_firstShowDone = false;
    bool m_showing = false;
    QImage m_back;
    QImage m_frame;
    // Where the last frame drew over the background (pixels of the
    // picture); none while the picture holds anything else.
    std::optional<std::vector<QRect>> m_frameDamage;
    QSize m_canvasSize;
    int m_canvasTop = 0;
    HeldKeyRepeat m_ctrlRepeat;
    bool m_ctrlAlone = false; // Ctrl is down and no other key came since
    bool m_ctrlStepped = false; // and holding it has stepped already
};
