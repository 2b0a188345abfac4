// driver_sim's command line, read by its option table.
#include "tools/driver_sim/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace psui {
namespace {

// Parses the words after the program name.
bool Parse(std::vector<std::string> words, DriverSimOptions* options) {
  std::vector<char*> argv = {const_cast<char*>("driver_sim")};
  for (std::string& word : words) argv.push_back(&word[0]);
  return ParseDriverSimOptions(static_cast<int>(argv.size()), argv.data(), options);
}

TEST(DriverSimOptions, EveryKindOfOptionReachesItsField) {
  DriverSimOptions options;
  ASSERT_TRUE(Parse({"--record", "r.bin", "--answer", "a.bin", "--owner", "0xFFFFFFFF", "--timeout-ms", "250",
                     "--poke28", "--truncate", "12", "--extend", "3", "--topic", "T", "--item", "I",
                     "--no-answer", "--second-record", "s.bin", "--launch", "psui.exe", "--printer-port", "P",
                     "--printer-address", "127.0.0.1", "--press", "quit", "--press-delay-ms", "0"},
                    &options));
  EXPECT_EQ(options.recordFile, "r.bin");
  EXPECT_EQ(options.answerFile, "a.bin");
  EXPECT_EQ(options.ownerWindow, 0xFFFFFFFFu);
  EXPECT_EQ(options.timeoutMs, 250u);
  EXPECT_TRUE(options.poke28);
  EXPECT_EQ(options.truncate, 12u);
  EXPECT_EQ(options.extend, 3u);
  EXPECT_EQ(options.topic, "T");
  EXPECT_EQ(options.item, "I");
  EXPECT_TRUE(options.noAnswer);
  EXPECT_FALSE(options.noPoke);
  EXPECT_EQ(options.secondRecordFile, "s.bin");
  EXPECT_EQ(options.launch, "psui.exe");
  EXPECT_EQ(options.printerPort, "P");
  EXPECT_EQ(options.printerAddress, "127.0.0.1");
  EXPECT_EQ(options.press, "quit");
  EXPECT_EQ(options.pressDelayMs, 0u);
}

TEST(DriverSimOptions, DefaultsStandWhenOptionsAreLeftOut) {
  DriverSimOptions options;
  ASSERT_TRUE(Parse({"--record", "r.bin"}, &options));
  EXPECT_EQ(options.truncate, DriverSimOptions::kWholeFrame);
  EXPECT_EQ(options.timeoutMs, 60000u);
  EXPECT_EQ(options.topic, "DDI");
  EXPECT_EQ(options.item, "Data");
}

TEST(DriverSimOptions, BadCommandLinesAreRefused) {
  const std::vector<std::vector<std::string>> bad = {
      {},                                             // no record
      {"--record"},                                   // a value missing
      {"--record", "r", "--bogus"},                   // unknown
      {"--record", "r", "--owner", "0x100000000"},    // over its maximum
      {"--record", "r", "--timeout-ms", "-1"},        // no sign
      {"--record", "r", "--truncate", "12x"},         // not a number
      {"--record", "r", "--extend", ""},              // empty number
      {"--record", "r", "--launch", "p", "--press", "later"},  // not one of its words
      {"--record", "r", "--printer-address", "1.2.3.4"},       // needs a port
      {"--record", "r", "--script", "s"},                      // needs --launch
      {"--record", "r", "--launch", "p", "--script", "s", "--press", "ok"},  // exclusive
  };
  for (const auto& words : bad) {
    DriverSimOptions options;
    std::string line;
    for (const auto& word : words) line += word + " ";
    EXPECT_FALSE(Parse(words, &options)) << line;
  }
}

}  // namespace
}  // namespace psui
