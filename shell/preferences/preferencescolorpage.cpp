#include "shell/preferences/preferencescolorpage.h"

#include "canvas/canvas.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "controls/tapibutton.h"
#include "shell/preferences/preferencesdrawing.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

ColorChooser ChooseColor = ChooseColorWithDialog;

namespace {

using S = AppSettingsRecord;

const ColorTarget kColorTargets[kColorTargetCount] = {
    {" Marqueur coloré A", &S::clTraceA},         {" Marqueur coloré B", &S::clTraceB},
    {" Marqueur coloré C", &S::clTraceC},         {" Fond de l'écran", &S::clFond},
    {" Objets ( roue, disque... )", &S::clObjet}, {" Contour des objets", &S::clContour},
    {" Texte, règles...", &S::clTexte},           {" Cadre de l'écran de travail", &S::clCadre},
};

constexpr int kRowTop = 10;
constexpr int kRowStep = 24;
constexpr int kSwatchLeft = 8;
constexpr int kRadioLeft = 30;
constexpr int kPreviewLeft = 205;
constexpr int kPreviewTop = 8;

TAPIButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* button = new TAPIButton(QString::fromLatin1(name), parent);
    button->SetCaption(caption);
    button->SetCaptionHAlign(btnHCenter);
    button->SetCaptionVAlign(btnVCenter);
    button->setGeometry(kPreviewLeft, top, kPreviewSize.width(), 25);
    return button;
}

} // namespace

std::span<const ColorTarget> ColorTargets()
{
    return kColorTargets;
}

ColorSet ReadColors(const AppSettingsRecord& settings)
{
    ColorSet colors{};
    std::transform(std::begin(kColorTargets), std::end(kColorTargets), colors.begin(),
                   [&](const ColorTarget& target) { return settings.*target.setting; });
    return colors;
}

void WriteColors(AppSettingsRecord& settings, const ColorSet& colors)
{
    for (int i = 0; i < kColorTargetCount; ++i)
        settings.*kColorTargets[i].setting = colors[i];
}

ColorSet DefaultColors()
{
    return ReadColors(AppSettingsRecord{});
}

ColorSet PrintColors()
{
    AppSettingsRecord paper;
    paper.clFond = 0xFFFFFF;
    paper.clTraceA = 0x000000;
    paper.clTraceB = 0x808080;
    paper.clTraceC = 0xC0C0C0;
    paper.clObjet = 0xFFFFFF;
    paper.clContour = 0x000000;
    paper.clTexte = 0x000000;
    paper.clCadre = 0x808080;
    return ReadColors(paper);
}

TColor* ColorSetting(AppSettingsRecord& settings, int target)
{
    if (target < 0 || target >= kColorTargetCount)
        return nullptr;
    return &(settings.*kColorTargets[target].setting);
}

std::optional<TColor> ChooseColorWithDialog(TColor initial, QWidget* parent)
{
    const QColor chosen
        = QColorDialog::getColor(QColorFromCanvas(initial), parent, QStringLiteral(" Choisir une couleur"));
    if (!chosen.isValid())
        return std::nullopt;
    return CanvasFromQColor(chosen);
}

ColorEditorPage::ColorEditorPage(QWidget* parent)
    : QWidget(parent)
{
    BuildTargets();
    BuildButtons();
}

