#include "ppd/ppd_values.h"

#include <cstring>

namespace psui {

namespace {
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

constexpr uint64_t kFixedMax = 0xFFFFFFFFu;

// The bytes that end a token: the terminator, space and tab.
struct TokenEnd {
  bool bits[256];
  constexpr TokenEnd() : bits() { bits[0] = bits[0x20] = bits[0x09] = true; }
};
constexpr TokenEnd kTokenEnd;
}  // namespace

size_t PpdNextToken(const char** cursor, char (&buffer)[kPpdTokenBufferSize]) {
  const char* p = *cursor;
  while (IsBlank(*p)) ++p;
  const char* start = p;
  while (!kTokenEnd.bits[static_cast<unsigned char>(*p)]) ++p;
  size_t stored = static_cast<size_t>(p - start);
  if (stored > kPpdTokenBufferSize - 1) stored = kPpdTokenBufferSize - 1;
  std::memcpy(buffer, start, stored);
  buffer[stored] = '\0';
  *cursor = p;
  return stored;
}

size_t PpdNextTokenView(const char** cursor, PpdTokenView* token) {
  const char* p = *cursor;
  while (IsBlank(*p)) ++p;
  const char* start = p;
  while (!kTokenEnd.bits[static_cast<unsigned char>(*p)]) ++p;
  size_t length = static_cast<size_t>(p - start);
  if (length > kPpdTokenBufferSize - 1) length = kPpdTokenBufferSize - 1;
  token->text = start;
  token->length = length;
  *cursor = p;
  return length;
}

bool PpdStripStar(PpdTokenView* token) {
  if (token->length > 0 && token->text[0] == '*') {
    ++token->text;
    --token->length;
  }
  return token->length > 0;
}

int PpdParseInteger(const char* text, uint32_t* value) {
  const char* p = text;
  bool negative = *p == '-';
  if (negative) ++p;
  if (!IsDigit(*p)) return kPpdSyntax;
  uint64_t n = 0;
  for (; IsDigit(*p); ++p) {
    n = n * 10 + static_cast<uint64_t>(*p - '0');
    if (n > kFixedMax) n = kFixedMax + 1;  // saturate; keeps the loop from overflowing
  }
  *value = negative ? 0 : static_cast<uint32_t>(n > kFixedMax ? kFixedMax : n);
  return kPpdOk;
}

int PpdParseReal(const char* text, PpdFixed* value) {
  const char* p = text;
  bool negative = *p == '-';
  if (negative) ++p;
  int digits = 0;
  uint64_t whole = 0;
  for (; IsDigit(*p); ++p, ++digits) {
    whole = whole * 10 + static_cast<uint64_t>(*p - '0');
    if (whole > kFixedMax) whole = kFixedMax + 1;
  }
  uint64_t fraction = 0;
  uint64_t scale = 1;
  if (*p == '.') {
    ++p;
    for (int counted = 0; IsDigit(*p); ++p, ++digits) {
      if (counted < 5) {
        fraction = fraction * 10 + static_cast<uint64_t>(*p - '0');
        scale *= 10;
        ++counted;
      }
    }
  }
  if (digits == 0) return kPpdSyntax;
  uint64_t fixed = whole * 256 + (fraction * 256 + scale / 2) / scale;
  *value = negative ? 0 : static_cast<PpdFixed>(fixed > kFixedMax ? kFixedMax : fixed);
  return kPpdOk;
}

int PpdReadReals(const char* value, PpdFixed* out, int count) {
  char token[kPpdTokenBufferSize];
  const char* cursor = value;
  for (int i = 0; i < count; ++i) {
    if (PpdNextToken(&cursor, token) == 0) return kPpdSyntax;
    int result = PpdParseReal(token, &out[i]);
    if (result != kPpdOk) return result;
  }
  return kPpdOk;
}

int PpdParseBoolean(const char* text, uint32_t* value) {
  uint16_t found = 0;
  bool matched = PpdLookupName(kPpdBooleans, text, &found);
  *value = found;
  return matched ? kPpdOk : kPpdSyntax;
}

bool PpdMatchesToken(const char* text, const char* word) {
  size_t n = std::strlen(word);
  if (std::strncmp(text, word, n) != 0) return false;
  char after = text[n];
  return after == '\0' || IsBlank(after);
}

bool PpdLookupName(const PpdNameRow* table, const char* token, uint16_t* value) {
  const PpdNameRow* row = table;
  for (; row->name != nullptr; ++row) {
    // The first byte settles most rows without a string compare.
    if (row->name[0] == token[0] && PpdMatchesToken(token, row->name)) {
      *value = row->value;
      return true;
    }
  }
  *value = row->value;
  return false;
}

int PpdDecodeHex(const char* source, char* destination) {
  const char* p = source;
  char* out = destination;
  bool hex = false;
  int result = kPpdOk;
  while (*p != '\0') {
    char c = *p++;
    if (!hex) {
      if (c == '<')
        hex = true;
      else
        *out++ = c;
      continue;
    }
    if (c == '>') {
      hex = false;
      continue;
    }
    int high = HexValue(c);
    int low = high < 0 ? -1 : HexValue(*p);
    if (low < 0) {
      result = kPpdSyntax;
      break;
    }
    ++p;
    *out++ = static_cast<char>(high * 16 + low);
  }
  *out = '\0';
  return result;
}

int PpdStoreString(PpdArena& arena, const char** field, const char* source, bool decode) {
  if (*field != nullptr) return kPpdOk;
  size_t length = std::strlen(source);
  auto* copy = static_cast<char*>(arena.Allocate(length + 1));
  if (copy == nullptr) return kPpdNoMemory;
  if (decode) {
    if (PpdDecodeHex(source, copy) != kPpdOk) return kPpdSyntax;
  } else {
    std::memcpy(copy, source, length);
  }
  *field = copy;
  return kPpdOk;
}

const char* PpdStripStar(const char* token) {
  if (*token == '*') ++token;
  return *token == '\0' ? nullptr : token;
}

const PpdNameRow kPpdSectionNames[] = {{"ExitServer", 1}, {"Prolog", 2},   {"DocumentSetup", 4},
                                       {"PageSetup", 8},  {"JCLSetup", 16}, {"AnySetup", 32},
                                       {nullptr, 32}};
const PpdNameRow kPpdProtocolNames[] = {{"PJL", 1}, {"BCP", 2}, {"TBCP", 4}, {"SIC", 8}, {nullptr, 0}};
const PpdNameRow kPpdLanguageEncodings[] = {{"ISOLatin1", 1},   {"JIS83-RKSJ", 2}, {"MaxStandard", 3},
                                            {"WindowsANSI", 4}, {"None", 0},       {nullptr, 5}};
const PpdNameRow kPpdLanguages[] = {
    {"English", 1},   {"Danish", 1},  {"Dutch", 1},    {"Finnish", 1}, {"French", 1},
    {"German", 1},    {"Italian", 1}, {"Norwegian", 1}, {"Portuguese", 1}, {"Spanish", 1},
    {"Swedish", 1},   {"Chinese", 0}, {"Japanese", 2}, {"Russian", 0}, {nullptr, 5}};
const PpdNameRow kPpdTrueTypeRasterizers[] = {
    {"None", 0}, {"Accept68k", 1}, {"Type42", 2}, {"TrueImage", 3}, {nullptr, 4}};
const PpdNameRow kPpdLandscapeOrientations[] = {{"Any", 0}, {"Plus90", 1}, {"Minus90", 2}, {nullptr, 3}};
const PpdNameRow kPpdFontEncodings[] = {{"Standard", 0}, {"Special", 1}, {"ISOLatin1", 2},
                                        {"Expert", 3},   {"ExpertSubset", 4}, {"JIS", 5},
                                        {"RKSJ", 6},     {"EUC", 7},     {"Shift-JIS", 8},
                                        {nullptr, 9}};
const PpdNameRow kPpdFontCharsets[] = {
    {"Standard", 0}, {"OldStandard", 1}, {"Special", 2}, {"ISOLatin1", 3}, {"Expert", 4},
    {"ExpertSubset", 5}, {"JIS-83", 6}, {"JIS-78", 7}, {"83pv", 8}, {"Add", 9}, {"Ext", 10},
    {"NWP", 11}, {nullptr, 12}};
const PpdNameRow kPpdCustomParamNames[] = {{"Width", 0},        {"Height", 1},      {"WidthOffset", 2},
                                           {"HeightOffset", 3}, {"Orientation", 4}, {nullptr, 5}};
const PpdNameRow kPpdParamTypes[] = {{"int", 0}, {"real", 1}, {"points", 2}, {nullptr, 3}};
const PpdNameRow kPpdUiTypes[] = {{"PickOne", 1}, {"PickMany", 2}, {"Boolean", 0}, {nullptr, 1}};
const PpdNameRow kPpdExtensionNames[] = {
    {"DPS", 1}, {"CMYK", 2}, {"Composite", 4}, {"FileSystem", 8}, {nullptr, 0}};
const PpdNameRow kPpdBooleans[] = {{"True", 1}, {"False", 0}, {nullptr, 0}};

}  // namespace psui
