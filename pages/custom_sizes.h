// "CustomSizes": the custom paper size as the driver reads it from the
// printer's registry key, written whenever the Paper page is left and when
// the custom size dialog saves.
#pragma once

#include <array>
#include <cstdint>

#include "exchange/settings_block.h"

namespace psui {

constexpr size_t kCustomSizesSize = 80;
using CustomSizesValue = std::array<uint8_t, kCustomSizesSize>;

// A size in millimetres times 100, cut toward zero, as a 32-bit integer:
// beyond the range it saturates, NaN gives 0 (the sizes come from the driver).
int32_t HundredthsOfMillimetre(float millimetres);

// The 80 bytes: the name "Formato carta personalizzato" zero-filled to 64
// bytes, width and height times 100, then 1, 0 and 258.
CustomSizesValue MakeCustomSizesValue(float width, float height);

// Writes the value "CustomSizes" (REG_BINARY) under the printer's key +
// "\PrinterDriverData", creating the key when missing. Registry errors are
// ignored: the sheet goes on without the value.
void WriteCustomSizes(const SettingsBlock& record);

}  // namespace psui
