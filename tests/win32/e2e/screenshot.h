#pragma once
// Saves what the screen shows of `window` as a BMP file, for people to look at.
#include <string>

#include "winapi.h"

namespace varnetto::testing {

bool saveScreenshot(HWND window, const std::string& path);

}  // namespace varnetto::testing
