#include "pages/printer_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

namespace psui {
namespace {

class PrinterOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&record_, 0, sizeof record_);
    std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), queries_);
    for (size_t i = 0; i < kInstalledOptionCount; ++i) queries_[i].value = 1;
    // Everything the driver may have sent as fitted.
    std::memset(GroupBytes(record_, kOptionFlagGroup), 1, kOptionFlagGroup.size);
    for (OverlayEntry& overlay : record_.overlays) overlay.enabled = 1;
    SetFieldText(record_.rgbSourceProfileName, "sRGB");
    SetFieldText(record_.simulationProfileName, "Nessuno");
    SetFieldText(record_.destinationProfileName, "Nessuno");
  }
  void Entry(int number, int32_t value) { queries_[number - 1].value = value; }

  SettingsBlock record_;
  OptionQuery queries_[kInstalledOptionCount + 1];
};

TEST_F(PrinterOptions, FlagsFollowTheReportedEntries) {
  ApplyPrinterOptions(record_, queries_);
  EXPECT_EQ(+record_.hardDiskInstalled, 1);
  EXPECT_EQ(+record_.duplexerInstalled, 1);
  EXPECT_EQ(+record_.stackerInstalled, 1);
  EXPECT_EQ(+record_.multiResInstalled, 0);  // entry 4 must be greater than 1
  EXPECT_EQ(+record_.bin1Installed, 1);
  EXPECT_EQ(+record_.bin2Installed, 1);
  EXPECT_EQ(+record_.manualFeedInstalled, 1);

  Entry(4, 2);
  Entry(5, -1);
  Entry(6, -1);
  Entry(8, -2);  // any value but -1 counts as fitted
  Entry(9, -1);
  Entry(10, 0);
  ApplyPrinterOptions(record_, queries_);
  EXPECT_EQ(+record_.multiResInstalled, 1);
  EXPECT_EQ(+record_.duplexerInstalled, 0);
  EXPECT_EQ(+record_.stackerInstalled, 0);
  EXPECT_EQ(+record_.bin1Installed, 1);
  EXPECT_EQ(+record_.bin2Installed, 0);
  EXPECT_EQ(+record_.manualFeedInstalled, 1);
}

TEST_F(PrinterOptions, FlagsThePrinterCannotReportAreClearedOrKept) {
  ApplyPrinterOptions(record_, queries_);
  EXPECT_EQ(+record_.bin3Installed, 0);
  EXPECT_EQ(+record_.bin4Installed, 0);
  EXPECT_EQ(+record_.bin5Installed, 0);
  EXPECT_EQ(+record_.mailboxInstalled, 0);
  const uint8_t zero[4] = {};
  EXPECT_EQ(std::memcmp(record_.spareOptions, zero, 4), 0);
  // Never reported, so the driver's values stay.
  EXPECT_EQ(+record_.envelopeFeederInstalled, 1);
  EXPECT_EQ(+record_.finisherInstalled, 1);
  // Nothing outside the option flags changes when a disk is reported.
  EXPECT_EQ(+record_.overlays[2].enabled, 1);
  EXPECT_EQ(FieldText(record_.rgbSourceProfileName), "sRGB");
}

TEST_F(PrinterOptions, ADiskSwitchesCollateOnOnlyOnce) {
  record_.collate = 0;
  record_.collateDefaulted = 0;
  ApplyPrinterOptions(record_, queries_);
  EXPECT_EQ(+record_.collate, 1);
  EXPECT_EQ(+record_.collateDefaulted, 1);

  record_.collate = 0;  // the user switched it off again
  ApplyPrinterOptions(record_, queries_);
  EXPECT_EQ(+record_.collate, 0);
}

TEST_F(PrinterOptions, NoStorageEntryMeansNoDiskAndTheDiskSettingsGoBack) {
  Entry(3, -1);
  record_.collate = 1;
  record_.collateDefaulted = 1;
  record_.rgbSourceMode = 1;
  record_.colorPreset = 13;
  record_.destinationProfileId = 4;
  record_.simulationProfileId = 5;
  ApplyPrinterOptions(record_, queries_);
  EXPECT_EQ(+record_.hardDiskInstalled, 0);
  for (const OverlayEntry& overlay : record_.overlays) EXPECT_EQ(+overlay.enabled, 0);
  EXPECT_EQ(FieldText(record_.rgbSourceProfileName), "Nessuno");
  EXPECT_EQ(FieldText(record_.simulationProfileName), "Nessuno");
  EXPECT_EQ(FieldText(record_.destinationProfileName), "Nessuno");
  EXPECT_EQ(+record_.rgbSourceMode, 0);
  EXPECT_EQ(+record_.graphicsIntent, 2);
  EXPECT_EQ(+record_.imageIntent, 3);
  EXPECT_EQ(+record_.colorPreset, 1);
  EXPECT_EQ(+record_.destinationProfileId, 0);
  EXPECT_EQ(+record_.simulationProfileId, 0);
  // collate and its latch are left as they were without a disk.
  EXPECT_EQ(+record_.collate, 1);
  EXPECT_EQ(+record_.collateDefaulted, 1);
}

TEST_F(PrinterOptions, ResettingKeepsThePresetWhenNothingChanges) {
  SetFieldText(record_.rgbSourceProfileName, "Nessuno");
  record_.rgbSourceMode = 0;
  record_.colorPreset = 13;
  record_.graphicsIntent = 7;
  ResetDiskDependentSettings(record_);
  EXPECT_EQ(+record_.colorPreset, 13);
  EXPECT_EQ(+record_.graphicsIntent, 7);  // only touched when the mode was custom

  // The comparison is exact: another spelling is a real name.
  SetFieldText(record_.destinationProfileName, "nessuno");
  ResetDiskDependentSettings(record_);
  EXPECT_EQ(+record_.colorPreset, 1);
  EXPECT_EQ(FieldText(record_.destinationProfileName), "Nessuno");
}

TEST_F(PrinterOptions, NamesWithoutTheirNulAreResetWithinTheirField) {
  std::memset(record_.rgbSourceProfileName, 'A', sizeof record_.rgbSourceProfileName);
  int16_t after = record_.rgbSourceProfileId;
  ResetDiskDependentSettings(record_);
  EXPECT_EQ(FieldText(record_.rgbSourceProfileName), "Nessuno");
  EXPECT_EQ(+record_.rgbSourceProfileId, after);
}

TEST_F(PrinterOptions, AShortListCountsTheMissingEntriesAsNotReported) {
  OptionQuery shortList[] = {{".1.3.6.1.2.1.1.1.0", nullptr, 0, 5, -1},
                             {".1.3.6.1.2.1.1.1.0", nullptr, 0, 5, -1},
                             {".1.3.6.1.2.1.1.1.0", nullptr, 0, 5, -1},
                             {nullptr, nullptr, 0, 0, 0}};
  ApplyPrinterOptions(record_, shortList);
  EXPECT_EQ(+record_.hardDiskInstalled, 1);
  EXPECT_EQ(+record_.duplexerInstalled, 0);
  EXPECT_EQ(+record_.manualFeedInstalled, 0);
}

}  // namespace
}  // namespace psui
