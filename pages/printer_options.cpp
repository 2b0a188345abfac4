#include "pages/printer_options.h"

#include <cstring>

namespace psui {

namespace {

constexpr const char kNoProfile[] = "Nessuno";

// The first value of entry `number` (from 1), or -1 past the list's end.
int32_t EntryValue(const OptionQuery* queries, int number) {
  for (int i = 0; i < number; ++i) {
    if (queries[i].oidText == nullptr) return -1;
  }
  return queries[number - 1].value;
}

template <size_t N>
bool ResetProfileName(char (&field)[N]) {
  if (FieldText(field) == kNoProfile) return false;
  SetFieldText(field, kNoProfile);
  return true;
}

}  // namespace

void ResetDiskDependentSettings(SettingsBlock& record) {
  for (OverlayEntry& overlay : record.overlays) overlay.enabled = 0;
  if (record.rgbSourceMode != 0) {
    record.rgbSourceMode = 0;
    record.graphicsIntent = 2;
    record.imageIntent = 3;
  }
  record.destinationProfileId = 0;
  record.simulationProfileId = 0;
  // The colour preset no longer matches once a profile it relied on is gone.
  if (ResetProfileName(record.rgbSourceProfileName)) record.colorPreset = 1;
  if (ResetProfileName(record.simulationProfileName)) record.colorPreset = 1;
  if (ResetProfileName(record.destinationProfileName)) record.colorPreset = 1;
}

void ApplyPrinterOptions(SettingsBlock& record, const OptionQuery* queries) {
  if (queries == nullptr) return;
  // The envelope feeder, stacker and finisher keep what the driver sent;
  // the printer does not report the feeder and finisher.
  record.hardDiskInstalled = 0;
  record.duplexerInstalled = 0;
  record.bin1Installed = 0;
  record.bin2Installed = 0;
  record.bin3Installed = 0;
  record.bin4Installed = 0;
  record.bin5Installed = 0;
  std::memset(record.spareOptions, 0, sizeof record.spareOptions);
  record.mailboxInstalled = 0;
  record.multiResInstalled = 0;
  record.manualFeedInstalled = 0;

  if (EntryValue(queries, 3) == -1) {
    ResetDiskDependentSettings(record);
  } else {
    record.hardDiskInstalled = 1;
    if (record.collateDefaulted == 0) {
      record.collate = 1;
      record.collateDefaulted = 1;
    }
  }
  record.duplexerInstalled = EntryValue(queries, 5) != -1;
  record.stackerInstalled = EntryValue(queries, 6) != -1;
  record.multiResInstalled = EntryValue(queries, 4) > 1;
  record.bin1Installed = EntryValue(queries, 8) != -1;
  record.bin2Installed = EntryValue(queries, 9) != -1;
  record.manualFeedInstalled = EntryValue(queries, 10) != -1;
}

}  // namespace psui
