// One measuring column under its globe: the object's picture standing on
// the scale, drawn on black.
#pragma once

#include "weight/weighing/weighingscaleface.h"

#include <QImage>
#include <QSize>

// The picture of the chosen object, drawn at the size it takes in a column.
class ObjectPicture
{
public:
    // Loads the object's drawing; none for index 0 or a missing picture.
    void Load(int object);
    void Clear();
    // Sizes the picture for a column `zoneHeight` high: 70 pixels shorter
    // than the column, narrowed to the column's width if need be, in the
    // drawing's proportions; drawn at `ratio` device pixels per pixel.
    void Fit(int zoneHeight, qreal ratio = 1);

    bool Present() const { return !m_image.isNull(); }
    // The logical size.
    QSize Size() const { return m_size; }
    const QImage& Image() const { return m_image; }

private:
    QString m_name;
    QSize m_natural;
    QSize m_size;
    QImage m_image;
};

// Draws column `zone` (its whole image, at its ratio): black, and when a place is chosen
// the scale reading `shownWeight` at the bottom with the object on it.
void ComposeZone(QImage& zone, bool placeChosen, double shownWeight, const ScaleFace& face,
                 const ObjectPicture& picture);
