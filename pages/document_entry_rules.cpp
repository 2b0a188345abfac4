#include "pages/document_entry_rules.h"

namespace psui {

namespace {

// Beyond this a number is out of every range: it stops growing, so a long
// run of digits cannot wrap into a range.
constexpr long long kSaturated = 1000000000LL;

// The digits from `at` on; *end is where they stop.
long long ReadDigits(std::string_view text, size_t at, size_t* end) {
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (value < kSaturated) value = value * 10 + (text[at] - '0');
  }
  *end = at;
  return value;
}

size_t SignLength(std::string_view text) {
  return !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
}

bool Negative(std::string_view text) { return !text.empty() && text[0] == '-'; }

bool InRange(long long value, const TypedNumberRange& range) { return value >= range.low && value <= range.high; }

}  // namespace

bool ReportWhileTyping(std::string_view text, const TypedNumberRange& range) {
  if (text.size() < range.reportFrom) return false;
  if (text.empty()) return true;
  size_t end = 0;
  const long long value = ReadDigits(text, SignLength(text), &end);
  return !InRange(Negative(text) ? -value : value, range);
}

std::optional<int> AcceptedNumber(std::string_view text, const TypedNumberRange& range) {
  const size_t start = SignLength(text);
  size_t end = 0;
  long long value = ReadDigits(text, start, &end);
  if (end == start || end != text.size()) return std::nullopt;
  if (Negative(text)) value = -value;
  if (!InRange(value, range)) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace psui
