// Records an SVG drawing as Qt draws it, in the coordinates of its view box
// (the build-time half of recordedpicture.h; needs Qt SVG).
#pragma once

#include "platform/resources/recordedpicture.h"

// False, `recorded` untouched, when the SVG cannot be read or has no size.
bool RecordSvg(const QByteArray& svg, RecordedPicture& recorded);
