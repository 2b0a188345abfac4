// The frame layouts shared by the channel, driver_sim and settings_tool.
#include "exchange/frames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace psui {
namespace {

SettingsBlock NumberedRecord() {
  SettingsBlock record;
  auto* bytes = reinterpret_cast<uint8_t*>(&record);
  for (size_t i = 0; i < kSettingsBlockSize; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return record;
}

TEST(Frames, TheStartFrameCarriesLengthCommandZeroWindowAndRecord) {
  SettingsBlock record = NumberedRecord();
  std::vector<uint8_t> frame = BuildStartFrame(0x80001234u, record);
  ASSERT_EQ(frame.size(), 1446u);
  const uint8_t header[12] = {0xA6, 0x05, 0, 0, 0, 0, 0, 0, 0x34, 0x12, 0x00, 0x80};
  EXPECT_EQ(std::memcmp(frame.data(), header, sizeof header), 0);
  EXPECT_EQ(std::memcmp(frame.data() + 12, &record, kSettingsBlockSize), 0);
  EXPECT_EQ(ClassifyFrame(frame.data(), frame.size()), FrameKind::kStart);

  uint32_t window = 0;
  SettingsBlock read{};
  ASSERT_TRUE(ReadRecordFrame(frame.data(), frame.size(), &window, &read));
  EXPECT_EQ(window, 0x80001234u);
  EXPECT_EQ(std::memcmp(&read, &record, kSettingsBlockSize), 0);
  EXPECT_FALSE(ReadRecordFrame(frame.data(), frame.size() - 1, &window, &read));
}

TEST(Frames, TheAnswersAreTheSettingsFrameAndTheEightByteCancel) {
  SettingsBlock record = NumberedRecord();
  std::vector<uint8_t> ok = BuildSettingsFrame(record);
  ASSERT_EQ(ok.size(), 1446u);
  EXPECT_EQ(GetLe32(ok.data() + 4), 1u);
  EXPECT_EQ(GetLe32(ok.data() + 8), 0u);
  EXPECT_EQ(ClassifyFrame(ok.data(), ok.size()), FrameKind::kSettings);
  EXPECT_EQ(std::memcmp(ok.data() + 12, &record, kSettingsBlockSize), 0);

  std::vector<uint8_t> cancel = BuildCancelFrame();
  EXPECT_EQ(cancel, (std::vector<uint8_t>{8, 0, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(ClassifyFrame(cancel.data(), cancel.size()), FrameKind::kCancel);
}

// Whatever the driver sends, reserved bytes and texts without NUL included,
// comes back in the answer byte for byte.
TEST(Frames, ArbitraryRecordBytesCrossBothFramesUnchanged) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 50; ++round) {
    std::vector<uint8_t> wire(kSettingsBlockSize);
    for (auto& b : wire) b = static_cast<uint8_t>(random());
    SettingsBlock sent;
    std::memcpy(&sent, wire.data(), wire.size());
    std::vector<uint8_t> start = BuildStartFrame(7, sent);
    SettingsBlock received;
    ASSERT_TRUE(ReadRecordFrame(start.data(), start.size(), nullptr, &received));
    std::vector<uint8_t> answer = BuildSettingsFrame(received);
    ASSERT_EQ(std::vector<uint8_t>(answer.begin() + 12, answer.end()), wire) << "round " << round;
  }
}

TEST(Frames, AFrameWhoseFieldsDisagreeIsNeitherAnswer) {
  SettingsBlock record = NumberedRecord();
  std::vector<uint8_t> ok = BuildSettingsFrame(record);
  PutLe32(ok.data() + 8, 5);  // a window handle in an answer
  EXPECT_EQ(ClassifyFrame(ok.data(), ok.size()), FrameKind::kOther);
  PutLe32(ok.data() + 8, 0);
  PutLe32(ok.data(), 1445);  // length field not the size
  EXPECT_EQ(ClassifyFrame(ok.data(), ok.size()), FrameKind::kOther);
  std::vector<uint8_t> cancel = BuildCancelFrame();
  cancel[4] = 1;
  EXPECT_EQ(ClassifyFrame(cancel.data(), cancel.size()), FrameKind::kOther);
  EXPECT_EQ(ClassifyFrame(cancel.data(), 4), FrameKind::kOther);
  EXPECT_EQ(ClassifyFrame(nullptr, 0), FrameKind::kOther);
}

}  // namespace
}  // namespace psui
