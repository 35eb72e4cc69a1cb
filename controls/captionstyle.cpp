#include "controls/captionstyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace {

std::uint32_t HorizontalBits(TBtnHAlignment hAlign)
{
    switch (hAlign) {
    case btnHLeft: return CaptionBits::Left;
    case btnHRight: return CaptionBits::Right;
    case btnHCenter: return CaptionBits::Center;
    }
    return 0;
}

std::uint32_t VerticalBits(TBtnVAlignment vAlign)
{
    switch (vAlign) {
    case btnVTop: return CaptionBits::Top;
    case btnVBottom: return CaptionBits::Bottom;
    case btnVCenter: return CaptionBits::VCenter;
    }
    return 0;
}

std::uint32_t WithBit(std::uint32_t style, std::uint32_t bit, bool on)
{
    return on ? (style | bit) : (style & ~bit);
}

} // namespace

std::uint32_t ApplyCaptionStyle(std::uint32_t style, bool multiline, bool flat, TBtnHAlignment hAlign,
                                TBtnVAlignment vAlign)
{
    style = WithBit(style, CaptionBits::Multiline, multiline);
    style = WithBit(style, CaptionBits::Flat, flat);
    style = (style & ~CaptionBits::Center) | HorizontalBits(hAlign);
    style = (style & ~CaptionBits::VCenter) | VerticalBits(vAlign);
    return style;
}

std::uint32_t ApplyLeftTextStyle(std::uint32_t style, TLeftRight alignment)
{
    return WithBit(style, CaptionBits::LeftText, alignment == 1);
}

int CaptionTextFlags(std::uint32_t style, Qt::Alignment defaultH)
{
    int flags = Qt::TextShowMnemonic;
    switch (style & CaptionBits::Center) {
    case CaptionBits::Left: flags |= Qt::AlignLeft; break;
    case CaptionBits::Right: flags |= Qt::AlignRight; break;
    case CaptionBits::Center: flags |= Qt::AlignHCenter; break;
    default: flags |= int(defaultH);
    }
    switch (style & CaptionBits::VCenter) {
    case CaptionBits::Top: flags |= Qt::AlignTop; break;
    case CaptionBits::Bottom: flags |= Qt::AlignBottom; break;
    default: flags |= Qt::AlignVCenter;
    }
    flags |= (style & CaptionBits::Multiline) ? Qt::TextWordWrap : Qt::TextSingleLine;
    return flags;
}

QRect CaptionBounds(const QFontMetrics& metrics, const QRect& area, const QString& text, int flags)
{
    return metrics.boundingRect(area, flags, text);
}

void DrawCaption(QPainter& painter, const QRect& area, const QString& text, int flags, const QPalette& palette,
                 bool enabled)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    if (!enabled) {
        // The engraved look of a disabled caption: light copy, then grey.
        painter.setPen(palette.color(QPalette::Light));
        painter.drawText(area.translated(1, 1), flags, text);
        painter.setPen(palette.color(QPalette::Disabled, QPalette::WindowText));
    } else {
        painter.setPen(palette.color(QPalette::ButtonText));
    }
    painter.drawText(area, flags, text);
    painter.restore();
}
