// The record-level rules of the Overlay page and the watermark dialog's
// number fields: the overlay rows, the complex cycle numbers, and reading
// typed numbers without overflow.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "exchange/settings_block.h"

namespace psui {

constexpr int kOverlayRowCount = 5;
// Rows by number: 1 all pages, 2 first page, 3 even, 4 odd, 5 complex.
constexpr int kComplexOverlayRow = 5;
// The complex cycle's first page and length.
constexpr int kOverlayCountLow = 1;
constexpr int kOverlayCountHigh = 99;

// Without a hard disk no overlay can be printed: every row off, without a
// file name, in flash. Returns whether the disk is missing.
bool ClearOverlaysWithoutDisk(SettingsBlock& record);

// "Primo" and "Ciclo": digits only, 1 to 99. Empty text, a sign, any other
// character or a number of any length outside the range gives nothing.
std::optional<int16_t> ParseOverlayCount(std::string_view text);

// Leaving a row: `enabled` follows the box. A ticked row needs an 8.3 name
// (false and nothing else changed when it has none); the name is stored,
// and an empty one turns the row off (enabled and placement 0) though its
// box stays ticked; for the complex row that also puts the cycle back to
// first page 1, length 1. An unticked row keeps its old file name.
bool StoreOverlayRow(SettingsBlock& record, int row, bool ticked, std::string_view text);

// After both cycle numbers were taken: the complex row follows its box, and
// a ticked one without a name is turned off with the cycle back to 1/1.
// The file name itself is not taken here.
void SettleComplexRow(SettingsBlock& record, bool ticked, std::string_view text);

// A whole number as the user typed it: an optional sign, then digits only,
// at least one. Values beyond the int range come back saturated, so that a
// long number is out of any range instead of wrapping into it.
std::optional<long long> ParseWholeNumber(std::string_view text);

// The decimal number at the start of a text (an optional sign, then
// digits), 0 when there is none; saturated like ParseWholeNumber.
long long LeadingNumber(std::string_view text);
// Its decimal form is longer than one character ("-3", "12"; not "3", "0").
bool WrittenWithMoreThanOneCharacter(long long value);

}  // namespace psui