void ColorEditorPage::BuildTargets()
{
    const auto targets = ColorTargets();
    for (int i = 0; i < kColorTargetCount; ++i) {
        const int top = kRowTop + i * kRowStep;
        auto* radio = new QRadioButton(QString::fromUtf8(targets[i].caption), this);
        radio->setObjectName(QStringLiteral("ColorRadio%1").arg(i));
        radio->setGeometry(kRadioLeft, top, 170, 18);
        connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                SelectTarget(i);
        });
        m_radios[i] = radio;

        const auto paintSwatch = [this, i](QPainter& painter) {
            // A paint box paints every pixel itself: the rounded corners
            // take the page's colour, not what the screen held before.
            painter.fillRect(painter.window(), palette().window());
            painter.setPen(Qt::black);
            painter.setBrush(QColorFromCanvas(*ColorSetting(AppSettings, i)));
            painter.drawRoundedRect(QRect(0, 0, 15, 11), 3, 3);
        };
        auto* swatch
            = new PaintBox(this, QStringLiteral("ColorBox%1").arg(i), QRect(kSwatchLeft, top + 3, 16, 12), paintSwatch);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setAccessibleName(QStringLiteral("Couleur :") + QString::fromUtf8(targets[i].caption));
        connect(swatch, &PaintBox::MouseReleased, this, [this, i](QMouseEvent* event) { SwatchReleased(i, event); });
        m_swatches[i] = swatch;
    }
}

void ColorEditorPage::BuildButtons()
{
    const auto paintPreview = [this](QPainter& painter) {
        if (!m_preview.isNull() && m_preview.devicePixelRatio() != m_previewBox->devicePixelRatioF()) {
            m_preview = NewPicture(kPreviewSize, m_previewBox->devicePixelRatioF());
            DrawColorPreview(m_preview, AppSettings, ProgramTitle());
        }
        if (!m_preview.isNull())
            painter.drawImage(0, 0, m_preview);
    };
    m_previewBox = new PaintBox(this, QStringLiteral("PreviewBox"),
                                QRect(QPoint(kPreviewLeft, kPreviewTop), kPreviewSize), paintPreview);

    const int top = kPreviewTop + kPreviewSize.height() + 10;
    connect(MakeButton(this, "ChangerBout", QStringLiteral("&Changer..."), top), &TAPIButton::clicked, this,
            &ColorEditorPage::ChangerBoutClick);
    connect(MakeButton(this, "DefautBout", QStringLiteral("Couleurs par &défaut"), top + 32), &TAPIButton::clicked,
            this, &ColorEditorPage::DefautBoutClick);
    connect(MakeButton(this, "ImpressionBout", QStringLiteral("&Adapter à l'impression"), top + 64),
            &TAPIButton::clicked, this, &ColorEditorPage::ImpressionBoutClick);
}

void ColorEditorPage::Begin()
{
    m_preview = NewPicture(kPreviewSize, m_previewBox->devicePixelRatioF());
    if (m_radios[0]->isChecked())
        SelectTarget(0);
    else
        m_radios[0]->setChecked(true);
    Redraw();
}

void ColorEditorPage::End()
{
    m_preview = QImage();
}

void ColorEditorPage::Redraw()
{
    for (PaintBox* swatch : m_swatches)
        swatch->update();
    if (!m_preview.isNull())
        DrawColorPreview(m_preview, AppSettings, ProgramTitle());
    m_previewBox->update();
}

void ColorEditorPage::SelectTarget(int target)
{
    m_target = target;
    m_current = *ColorSetting(AppSettings, target);
}

void ColorEditorPage::SwatchReleased(int target, QMouseEvent* event)
{
    if (!m_swatches[target]->rect().contains(event->position().toPoint()))
        return;
    m_radios[target]->setChecked(true);
    window()->update();
    ChangerBoutClick();
}

void ColorEditorPage::ChangerBoutClick()
{
    // A cancelled dialog leaves the setting as it was.
    if (const std::optional<TColor> chosen = ChooseColor(m_current, window())) {
        m_current = *chosen;
        *ColorSetting(AppSettings, m_target) = m_current;
    }
    Redraw();
}

void ColorEditorPage::DefautBoutClick()
{
    ApplyPalette(DefaultColors());
}

void ColorEditorPage::ImpressionBoutClick()
{
    ApplyPalette(PrintColors());
}

void ColorEditorPage::ApplyPalette(const ColorSet& colors)
{
    WriteColors(AppSettings, colors);
    Redraw();
    m_current = *ColorSetting(AppSettings, m_target);
}
