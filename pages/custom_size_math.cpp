#include "pages/custom_size_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace psui {

namespace {

constexpr float kInchesPerTenth = 0.003937008f;
constexpr float kInchesPerMillimetre = 0.03937008f;
constexpr float kMillimetresPerTenth = 0.1f;
constexpr float kMillimetresPerInch = 25.4f;
constexpr float kInchesPerPoint = 0.013888889f;
constexpr float kPointsPerInch = 72.0f;
constexpr float kMinimumRaise = 0.005f;

// Decimal digits of a non-negative whole number held in a double (up to the
// size of FLT_MAX * 100): the binary mantissa doubled `exponent` times in
// base-10^9 limbs. printf's own digits differ between C libraries.
std::string WholeDigits(double whole) {
  if (whole < 1) return "0";
  int exponent = 0;
  double fraction = std::frexp(whole, &exponent);
  uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  if (exponent < 0) {
    mantissa >>= -exponent;  // exact: the value is whole
    exponent = 0;
  }
  constexpr uint32_t kBase = 1000000000;
  std::vector<uint32_t> limbs;  // least significant first
  for (; mantissa != 0; mantissa /= kBase) limbs.push_back(static_cast<uint32_t>(mantissa % kBase));
  for (int i = 0; i < exponent; ++i) {
    uint32_t carry = 0;
    for (uint32_t& limb : limbs) {
      uint64_t doubled = static_cast<uint64_t>(limb) * 2 + carry;
      limb = static_cast<uint32_t>(doubled % kBase);
      carry = static_cast<uint32_t>(doubled / kBase);
    }
    if (carry) limbs.push_back(carry);
  }
  std::string text = std::to_string(limbs.back());
  for (size_t i = limbs.size() - 1; i-- > 0;) {
    std::string limb = std::to_string(limbs[i]);
    text.append(9 - limb.size(), '0');
    text += limb;
  }
  return text;
}

// Sign, whole part and two decimals of a float rounded half away from zero.
// The product with 100 is exact in double (24 + 7 significant bits), so ties
// are decided on the float's exact value.
struct TwoDecimals {
  bool negative = false;
  std::string whole;  // "" when the whole part is 0
  std::string decimals = "00";
  bool zero = true;
};

TwoDecimals Split(float value) {
  TwoDecimals parts;
  if (!std::isfinite(value)) return parts;
  double hundredths = std::round(std::fabs(static_cast<double>(value) * 100.0));
  if (hundredths == 0) return parts;
  parts.zero = false;
  parts.negative = value < 0;
  std::string digits = WholeDigits(hundredths);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  parts.whole = digits.substr(0, digits.size() - 2);
  if (parts.whole == "0") parts.whole.clear();
  parts.decimals = digits.substr(digits.size() - 2);
  return parts;
}

std::string Join(const TwoDecimals& parts, bool leadingZero) {
  if (parts.zero) return "0.00";
  std::string whole = parts.whole.empty() && (leadingZero || parts.negative) ? "0" : parts.whole;
  return (parts.negative ? "-" : "") + whole + "." + parts.decimals;
}

}  // namespace

int ShownUnit(int customUnits) {
  return customUnits >= kUnitInches && customUnits <= kUnitPoints ? customUnits : kUnitMillimetres;
}

int ShownFeedDirection(int customFeedDirection) {
  return customFeedDirection == kFeedShortEdge ? kFeedShortEdge : kFeedLongEdge;
}

// Each product goes through a float variable: one rounding per step.
float TenthsToUnit(int tenths, int unit) {
  const float amount = static_cast<float>(tenths);
  if (unit == kUnitMillimetres) {
    const float millimetres = amount * kMillimetresPerTenth;
    return millimetres;
  }
  const float inches = amount * kInchesPerTenth;
  if (unit == kUnitInches) return inches;
  const float points = inches * kPointsPerInch;
  return points;
}

float MillimetresToUnit(float millimetres, int unit) {
  if (unit == kUnitMillimetres) return millimetres;
  const float inches = millimetres * kInchesPerMillimetre;
  if (unit == kUnitInches) return inches;
  const float points = inches * kPointsPerInch;
  return points;
}

float UnitToMillimetres(float value, int unit) {
  if (unit == kUnitInches) {
    const float millimetres = value * kMillimetresPerInch;
    return millimetres;
  }
  if (unit == kUnitPoints) {
    const float scaled = value * kMillimetresPerInch;
    const float millimetres = scaled * kInchesPerPoint;
    return millimetres;
  }
  return value;
}

