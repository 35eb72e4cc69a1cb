// Page " Couleurs" of the preferences: the eight motion colours, each with
// its radio button and swatch, their preview and the palette buttons.
#pragma once

#include "shell/preferencessettings.h"

#include <QImage>
#include <QWidget>
#include <array>

class PaintBox;
class QMouseEvent;
class QRadioButton;
class TAPIButton;

class ColorEditorPage : public QWidget
{
    Q_OBJECT

public:
    explicit ColorEditorPage(QWidget* parent = nullptr);

    // On each showing of the dialog: the preview bitmap is made, target 0
    // is chosen and everything is drawn from AppSettings.
    void Begin();
    // On closing: the preview bitmap is released.
    void End();

    int Target() const { return m_target; }
    TColor CurrentColor() const { return m_current; }
    const QImage& Preview() const { return m_preview; }

    // Swatches and preview drawn again from AppSettings.
    void Redraw();

    void ChangerBoutClick();
    void DefautBoutClick();
    void ImpressionBoutClick();

private:
    void buildTargets();
    void buildButtons();
    void selectTarget(int target);
    void swatchReleased(int target, QMouseEvent* event);
    void applyPalette(const ColorSet& colors);

    int m_target = 0;
    TColor m_current = 0;
    QImage m_preview;
    std::array<QRadioButton*, kColorTargetCount> m_radios{};
    std::array<PaintBox*, kColorTargetCount> m_swatches{};
    PaintBox* m_previewBox = nullptr;
};
