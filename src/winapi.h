#pragma once
// The one place that decides how <windows.h> is seen: ANSI entry points,
// Windows XP and later, nothing that is not needed.
#ifdef UNICODE
#error "Varnetto uses the ANSI entry points only"
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#endif
#ifndef WINVER
#define WINVER _WIN32_WINNT
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
