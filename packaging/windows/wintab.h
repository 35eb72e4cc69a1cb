// Qt's Windows plugin includes <wintab.h> for tablets; Debian's Qt source
// leaves that header out, so Wine's (LGPL) stands in for it. Wine's header
// expects the Windows types already declared.
#pragma once
#include "wine-wintab.h"
#include <windows.h>
