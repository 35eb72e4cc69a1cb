// The texts of the about box: its scientific events ("Events") and its
// credits ("Generique"), read from the program's resources.
#pragma once

#include "raster/placerecord.h"

#include <QString>
#include <QStringList>
#include <vector>

// One event: what the globe shows (fields 1 to 7) and the four texts.
struct AboutEvent
{
    PlaceRecord record; // Picture, Marked, MarkRadius, MarkX, MarkY, Tilt, Turn
    QString place;
    QString date;
    QString title;
    QString account;
};

// Events of a decoded text: lines beginning with "//" are comments and
// empty lines are skipped; every other line holds eleven fields separated
// by "|", the first seven integers (leading and trailing spaces allowed).
// A line that does not is left out rather than shown half read.
std::vector<AboutEvent> ParseAboutEvents(const QString& text);

// The program's events, from its "Events" resource.
std::vector<AboutEvent> LoadAboutEvents();

// Lines of a decoded text ended by CR LF (a last line without its end
// counts too).
QStringList SplitCrLfLines(const QString& text);

// The program's credit lines, from its "Generique" resource; line 15 ends
// with the program's title.
QStringList LoadCreditLines();

// Credit line (0-based) that the program's title completes.
constexpr int kTitledCreditLine = 14;
