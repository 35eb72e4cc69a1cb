// A check box whose caption can wrap over several lines, sit left, right or
// centred, at the top, bottom or middle, on either side of a flat box.
#pragma once

#include "controls/captionstyle.h"

#include <QCheckBox>

class TAPICheckBox : public QCheckBox
{
    Q_OBJECT

public:
    // The caption starts as `name`, which is also the object name.
    explicit TAPICheckBox(const QString& name = QString(), QWidget* parent = nullptr);

    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool Multiline() const { return m_multiline; }
    void SetMultiline(bool multiline);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    TBtnHAlignment CaptionHAlign() const { return m_hAlign; }
    void SetCaptionHAlign(TBtnHAlignment hAlign);
    TBtnVAlignment CaptionVAlign() const { return m_vAlign; }
    void SetCaptionVAlign(TBtnVAlignment vAlign);

    std::uint32_t StyleWord() const { return m_style; }

    // Where the box and the caption's text area lie in the control.
    QRect BoxRect() const;
    QRect TextArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void applyStyle();
    int captionFlags() const;
    void paintBox(QPainter& painter, const QRect& box);

    TLeftRight m_alignment = 0;
    bool m_flat = true;
    bool m_multiline = true;
    TBtnHAlignment m_hAlign = btnHLeft;
    TBtnVAlignment m_vAlign = btnVCenter;
    std::uint32_t m_style = CaptionBits::AutoCheckBox;
};
