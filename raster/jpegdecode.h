// Decoding of JPEG pictures held in memory (the planet maps among the
// resources), through libjpeg, safe against damaged data.
#pragma once

#include <QByteArray>
#include <QImage>

// The picture as an RGB32 image; a null image when the data is not a whole,
// sound JPEG picture (damaged, truncated, not a JPEG, absurdly large).
QImage DecodeJpeg(const QByteArray& data);
