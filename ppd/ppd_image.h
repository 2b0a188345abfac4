// The compiled PPD file: one flattened block (PpdImage) that holds the
// printer's scalar properties, its UI keywords with their options, its
// standard fonts and the order-dependency and constraint tables.
//
// Every page reads the image through the query members below or by reading
// header fields and records directly. The image is read-only once
// PpdLoadImage or PpdCompile has returned it; every link in it points inside
// the block, so one PpdFreeImage call releases all of it.
//
// Numbers: a PpdFixed is a PPD real times 256 (24 integer bits, 8 fraction
// bits), so 612 points is 156672. Strings are zero-terminated; an absent
// string is a null pointer (an empty PPD translation stays absent).
#pragma once

#include <cstddef>
#include <cstdint>

namespace psui {

using PpdFixed = uint32_t;

// Result codes of every compiler function.
constexpr int kPpdOk = 0;
constexpr int kPpdEndOfFile = 1;
constexpr int kPpdSyntax = 3;    // statement or value malformed: skipped, compile goes on
constexpr int kPpdNoMemory = 4;  // allocation failed or fixed buffer overflowed: compile fails

// PpdKeyword::builtinIndex and the slots of PpdImage::builtinKeywords.
constexpr uint16_t kPpdPageSize = 0;
constexpr uint16_t kPpdInputSlot = 1;
constexpr uint16_t kPpdManualFeed = 2;
constexpr uint16_t kPpdDuplex = 3;
constexpr uint16_t kPpdCollate = 4;
constexpr uint16_t kPpdResolution = 5;
constexpr uint16_t kPpdVmOption = 6;
constexpr uint16_t kPpdOrdinaryKeyword = 7;
constexpr int kPpdBuiltinCount = 7;

// PpdKeyword::uiType.
constexpr uint16_t kPpdUiBoolean = 0;
constexpr uint16_t kPpdUiPickOne = 1;
constexpr uint16_t kPpdUiPickMany = 2;

// PpdKeyword::flags.
constexpr uint16_t kPpdRequiresRegionAllTrue = 1;
constexpr uint16_t kPpdRequiresRegionAllFalse = 2;
constexpr uint16_t kPpdJclKeyword = 4;

// Index values in the order-dependency and constraint tables.
constexpr uint16_t kPpdNoOptionIndex = 0xFF;    // the statement named no option
constexpr uint16_t kPpdNotFoundIndex = 0xFFFF;  // a name that is not in the image

// One option of a keyword. Built-in keywords use the larger records below;
// PpdKeyword::optionRecordSize tells which, builtinIndex tells the kind.
struct PpdOption {
  PpdOption* next;
  const char* name;         // the option keyword, e.g. "A4"
  uint32_t nameHash;        // PpdHashName(name)
  const char* translation;  // the text the pages show; hex-decoded; may be absent
  const char* code;         // the option's invocation
};

// Options of PageSize (builtinIndex kPpdPageSize). After compilation the
// imageable area lies inside the sheet: a size without PaperDimension has
// width = height = 0, one without ImageableArea covers the whole sheet.
struct PpdPageSizeOption : PpdOption {
  const char* regionCode;    // PageRegion invocation
  PpdFixed width;            // PaperDimension, points
  PpdFixed height;
  PpdFixed imageableArea[4];  // lower-left x, lower-left y, upper-right x, upper-right y
};

// Options of InputSlot.
struct PpdInputSlotOption : PpdOption {
  uint32_t requiresPageRegion;
};

// Options of Resolution.
struct PpdResolutionOption : PpdOption {
  const char* jclCode;  // JCLResolution invocation, hex-decoded
  const char* setCode;  // SetResolution invocation
  PpdFixed screenAngle;  // ResScreenAngle
  PpdFixed screenFreq;   // ResScreenFreq
};

// Options of VMOption (code is the InstalledMemory invocation).
struct PpdVmOption : PpdOption {
  uint32_t vmSize;  // bytes
};

// One main keyword (UI keyword).
struct PpdKeyword {
  PpdKeyword* next;
  const char* name;  // without the star
  uint32_t nameHash;
  const char* translation;
  union {
    const char* defaultName;  // while parsing: the default option's name
    uintptr_t defaultOption;  // in the image: position of the default option, 0 when none
  };
  uint32_t optionRecordSize;  // byte size of this keyword's option records
  uint16_t builtinIndex;      // kPpdPageSize..kPpdVmOption, or kPpdOrdinaryKeyword
  uint16_t flags;             // kPpdRequiresRegionAll*, kPpdJclKeyword
  uint16_t uiType;            // kPpdUiBoolean, kPpdUiPickOne, kPpdUiPickMany
  uint16_t groupIndex;        // position among the installable or the other keywords
  uint32_t installable;
  PpdOption* options;
};

struct PpdFont {
  PpdFont* next;
  const char* name;  // PostScript font name
  uint32_t nameHash;
  const char* translation;
  uint16_t encoding;
  uint16_t charset;
  uint16_t fontId;  // 1-168, from the standard font table
};

struct PpdOrderDependencyEntry {
  uint16_t keywordIndex;  // kPpdNotFoundIndex when the keyword or option is not in the image
  uint16_t optionIndex;   // kPpdNoOptionIndex when the statement named no option
  PpdFixed order;
  uint16_t section;  // ExitServer 1, Prolog 2, DocumentSetup 4, PageSetup 8, JCLSetup 16, AnySetup 32
};

struct PpdConstraintEntry {
  uint16_t keyword1;  // kPpdNotFoundIndex when any of the four names is not in the image
  uint16_t option1;   // kPpdNoOptionIndex when the constraint names no option
  uint16_t keyword2;
  uint16_t option2;
};

// The two tables: a count and the entry size, then the entries.
template <typename Entry>
struct PpdTable {
  uint16_t count;
  uint16_t entrySize;
  const Entry* entries() const { return reinterpret_cast<const Entry*>(this + 1); }
  Entry* entries() { return reinterpret_cast<Entry*>(this + 1); }
};
using PpdOrderDependencyTable = PpdTable<PpdOrderDependencyEntry>;
using PpdConstraintTable = PpdTable<PpdConstraintEntry>;
static_assert(sizeof(PpdOrderDependencyEntry) == 12, "order-dependency entries are 12 bytes");
static_assert(sizeof(PpdConstraintEntry) == 8, "constraint entries are 8 bytes");
static_assert(sizeof(PpdTable<PpdConstraintEntry>) == 4, "a table header is 4 bytes");

// One ParamCustomPageSize record.
struct PpdCustomParam {
  uint32_t order;
  uint16_t type;  // int 0, real 1, points 2
  PpdFixed minimum;
  PpdFixed maximum;
};

// Slots of PpdImage::customParams.
constexpr int kPpdParamWidth = 0;
constexpr int kPpdParamHeight = 1;
constexpr int kPpdParamWidthOffset = 2;
constexpr int kPpdParamHeightOffset = 3;
constexpr int kPpdParamOrientation = 4;

// The header of the image; the keyword, font and table records follow it
// in the same block.
struct PpdImage {
  uint32_t imageSize;
  const char* ppdPath;
  const char* nickName;
  uint16_t formatVersion;  // 3
  uint16_t fileCrc;        // CRC-16/XMODEM of the whole file
  uint16_t protocols;      // PJL 1, BCP 2, TBCP 4, SIC 8
  uint16_t landscapeOrientation;  // Any 0, Plus90 1, Minus90 2
  uint16_t ttRasterizer;          // None 0, Accept68k 1, Type42 2, TrueImage 3
  uint16_t languageEncoding;      // None 0, ISOLatin1 1, JIS83-RKSJ 2, MaxStandard 3, WindowsANSI 4
  uint32_t freeVm;                // bytes, at least 102400
  uint32_t languageLevel;
  const char* password;
  const char* exitServer;
  uint32_t suggestedJobTimeout;
  uint32_t suggestedWaitTimeout;
  uint32_t colorDevice;
  uint32_t emailNotify;
  uint32_t printPsError;
  uint32_t overlay;
  uint32_t jogDevice;
  uint32_t multiOverlay;
  uint32_t nup;
  uint32_t booklet;
  uint32_t miserDevice;
  uint32_t doesPrintQuality;
  uint32_t reprint;
  uint32_t acceptsTrueType;
  uint32_t trueImageDevice;
  uint32_t inInstallableGroup;
  uint32_t isImage;
  uint32_t customPageSize;  // custom sizes allowed (needs a maximum media dimension)
  uint32_t hasHwMargins;
  PpdFixed hwMargins[4];  // left, bottom, right, top
  const char* customPageSizeCode;
  PpdCustomParam customParams[5];  // indexed by kPpdParamWidth..kPpdParamOrientation
  PpdFixed maxMediaWidth;
  PpdFixed maxMediaHeight;
  uint16_t extensions;      // DPS 1, CMYK 2, Composite 4, FileSystem 8
  uint16_t resolutionKind;  // last resolution statement: Resolution 0, JCLResolution 1, SetResolution 2
  PpdFixed screenAngle;
  PpdFixed screenFreq;
  const char* jclBegin;
  const char* jclEnd;
  const char* jclToPsInterpreter;
  uint16_t plainKeywordCount;
  uint16_t installableKeywordCount;
  PpdKeyword* keywords;  // the plain keywords first, then the installable ones
  PpdKeyword* builtinKeywords[kPpdBuiltinCount];  // by builtinIndex; null when absent
  PpdFont* fonts;
  PpdOrderDependencyTable* orderDependencies;
  PpdConstraintTable* constraints;

