// The one-line message bar of the kinetic organ: what the control under the
// mouse does, shortened with "..." when the bar is too narrow.
#pragma once

#include <QString>
#include <functional>

// Which control the mouse is over.
enum OrganMessage : int
{
    MessageTubes = 0, // tube display with tubes
    MessageDepart = 1,
    MessageCalc = 2,
    MessageSpeed = 3,
    MessageMasse = 4,
    MessageCopy = 5,
    MessageAide = 6,
    MessageCopyData = 7,
    MessageDel = 8,
    MessageClose = 9,
    MessageTri = 10,
    MessageBench = 11,
    MessageNoTubes = 12, // tube display without tubes
    MessageOptions = 13,
    MessagePred = 14,
    MessageNext = 15,
    MessageElsewhere = 1000,
};

// The text of `code`; the paging messages name the page they lead to. The
// calculator is named "{calculatrice}", for the window to name the one the
// desktop has.
QString MessageText(int code, int page, int pageCount);

// `text` as it fits in `width` by `measure`: whole, or cut one character
// at a time from its end and followed by "...".
QString ShortenToFit(const QString& text, int width, const std::function<int(const QString&)>& measure);
