// Code tables: the record stores these codes, never PPD option names.
// Lookups take the first matching row, so duplicate names resolve to the
// earlier row. Names are Windows-1252 byte strings as a PPD holds them.
#pragma once

#include <cstdint>

namespace psui {

struct CodeRow {
  int16_t code;
  const char* name;  // null ends the table
};

extern const CodeRow kPageSizeCodes[];
extern const CodeRow kInputSlotCodes[];
extern const CodeRow kMediaTypeCodes[];
extern const CodeRow kOutputBinCodes[];
extern const CodeRow kResolutionCodes[];
extern const CodeRow kPagesPerSheetCodes[];
extern const CodeRow kWatermarkCodes[];
extern const CodeRow kColorPresetCodes[];

// The name of the first row holding code, or null.
const char* CodeNameFor(const CodeRow* table, int code);
// The code of the first row named name (exact, case-sensitive), or 0.
int CodeFor(const CodeRow* table, const char* name);
int CodeTableLength(const CodeRow* table);

// resolutionDpi for a resolution code.
int32_t ResolutionDpiForCode(int code);

constexpr int16_t kCustomPaperCode = 257;

}  // namespace psui
