#include "controls/tapicheckbox.h"

#include "controls/focuscue.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

constexpr int kBoxSize = 13;
constexpr int kBoxGap = 4; // between the box and its caption

} // namespace

TAPICheckBox::TAPICheckBox(const QString& name, QWidget* parent)
    : CaptionControl(name, parent, CaptionBits::AutoCheckBox, btnHLeft, btnVCenter)
{
    ApplyStyle();
}

void TAPICheckBox::SetAlignment(TLeftRight alignment)
{
    m_alignment = alignment;
    ApplyStyle();
}

void TAPICheckBox::ApplyStyle()
{
    m_style = ApplyLeftTextStyle(m_style, m_alignment);
    CaptionControl::ApplyStyle();
    updateGeometry();
}

int TAPICheckBox::CaptionFlags() const
{
    return CaptionTextFlags(m_style, Qt::AlignLeft);
}

QRect TAPICheckBox::TextArea() const
{
    const int width = std::max(0, this->width() - kBoxSize - kBoxGap);
    const int left = (m_style & CaptionBits::LeftText) ? 0 : kBoxSize + kBoxGap;
    return QRect(left, 0, width, height());
}

// The box stands level with the caption's first line when the caption is
// at the top, with its last line at the bottom, and mid-height otherwise.
QRect TAPICheckBox::BoxRect() const
{
    const int left = (m_style & CaptionBits::LeftText) ? width() - kBoxSize : 0;
    const int lineHeight = fontMetrics().height();
    const QRect caption = CaptionBounds(fontMetrics(), TextArea(), text(), CaptionFlags());
    int top = (height() - kBoxSize) / 2;
    switch (m_style & CaptionBits::VCenter) {
    case CaptionBits::Top: top = caption.top() + (lineHeight - kBoxSize) / 2; break;
    case CaptionBits::Bottom: top = caption.bottom() + 1 - lineHeight + (lineHeight - kBoxSize) / 2; break;
    default: break;
    }
    return QRect(left, top, kBoxSize, kBoxSize);
}

QSize TAPICheckBox::sizeHint() const
{
    const QRect caption = fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), Qt::TextShowMnemonic, text());
    return QSize(kBoxSize + kBoxGap + caption.width() + 1, std::max(kBoxSize, caption.height()) + 2);
}

QSize TAPICheckBox::minimumSizeHint() const
{
    return QSize(kBoxSize, kBoxSize);
}

bool TAPICheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void TAPICheckBox::PaintSquare(QPainter& painter, const QRect& box)
{
    if (!(m_style & CaptionBits::Flat)) {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = box;
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        return;
    }
    // Flat: a white square in a thin dark frame, grey while pressed or
    // disabled, with a three-pixel-thick tick when checked.
    const QPalette& pal = palette();
    const bool light = isEnabled() && !isDown();
    painter.fillRect(box, light ? pal.color(QPalette::Base) : pal.color(QPalette::Button));
    painter.setPen(pal.color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (checkState() == Qt::Unchecked)
        return;
    painter.setPen(isEnabled() ? pal.color(QPalette::Text) : pal.color(QPalette::Dark));
    const int x = box.left();
    const int y = box.top();
    for (int i = 0; i < 3; ++i) {
        painter.drawLine(x + 3, y + 5 + i, x + 5, y + 7 + i);
        painter.drawLine(x + 5, y + 7 + i, x + 9, y + 3 + i);
    }
}

void TAPICheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintSquare(painter, BoxRect());
    const QRect area = TextArea();
    DrawCaption(painter, area, text(), CaptionFlags(), palette(), isEnabled());
    if (ShowsFocusCue(this) && !text().isEmpty())
        DrawFocusCue(
            painter,
            CaptionBounds(fontMetrics(), area, text(), CaptionFlags()).adjusted(-1, 0, 1, 1).intersected(rect()));
}
