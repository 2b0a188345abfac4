#include "pages/overlay_rules.h"

#include "ui/entry_rules.h"

namespace psui {

namespace {

// Far beyond every range the pages check, far below overflow.
constexpr long long kSaturated = 1000000000000000LL;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from `at` onwards, saturated; `end` gets the first non-digit.
long long ReadDigits(std::string_view text, size_t at, size_t* end) {
  long long value = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    if (value < kSaturated) value = value * 10 + (text[at] - '0');
    if (value > kSaturated) value = kSaturated;
  }
  *end = at;
  return value;
}

OverlayEntry& Row(SettingsBlock& record, int row) { return record.overlays[row - 1]; }

// A ticked row left without a name prints nothing; the complex row's cycle
// goes back to its start with it.
void TurnOffUnnamedRow(SettingsBlock& record, int row) {
  Row(record, row).enabled = 0;
  Row(record, row).placement = 0;
  if (row == kComplexOverlayRow) {
    record.complexOverlayFirst = 1;
    record.complexOverlayCycle = 1;
  }
}

}  // namespace

bool ClearOverlaysWithoutDisk(SettingsBlock& record) {
  if (record.hardDiskInstalled) return false;
  for (OverlayEntry& overlay : record.overlays) {
    overlay.enabled = 0;
    SetFieldText(overlay.fileName, "");
    overlay.placement = 0;
  }
  return true;
}

std::optional<int16_t> ParseOverlayCount(std::string_view text) {
  if (text.empty()) return std::nullopt;
  size_t end = 0;
  long long value = ReadDigits(text, 0, &end);
  if (end != text.size() || value < kOverlayCountLow || value > kOverlayCountHigh) return std::nullopt;
  return static_cast<int16_t>(value);
}

bool StoreOverlayRow(SettingsBlock& record, int row, bool ticked, std::string_view text) {
  OverlayEntry& overlay = Row(record, row);
  overlay.enabled = ticked ? 1 : 0;
  if (!ticked) return true;
  if (!IsDosFileName(text)) return false;
  SetFieldText(overlay.fileName, text);
  if (text.empty()) TurnOffUnnamedRow(record, row);
  return true;
}

void SettleComplexRow(SettingsBlock& record, bool ticked, std::string_view text) {
  Row(record, kComplexOverlayRow).enabled = ticked ? 1 : 0;
  if (ticked && text.empty()) TurnOffUnnamedRow(record, kComplexOverlayRow);
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
  size_t at = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    at = 1;
  }
  size_t end = 0;
  long long value = ReadDigits(text, at, &end);
  if (end == at || end != text.size()) return std::nullopt;
  return negative ? -value : value;
}

long long LeadingNumber(std::string_view text) {
  size_t at = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    at = 1;
  }
  size_t end = 0;
  long long value = ReadDigits(text, at, &end);
  return negative ? -value : value;
}

bool WrittenWithMoreThanOneCharacter(long long value) { return value < 0 || value > 9; }

}  // namespace psui
