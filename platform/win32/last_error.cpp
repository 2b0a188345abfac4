#include "platform/last_error.h"

#include <windows.h>

namespace psui::platform {

uint32_t GetLastErrorValue() { return ::GetLastError(); }
void SetLastErrorValue(uint32_t code) { ::SetLastError(code); }

}  // namespace psui::platform