std::string NumberText(float value) { return Join(Split(value), false); }

std::string BoxNumberText(float value) { return Join(Split(value), true); }

float ReadNumber(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Up to 18 significant digits are kept exactly; later whole digits only
  // scale the value, later decimals are dropped.
  uint64_t mantissa = 0;
  int kept = 0;
  int scale = 0;  // power of ten applied to the mantissa
  bool point = false;
  for (; at < text.size(); ++at) {
    char c = text[at];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    if (kept < 18) {
      if (mantissa != 0 || c != '0') ++kept;
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      if (point) --scale;
    } else if (!point) {
      ++scale;
    }
  }
  double value = static_cast<double>(mantissa);
  if (scale < 0) value /= std::pow(10.0, -scale);
  if (scale > 0) value *= std::pow(10.0, scale);
  return static_cast<float>(negative ? -value : value);
}

float CutToText(float value) { return ReadNumber(NumberText(value)); }

std::string RangeText(float low, float high) { return "(" + NumberText(low) + "," + NumberText(high) + ")"; }

std::string RangeMessage(std::string_view format, float low, float high) {
  static constexpr std::string_view kField = "%.2f";
  std::string message;
  const float values[] = {low, high};
  size_t next = 0;
  size_t from = 0;
  for (size_t at = format.find(kField); at != std::string_view::npos && next < 2;
       at = format.find(kField, from)) {
    message.append(format.substr(from, at - from));
    message += BoxNumberText(values[next++]);
    from = at + kField.size();
  }
  message.append(format.substr(from));
  return message;
}

CustomRanges ShownRanges(const SettingsBlock& record, int unit) {
  const float min_width = TenthsToUnit(record.customLimit1, unit);
  const float min_height = TenthsToUnit(record.customLimit3, unit);
  const float raised_width = min_width + kMinimumRaise;
  const float raised_height = min_height + kMinimumRaise;
  return {raised_width, TenthsToUnit(record.customLimit2, unit), raised_height,
          TenthsToUnit(record.customLimit4, unit)};
}

CustomRanges CheckedRanges(const SettingsBlock& record, int unit) {
  CustomRanges shown = ShownRanges(record, unit);
  return {CutToText(shown.minWidth), CutToText(shown.maxWidth), CutToText(shown.minHeight),
          CutToText(shown.maxHeight)};
}

SizeVerdict ValidateCustomValue(SettingsBlock& record, SizeEdit edit, float value, float widthInEdit,
                                bool feedCheck) {
  const int unit = ShownUnit(record.customUnits);
  const CustomRanges ranges = CheckedRanges(record, unit);
  auto refuse = [edit](float low, float high) { return SizeVerdict{false, low, high, edit}; };
  const bool long_edge = ShownFeedDirection(record.customFeedDirection) == kFeedLongEdge;
  if (edit == SizeEdit::kWidth) {
    // Long edge first: the width is the longer side, so it cannot be below
    // the shortest height; the message names the widths that would pass.
    if (feedCheck && long_edge && value < ranges.minHeight) {
      return refuse(std::max(ranges.minWidth, ranges.minHeight), ranges.maxWidth);
    }
    if (value < ranges.minWidth || value > ranges.maxWidth) return refuse(ranges.minWidth, ranges.maxWidth);
    record.customWidth = UnitToMillimetres(value, unit);
    return {};
  }
  if (feedCheck) {
    if (long_edge && value > widthInEdit) return refuse(ranges.minHeight, widthInEdit);
    if (!long_edge && value < widthInEdit) {
      return refuse(std::max(widthInEdit, ranges.minHeight), ranges.maxHeight);
    }
  }
  if (value < ranges.minHeight || value > ranges.maxHeight) return refuse(ranges.minHeight, ranges.maxHeight);
  record.customHeight = UnitToMillimetres(value, unit);
  return {};
}

void ChangeFeedDirection(SettingsBlock& record, int direction) {
  if (direction != ShownFeedDirection(record.customFeedDirection)) {
    const float width = record.customWidth;
    record.customWidth = record.customHeight;
    record.customHeight = width;
  }
  record.customFeedDirection = static_cast<int16_t>(direction);
}

}  // namespace psui
