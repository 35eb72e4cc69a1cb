#include "controls/tapibutton.h"

#include "controls/focuscue.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Room between the face's edge and the caption.
constexpr int kMarginX = 4;
constexpr int kMarginY = 3;

} // namespace

TAPIButton::TAPIButton(const QString& name, QWidget* parent)
    : CaptionControl(name, parent, CaptionBits::PushButton, btnHRight, btnVBottom)
{
    resize(100, 30);
    ApplyStyle();
}

bool TAPIButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void TAPIButton::PaintFace(QPainter& painter)
{
    if (!(m_style & CaptionBits::Flat)) {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
        return;
    }
    // Flat: a plain face in a thin dark frame, darker while pressed; the
    // default button gets a second frame line.
    const QPalette& pal = palette();
    painter.fillRect(rect(), isDown() ? pal.color(QPalette::Midlight) : pal.color(QPalette::Button));
    painter.setPen(pal.color(QPalette::Shadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (isDefault())
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void TAPIButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintFace(painter);

    QRect area = rect().adjusted(kMarginX, kMarginY, -kMarginX, -kMarginY);
    if (isDown())
        area.translate(1, 1);
    const int flags = CaptionTextFlags(m_style, Qt::AlignHCenter);
    DrawCaption(painter, area, text(), flags, palette(), isEnabled());

    if (ShowsFocusCue(this))
        DrawFocusCue(painter, rect().adjusted(3, 3, -4, -4));
}
