// The scene both displays of the visual-field window start from: the night
// sky gradient with the road picture across the whole width.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class TDibPlus;

// The road seen from above ("Route"): loaded when the window shows, drawn
// at whatever width the displays have, its proportions kept.
class RoadPicture
{
public:
    // False, and nothing to draw, when the picture is missing or unreadable.
    bool Load();
    void Release();
    bool IsLoaded() const { return !m_naturalSize.isEmpty(); }

    // The picture at `width` logical pixels across (null when not loaded),
    // drawn at `ratio` device pixels per logical pixel. The last one drawn
    // is kept: a change of height alone does not draw it again.
    QImage RenderedAt(int width, qreal ratio = 1);

private:
    QSize m_naturalSize;
    QImage m_rendered;
};

// Fills `background` with a gradient from dark blue (row 0) toward black
// (below the last row), then draws the road picture across the whole width,
// bottom-aligned: its top may lie above the display. The surface holds
// device pixels at `ratio` per logical pixel.
void BuildBackground(TDibPlus& background, RoadPicture& picture, qreal ratio = 1);
