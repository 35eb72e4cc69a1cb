// Page " Couleurs" of the preferences: the eight motion colours, each with
// its radio button and swatch, their preview and the palette buttons; the
// colours it edits, their two palettes and the backup "Annuler" restores.
#pragma once

#include "app/settings/appsettings.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <span>

class PaintBox;
class QMouseEvent;
class QRadioButton;
class TAPIButton;

constexpr int kColorTargetCount = 8;

// One colour of the motion modules that the colour editor changes.
struct ColorTarget
{
    const char* caption; // UTF-8, exact
    TColor AppSettingsRecord::*setting;
};
std::span<const ColorTarget> ColorTargets();

// The eight editable colours, in the order of ColorTargets().
using ColorSet = std::array<TColor, kColorTargetCount>;
ColorSet ReadColors(const AppSettingsRecord& settings);
void WriteColors(AppSettingsRecord& settings, const ColorSet& colors);

// The settings store's own defaults, and a palette for white paper.
ColorSet DefaultColors();
ColorSet PrintColors();

// The target's setting, or nullptr outside 0..7.
TColor* ColorSetting(AppSettingsRecord& settings, int target);

// Asks for a colour, starting from `initial`; nothing when cancelled.
using ColorChooser = std::function<std::optional<TColor>(TColor initial, QWidget* parent)>;
// The platform colour dialog unless a test has put something else here.
extern ColorChooser ChooseColor;
std::optional<TColor> ChooseColorWithDialog(TColor initial, QWidget* parent);

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
    void BuildTargets();
    void BuildButtons();
    void SelectTarget(int target);
    void SwatchReleased(int target, QMouseEvent* event);
    void ApplyPalette(const ColorSet& colors);

    int m_target = 0;
    TColor m_current = 0;
    QImage m_preview;
    std::array<QRadioButton*, kColorTargetCount> m_radios{};
    std::array<PaintBox*, kColorTargetCount> m_swatches{};
    PaintBox* m_previewBox = nullptr;
};
