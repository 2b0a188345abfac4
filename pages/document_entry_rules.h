// The numbers typed in the Features page's dialogs: when a number is
// reported while it is being typed, and which typed texts OK accepts.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace psui {

struct TypedNumberRange {
  int low;
  int high;
  // Texts shorter than this are let through while typing, so that the user
  // can type the first digits of a number in the range.
  size_t reportFrom;
};

// The job time-out in seconds: an empty text is reported at once.
constexpr TypedNumberRange kJobTimeoutRange{0, 3000, 0};
constexpr TypedNumberRange kCopiesRange{1, 999, 2};
constexpr TypedNumberRange kScalingRange{25, 400, 3};

// While typing: a text of at least reportFrom characters is reported when
// it is empty or its leading number (an optional sign and digits; 0 when
// there is none, so "abc" passes) lies outside the range.
bool ReportWhileTyping(std::string_view text, const TypedNumberRange& range);

// At OK: the whole text as a number (an optional sign, then digits only)
// when it lies in the range; none otherwise. The digit check and its
// message come first, from CheckNumericEntry.
std::optional<int> AcceptedNumber(std::string_view text, const TypedNumberRange& range);

}  // namespace psui
