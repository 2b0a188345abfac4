#include "exchange/frames.h"

#include <cstring>

namespace psui {

void PutLe32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetLe32(const uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

namespace {

std::vector<uint8_t> RecordFrame(uint32_t command, uint32_t window, const SettingsBlock& record) {
  std::vector<uint8_t> frame(kStartFrameSize);
  PutLe32(frame.data() + kFrameLengthOffset, kStartFrameSize);
  PutLe32(frame.data() + kFrameCommandOffset, command);
  PutLe32(frame.data() + kFrameWindowOffset, window);
  std::memcpy(frame.data() + kFrameRecordOffset, &record, kSettingsBlockSize);
  return frame;
}

}  // namespace

std::vector<uint8_t> BuildStartFrame(uint32_t window, const SettingsBlock& record) {
  return RecordFrame(kCommandStart, window, record);
}

std::vector<uint8_t> BuildSettingsFrame(const SettingsBlock& record) {
  return RecordFrame(kCommandSettingsAccepted, 0, record);
}

std::vector<uint8_t> BuildCancelFrame() {
  std::vector<uint8_t> frame(kCancelFrameSize);
  PutLe32(frame.data() + kFrameLengthOffset, kCancelFrameSize);
  PutLe32(frame.data() + kFrameCommandOffset, kCommandCancelled);
  return frame;
}

FrameKind ClassifyFrame(const uint8_t* bytes, size_t size) {
  if (size < kCancelFrameSize || GetLe32(bytes + kFrameLengthOffset) != size) return FrameKind::kOther;
  uint32_t command = GetLe32(bytes + kFrameCommandOffset);
  if (size == kCancelFrameSize) return command == kCommandCancelled ? FrameKind::kCancel : FrameKind::kOther;
  if (size != kStartFrameSize) return FrameKind::kOther;
  if (command == kCommandStart) return FrameKind::kStart;
  if (command == kCommandSettingsAccepted && GetLe32(bytes + kFrameWindowOffset) == 0) {
    return FrameKind::kSettings;
  }
  return FrameKind::kOther;
}

bool ReadRecordFrame(const uint8_t* bytes, size_t size, uint32_t* window, SettingsBlock* record) {
  if (size != kStartFrameSize) return false;
  if (window) *window = GetLe32(bytes + kFrameWindowOffset);
  if (record) std::memcpy(record, bytes + kFrameRecordOffset, kSettingsBlockSize);
  return true;
}

}  // namespace psui
