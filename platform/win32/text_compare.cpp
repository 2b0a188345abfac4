#include "platform/text_compare.h"

#include <windows.h>

namespace psui::platform {

int CompareTextA(const char* a, const char* b) { return lstrcmpA(a, b); }

int CompareTextIgnoringCaseA(const char* a, const char* b) { return lstrcmpiA(a, b); }

}  // namespace psui::platform
