// The hints of the tip of the day: the "TIPS" text read into a list and
// the numbering shown above each hint.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One hint per line of a Windows-1252 text whose lines end with CR LF,
// up to a line holding exactly "FIN" (or the end of the text).
QStringList ParseTipLines(const QByteArray& bytes);

// The program's hints, from its "TIPS" resource.
QStringList LoadTipList();

// "Astuce n° 3 sur 17" for the index 2 of 17 hints.
QString TipNumberText(int index, int count);
