// The style word of the caption button and check box (the push-button and
// check-box style bits: multi-line, flat, left text, horizontal and vertical
// place), the caption properties both controls share, and the drawing of a
// caption in the place those bits ask for.
#pragma once

#include <QRect>
#include <QString>
#include <Qt>
#include <cstdint>

class QFontMetrics;
class QPainter;
class QPalette;
class QWidget;

// Horizontal and vertical place of a caption, stored as one byte each.
enum TBtnHAlignment : std::uint8_t
{
    btnHLeft = 0,
    btnHRight = 1,
    btnHCenter = 2
};
enum TBtnVAlignment : std::uint8_t
{
    btnVTop = 0,
    btnVBottom = 1,
    btnVCenter = 2
};
// Check box only: 1 puts the caption to the left of the box, 0 to its right.
using TLeftRight = std::uint8_t;

namespace CaptionBits {
constexpr std::uint32_t PushButton = 0x0000;
constexpr std::uint32_t AutoCheckBox = 0x0003;
constexpr std::uint32_t LeftText = 0x0020;
constexpr std::uint32_t Left = 0x0100;
constexpr std::uint32_t Right = 0x0200;
constexpr std::uint32_t Center = 0x0300;
constexpr std::uint32_t Top = 0x0400;
constexpr std::uint32_t Bottom = 0x0800;
constexpr std::uint32_t VCenter = 0x0C00;
constexpr std::uint32_t Multiline = 0x2000;
constexpr std::uint32_t Flat = 0x8000;
} // namespace CaptionBits

// `style` with its multi-line, flat and place bits rebuilt from the
// properties. A place outside the enumeration leaves its bits clear, which
// draws the caption in the control's default place.
std::uint32_t ApplyCaptionStyle(std::uint32_t style, bool multiline, bool flat, TBtnHAlignment hAlign,
                                TBtnVAlignment vAlign);
// `style` with its left-text bit set for 1 and cleared for any other value.
std::uint32_t ApplyLeftTextStyle(std::uint32_t style, TLeftRight alignment);

// The caption properties of a button or check box `Button`, with the style
// word they are kept in. Every setter stores its value, rebuilds the style
// word and repaints the control.
template <typename Button> class CaptionControl : public Button
{
public:
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat) { Restyle(m_flat, flat); }
    bool Multiline() const { return m_multiline; }
    void SetMultiline(bool multiline) { Restyle(m_multiline, multiline); }
    QString Caption() const { return this->text(); }
    void SetCaption(const QString& caption)
    {
        this->setText(caption);
        ApplyStyle();
    }
    TBtnHAlignment CaptionHAlign() const { return m_hAlign; }
    void SetCaptionHAlign(TBtnHAlignment hAlign) { Restyle(m_hAlign, hAlign); }
    TBtnVAlignment CaptionVAlign() const { return m_vAlign; }
    void SetCaptionVAlign(TBtnVAlignment vAlign) { Restyle(m_vAlign, vAlign); }

    // The style word rebuilt from the properties at every change.
    std::uint32_t StyleWord() const { return m_style; }

protected:
    // The caption starts as `name`, which is also the object name; `kind`
    // is the style word's control kind. The control applies its style once
    // it is built.
    CaptionControl(const QString& name, QWidget* parent, std::uint32_t kind, TBtnHAlignment hAlign,
                   TBtnVAlignment vAlign)
        : Button(parent),
          m_style(kind),
          m_hAlign(hAlign),
          m_vAlign(vAlign)
    {
        this->setObjectName(name);
        this->setText(name);
    }

    virtual void ApplyStyle()
    {
        m_style = ApplyCaptionStyle(m_style, m_multiline, m_flat, m_hAlign, m_vAlign);
        this->update();
    }

    std::uint32_t m_style;

private:
    // Stores a property and rebuilds the style word.
    template <typename T> void Restyle(T& property, T value)
    {
        property = value;
        ApplyStyle();
    }

    bool m_flat = true;
    bool m_multiline = true;
    TBtnHAlignment m_hAlign;
    TBtnVAlignment m_vAlign;
};

// Text flags for a caption drawn with `style`; `defaultH` is the control's
// place when no horizontal bit is set.
int CaptionTextFlags(std::uint32_t style, Qt::Alignment defaultH);

// The rectangle the caption's lines cover once placed inside `area`.
QRect CaptionBounds(const QFontMetrics& metrics, const QRect& area, const QString& text, int flags);

// Draws the caption inside `area`, greyed when the control is disabled.
void DrawCaption(QPainter& painter, const QRect& area, const QString& text, int flags, const QPalette& palette,
                 bool enabled);