  // Queries. None allocates or changes the image.

  // 1 and the first keyword; 0 and null when there is none.
  int FirstKeyword(const PpdKeyword** keyword) const;
  // 1 and the first installable keyword; 0 and null when there is none.
  int FirstInstallableKeyword(const PpdKeyword** keyword) const;
  // The keyword with exactly that name, or null.
  const PpdKeyword* FindKeyword(const char* name) const;
  // 1 and the keyword's first option (null when it has none) when the
  // keyword exists; 0 and null otherwise.
  int FindOptions(const char* keywordName, const PpdOption** first) const;
  // The option at the keyword's default position; null for a null keyword
  // or a position past the end of its options.
  const PpdOption* DefaultOption(const PpdKeyword* keyword) const;
  // Looks for the keyword by name and, in it, the option whose translation
  // equals optionText (both compared with the platform's lstrcmpA). Both
  // outputs start at -1 and receive the positions found; 1 when both were
  // found. A null optionText finds no option.
  int LocateOption(const char* keywordName, const char* optionText, int* keywordIndex,
                   int* optionIndex) const;
  // Delivers the name of the keyword at keywordIndex and the translation of
  // its option at optionIndex. A position past the end of a list leaves that
  // output as it was, so initialise both; the option list searched is that
  // of the keyword named by *keywordName after the first step. 1 when the
  // image has keywords, that keyword exists and optionIndex is not -1.
  int OptionAt(int keywordIndex, int optionIndex, const char** keywordName,
               const char** optionText) const;
  // Enumerates the constraints whose second pair is (keywordName,
  // optionText), delivering each first pair through OptionAt. Set *counter
  // to 0 and call while the result is 1, clearing both outputs before each
  // call (a constraint without first option delivers only the keyword). The
  // cursor is process-wide: enumerations must not be interleaved.
  int NextConstraint(const char* keywordName, const char* optionText,
                     const char** constrainedKeyword, const char** constrainedText,
                     int* counter) const;
};

// Compiles path, or returns the cached image when it was compiled from the
// same path (compared byte for byte). A failed compile returns and caches
// null. Compiling another path releases the cached image first.
PpdImage* PpdLoadImage(const char* path);

// Compiles path into a new image that the caller owns; null on failure.
PpdImage* PpdCompile(const char* path);

// Same as PpdCompile for file contents already in memory; path is recorded
// as ppdPath. Used by tools and tests that have no file to map.
PpdImage* PpdCompileBuffer(const uint8_t* data, size_t size, const char* path);

// Releases an image (null is accepted). Releasing the cached image also
// empties the cache, so a later PpdLoadImage compiles again. Given a
// parse-time model (isImage 0) it releases that model with all its records.
void PpdFreeImage(PpdImage* image);

// h = (h * 2) XOR byte over the name, unsigned 32-bit.
uint32_t PpdHashName(const char* name);

// List helpers for keyword and option (and font) lists.

template <typename Record>
const Record* PpdOptionAt(const Record* first, size_t n) {
  while (first != nullptr && n > 0) {
    first = static_cast<const Record*>(first->next);
    --n;
  }
  return first;
}

bool PpdNamesEqual(const char* a, const char* b);

// The record with exactly that name and its zero-based position, or null
// and -1. nameHash is compared before the name.
template <typename Record>
const Record* PpdFindIndex(const Record* first, const char* name, int* index) {
  if (name != nullptr) {
    uint32_t hash = PpdHashName(name);
    int position = 0;
    for (const Record* r = first; r != nullptr; r = static_cast<const Record*>(r->next), ++position) {
      if (r->nameHash == hash && PpdNamesEqual(r->name, name)) {
        if (index != nullptr) *index = position;
        return r;
      }
    }
  }
  if (index != nullptr) *index = -1;
  return nullptr;
}

template <typename Record>
const Record* PpdFindOption(const Record* first, const char* name) {
  return PpdFindIndex(first, name, nullptr);
}

template <typename Record>
size_t PpdListLength(const Record* first) {
  size_t length = 0;
  for (; first != nullptr; first = static_cast<const Record*>(first->next)) ++length;
  return length;
}

}  // namespace psui
