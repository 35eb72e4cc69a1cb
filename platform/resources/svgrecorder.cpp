#include "platform/resources/svgrecorder.h"

#include <QPainter>
#include <QSvgRenderer>

bool RecordSvg(const QByteArray& svg, RecordedPicture& recorded)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || renderer.viewBoxF().isEmpty())
        return false;
    RecordedPicture result;
    result.viewBox = renderer.viewBoxF();
    {
        QPainter painter(&result.picture);
        renderer.render(&painter, result.viewBox);
    }
    recorded = result;
    return true;
}
