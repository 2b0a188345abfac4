// The frames the driver and this process exchange, all little-endian:
//   start frame (driver -> psui) and settings answer (OK):
//     length u32 (1446), command u32, window handle u32, the 1434-byte record
//   cancel answer: length u32 (8), command u32 (2)
// The DDE channel, driver_sim and settings_tool all build and read them here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "exchange/settings_block.h"

namespace psui {

constexpr size_t kFrameLengthOffset = 0;
constexpr size_t kFrameCommandOffset = 4;
constexpr size_t kFrameWindowOffset = 8;
constexpr size_t kFrameRecordOffset = 12;

constexpr uint32_t kStartFrameSize = kFrameRecordOffset + kSettingsBlockSize;  // 1446
constexpr uint32_t kCancelFrameSize = 8;
// The driver may poke a short frame of this size first; it is ignored.
constexpr uint32_t kIgnoredPokeSize = 28;

constexpr uint32_t kCommandStart = 0;
constexpr uint32_t kCommandSettingsAccepted = 1;
constexpr uint32_t kCommandCancelled = 2;

void PutLe32(uint8_t* at, uint32_t value);
uint32_t GetLe32(const uint8_t* at);

// The driver's start frame: its window handle (32 bits) and the record.
std::vector<uint8_t> BuildStartFrame(uint32_t window, const SettingsBlock& record);
// The answer to OK: command 1, window 0, the edited record.
std::vector<uint8_t> BuildSettingsFrame(const SettingsBlock& record);
// The answer to Cancel.
std::vector<uint8_t> BuildCancelFrame();

enum class FrameKind {
  kStart,     // 1446 bytes, command 0
  kSettings,  // 1446 bytes, command 1, window 0
  kCancel,    // 8 bytes, command 2
  kOther,     // anything else
};

// What a received frame is; its length field must match its size.
FrameKind ClassifyFrame(const uint8_t* bytes, size_t size);

// The window handle and record of a 1446-byte frame; false for another size.
bool ReadRecordFrame(const uint8_t* bytes, size_t size, uint32_t* window, SettingsBlock* record);

}  // namespace psui
