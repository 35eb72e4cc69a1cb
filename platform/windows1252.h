// Decoding of the Windows-1252 code page in which the program's texts are
// stored.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeWindows1252(const QByteArray& bytes);
