// Qt's Windows plugin includes <wintab.h> for tablets; Debian's Qt source
// leaves that header out, so Wine's (LGPL) stands in for it. Wine's header
// expects the Windows types already declared, and two macros of Wine's own
// windef.h that MinGW's lacks: they pick the A or W name as Windows' headers do.
#pragma once
#include <windows.h>

#ifndef WINELIB_NAME_AW
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif

#include "wine-wintab.h"

// The tablet vendor's header names the calling convention API; Qt uses that name.
#ifndef API
#define API WINAPI
#endif
