// A push button whose caption can wrap over several lines and sit left,
// right or centred, at the top, bottom or middle, with a flat look.
#pragma once

#include "controls/captionstyle.h"

#include <QPushButton>

class TAPIButton : public QPushButton
{
    Q_OBJECT

public:
    // The caption starts as `name`, which is also the object name; the
    // button is 100 x 30 pixels.
    explicit TAPIButton(const QString& name = QString(), QWidget* parent = nullptr);

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

    // The style word rebuilt from the properties at every change.
    std::uint32_t StyleWord() const { return m_style; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void applyStyle();
    void paintFace(QPainter& painter);

    bool m_flat = true;
    bool m_multiline = true;
    TBtnHAlignment m_hAlign = btnHRight;
    TBtnVAlignment m_vAlign = btnVBottom;
    std::uint32_t m_style = CaptionBits::PushButton;
};
