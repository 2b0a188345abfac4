// The custom paper size as the user edits it: unit conversions, the number
// text of the dialog, the ranges from the driver's limits and the rules a
// typed width or height must pass. Sizes are stored in millimetres; limits
// arrive in tenths of a millimetre.
//
// All arithmetic is single precision with every step rounded to float, so
// the texts are the same on every compiler and FPU (the 32-bit build keeps
// the x87 from carrying extra precision, see pages/CMakeLists.txt).
#pragma once

#include <string>
#include <string_view>

#include "exchange/settings_block.h"

namespace psui {

// customUnits
constexpr int kUnitInches = 0;
constexpr int kUnitMillimetres = 1;
constexpr int kUnitPoints = 2;
// customFeedDirection: long edge first ("Lato lungo"), short edge first.
constexpr int kFeedLongEdge = 8;
constexpr int kFeedShortEdge = 9;

// The unit and feed direction the dialog shows for the record's values:
// anything outside 0-2 counts as millimetres, anything but 8 or 9 as long
// edge, so what is shown is also what is checked and stored.
int ShownUnit(int customUnits);
int ShownFeedDirection(int customFeedDirection);

float TenthsToUnit(int tenths, int unit);
float MillimetresToUnit(float millimetres, int unit);
float UnitToMillimetres(float value, int unit);

// A value with exactly two decimals, rounded half away from zero on the
// float's exact value, without a leading zero between 0 and 1 (".50"),
// "0.00" for zero (and for NaN and infinities), a minus sign when negative.
std::string NumberText(float value);
// The same with the leading zero always written ("0.50"): the message box.
std::string BoxNumberText(float value);
// The number at the start of a text as atof reads it (optional sign, digits,
// one point, digits); 0 when there is none.
float ReadNumber(std::string_view text);
// A value as it reads back from its own text.
float CutToText(float value);
// "(low,high)"
std::string RangeText(float low, float high);
// The range message: each "%.2f" of `format` replaced by a value's BoxNumberText.
std::string RangeMessage(std::string_view format, float low, float high);

// The four limits in one unit.
struct CustomRanges {
  float minWidth;
  float maxWidth;
  float minHeight;
  float maxHeight;
};
// As the labels show them: the minimums raised by 0.005.
CustomRanges ShownRanges(const SettingsBlock& record, int unit);
// As the checks use them: the shown values cut to their text.
CustomRanges CheckedRanges(const SettingsBlock& record, int unit);

enum class SizeEdit { kWidth, kHeight };

// Outcome of a check: on failure the range the message shows and the edit
// that gets the focus.
struct SizeVerdict {
  bool ok = true;
  float low = 0;
  float high = 0;
  SizeEdit focus = SizeEdit::kWidth;
};

// Checks a value typed in the record's unit as the width or the height and,
// when it passes, stores it in millimetres. The feed check (only on "Salva")
// comes first: long edge first wants the width at least the minimum height
// and the height at most the typed width; short edge first wants the height
// at least the typed width. Nothing is stored for a failing value.
SizeVerdict ValidateCustomValue(SettingsBlock& record, SizeEdit edit, float value, float widthInEdit,
                                bool feedCheck);

// Takes a new feed direction; the stored sizes swap when it differs.
void ChangeFeedDirection(SettingsBlock& record, int direction);

}  // namespace psui
