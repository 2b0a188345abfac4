// Value parsers the keyword handlers apply to statement values: tokens,
// integers, reals, booleans, name tables, hex strings and string storing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ppd/ppd_arena.h"
#include "ppd/ppd_image.h"

namespace psui {

constexpr size_t kPpdTokenBufferSize = 40;  // 39 bytes and the terminator

// Next space- or tab-separated token of a value: at most 39 bytes are
// stored (the rest of a longer token is consumed and dropped). Returns the
// number stored, 0 when the value is exhausted; *cursor moves past it.
size_t PpdNextToken(const char** cursor, char (&buffer)[kPpdTokenBufferSize]);

// A token as a span of the value, clipped to 39 bytes like PpdNextToken's.
struct PpdTokenView {
  const char* text = nullptr;
  size_t length = 0;
};
// PpdNextToken without the copy: the same token as a span; its length, 0
// when the value is exhausted.
size_t PpdNextTokenView(const char** cursor, PpdTokenView* token);
// PpdStripStar on a span: false when nothing is left after the star.
bool PpdStripStar(PpdTokenView* token);

// Optional '-' and at least one digit; stops at the first non-digit. A
// negative number gives 0; a number past 32 bits gives 0xFFFFFFFF.
int PpdParseInteger(const char* text, uint32_t* value);
// Optional '-', integer digits, optional '.' and fraction digits (only the
// first five count), at least one digit in all. The result is value x 256
// rounded to the nearest 1/256; negative gives 0, too large 0xFFFFFFFF.
int PpdParseReal(const char* text, PpdFixed* value);
// "True" 1, "False" 0; anything else sets 0 and gives kPpdSyntax.
int PpdParseBoolean(const char* text, uint32_t* value);

// Reads count reals from the space-separated tokens of value into out;
// kPpdSyntax for a missing or malformed one (out is then incomplete).
int PpdReadReals(const char* value, PpdFixed* out, int count);

// A row of a name table. A table ends with a row whose name is null; its
// value is the result of a failed search.
struct PpdNameRow {
  const char* name;
  uint16_t value;
};

// The first row whose name is a prefix of token followed by the terminator,
// a space or a tab (case sensitive). *value receives that row's value or the
// end row's value; the result tells whether a row matched.
bool PpdLookupName(const PpdNameRow* table, const char* token, uint16_t* value);

// Copies source to destination, decoding <hex> runs into bytes. A byte in a
// hex run that is not a hex digit, or an odd digit count, gives kPpdSyntax.
// destination must hold strlen(source) + 1 bytes; it is always terminated.
int PpdDecodeHex(const char* source, char* destination);

// Stores a copy of source (hex-decoded when decode is set) into *field
// unless the field already holds a string: the first definition wins.
// kPpdNoMemory when the arena is exhausted; kPpdSyntax for a bad hex string,
// leaving the field empty.
int PpdStoreString(PpdArena& arena, const char** field, const char* source, bool decode);

// The text after one leading '*', or null when that is empty.
const char* PpdStripStar(const char* token);

// Whole-token match: text begins with word and continues with the
// terminator, a space or a tab.
bool PpdMatchesToken(const char* text, const char* word);

// The value tables of the keyword handlers.
extern const PpdNameRow kPpdSectionNames[];
extern const PpdNameRow kPpdProtocolNames[];
extern const PpdNameRow kPpdLanguageEncodings[];
extern const PpdNameRow kPpdLanguages[];
extern const PpdNameRow kPpdTrueTypeRasterizers[];
extern const PpdNameRow kPpdLandscapeOrientations[];
extern const PpdNameRow kPpdFontEncodings[];
extern const PpdNameRow kPpdFontCharsets[];
extern const PpdNameRow kPpdCustomParamNames[];
extern const PpdNameRow kPpdParamTypes[];
extern const PpdNameRow kPpdUiTypes[];
extern const PpdNameRow kPpdExtensionNames[];
extern const PpdNameRow kPpdBooleans[];
// The 173 rows of the standard PostScript fonts (name, font id).
extern const PpdNameRow kPpdStandardFonts[];  // kPpdStandardFontRows rows and the end row
constexpr size_t kPpdStandardFontRows = 173;

}  // namespace psui
