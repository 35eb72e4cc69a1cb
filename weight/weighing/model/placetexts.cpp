#include "weight/weighing/model/placetexts.h"

PlaceTexts ParsePlaceTexts(const QString& text, int maxPlaces)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    // The separator after the last line opens no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    PlaceTexts texts;
    for (qsizetype first = 0; first + 2 < lines.size() && texts.Count() < maxPlaces; first += 3) {
        texts.items << lines[first];
        texts.names << lines[first + 1];
        texts.details << lines[first + 2];
    }
    return texts;
}
