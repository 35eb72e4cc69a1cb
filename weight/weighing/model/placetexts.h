// The place texts of the "Lieux" resource: three lines per place, the combo
// item, the name and the detail line written on the globe's caption.
#pragma once

#include <QString>
#include <QStringList>

struct PlaceTexts
{
    QStringList items; // place combo items
    QStringList names; // caption titles
    QStringList details; // caption detail lines

    int Count() const { return int(items.size()); }
    // "" for a place without texts.
    QString Name(int place) const { return place >= 0 && place < names.size() ? names[place] : QString(); }
    QString Detail(int place) const { return place >= 0 && place < details.size() ? details[place] : QString(); }
};

// Reads whole groups of three lines (CR LF or LF separated), at most
// `maxPlaces` of them: a short last group is left out, and so are places
// beyond the table.
PlaceTexts ParsePlaceTexts(const QString& text, int maxPlaces);
