// Handlers of the device-wide statements: scalar properties, fonts, custom
// page size parameters, order dependencies and UI constraints.
#include <cstring>

#include "ppd/ppd_parser.h"

namespace psui::handlers {

namespace {

int StoreInteger(const PpdStatement& s, uint32_t* field) {
  uint32_t value = 0;
  int result = PpdParseInteger(s.value, &value);
  if (result == kPpdOk) *field = value;
  return result;
}

int StoreReal(const PpdStatement& s, PpdFixed* field) {
  PpdFixed value = 0;
  int result = PpdParseReal(s.value, &value);
  if (result == kPpdOk) *field = value;
  return result;
}

// Stores the table value only when the name is in the table.
void StoreLookup(const PpdNameRow* table, const char* text, uint16_t* field) {
  uint16_t value = 0;
  if (PpdLookupName(table, text, &value)) *field = value;
}

// ORs the bit of every token of the value that the table knows.
uint16_t TokenBits(const PpdNameRow* table, const char* value) {
  uint16_t bits = 0;
  char token[kPpdTokenBufferSize];
  const char* cursor = value;
  while (PpdNextToken(&cursor, token) > 0) {
    uint16_t bit = 0;
    PpdLookupName(table, token, &bit);
    bits |= bit;
  }
  return bits;
}

// A zero-filled list record of type T appended at the parser's tail.
template <typename T>
T* AppendRecord(PpdParser& p, T*& head, T*& tail) {
  T* record = p.arena.New<T>();
  if (record == nullptr) return nullptr;
  if (tail != nullptr)
    tail->next = record;
  else
    head = record;
  tail = record;
  return record;
}

}  // namespace

int Protocols(PpdParser& p, PpdStatement& s) {
  p.protocols = static_cast<uint16_t>(p.protocols | TokenBits(kPpdProtocolNames, s.value));
  return kPpdOk;
}

int Extensions(PpdParser& p, PpdStatement& s) {
  uint16_t bits = TokenBits(kPpdExtensionNames, s.value);
  p.extensions = static_cast<uint16_t>(p.extensions | bits);
  if (bits & 2) p.colorDevice = 1;  // CMYK
  return kPpdOk;
}

int NickName(PpdParser& p, PpdStatement& s) { return PpdStoreString(p.arena, &p.nickName, s.value, true); }
int ExitServer(PpdParser& p, PpdStatement& s) { return PpdStoreString(p.arena, &p.exitServer, s.value, false); }
int Password(PpdParser& p, PpdStatement& s) { return PpdStoreString(p.arena, &p.password, s.value, false); }
int JclBegin(PpdParser& p, PpdStatement& s) { return PpdStoreString(p.arena, &p.jclBegin, s.value, true); }
int JclEnd(PpdParser& p, PpdStatement& s) { return PpdStoreString(p.arena, &p.jclEnd, s.value, true); }
int JclToPsInterpreter(PpdParser& p, PpdStatement& s) {
  return PpdStoreString(p.arena, &p.jclToPsInterpreter, s.value, true);
}

int LanguageLevel(PpdParser& p, PpdStatement& s) { return StoreInteger(s, &p.languageLevel); }
int SuggestedJobTimeout(PpdParser& p, PpdStatement& s) { return StoreInteger(s, &p.suggestedJobTimeout); }
int SuggestedWaitTimeout(PpdParser& p, PpdStatement& s) { return StoreInteger(s, &p.suggestedWaitTimeout); }
int FreeVm(PpdParser& p, PpdStatement& s) { return StoreInteger(s, &p.freeVm); }
int MaxMediaWidth(PpdParser& p, PpdStatement& s) { return StoreReal(s, &p.maxMediaWidth); }
int MaxMediaHeight(PpdParser& p, PpdStatement& s) { return StoreReal(s, &p.maxMediaHeight); }
int ScreenAngle(PpdParser& p, PpdStatement& s) { return StoreReal(s, &p.screenAngle); }
int ScreenFreq(PpdParser& p, PpdStatement& s) { return StoreReal(s, &p.screenFreq); }

int LanguageEncoding(PpdParser& p, PpdStatement& s) {
  StoreLookup(kPpdLanguageEncodings, s.value, &p.languageEncoding);
  return kPpdOk;
}

int LanguageVersion(PpdParser& p, PpdStatement& s) {
  // An explicit LanguageEncoding wins in either order.
  if (p.languageEncoding == 0) StoreLookup(kPpdLanguages, s.value, &p.languageEncoding);
  return kPpdOk;
}

int TtRasterizer(PpdParser& p, PpdStatement& s) {
  StoreLookup(kPpdTrueTypeRasterizers, s.value, &p.ttRasterizer);
  return kPpdOk;
}

int LandscapeOrientation(PpdParser& p, PpdStatement& s) {
  StoreLookup(kPpdLandscapeOrientations, s.value, &p.landscapeOrientation);
  return kPpdOk;
}

int TrueImageDevice(PpdParser& p, PpdStatement& s) {
  PpdParseBoolean(s.value, &p.trueImageDevice);
  return kPpdOk;
}

int AcceptsTrueType(PpdParser& p, PpdStatement& s) {
  PpdParseBoolean(s.value, &p.acceptsTrueType);
  return kPpdOk;
}

int HwMargins(PpdParser& p, PpdStatement& s) {
  PpdFixed margins[4];
  int result = PpdReadReals(s.value, margins, 4);
  if (result != kPpdOk) return result;
  std::memcpy(p.hwMargins, margins, sizeof margins);
  p.hasHwMargins = 1;
  return kPpdOk;
}

int CustomPageSize(PpdParser& p, PpdStatement& s) {
  uint32_t enabled = 0;
  PpdParseBoolean(s.optionKeyword, &enabled);
  if (!enabled) return kPpdOk;
  p.customPageSize = 1;
  return PpdStoreString(p.arena, &p.customPageSizeCode, s.value, false);
}

int ParamCustomPageSize(PpdParser& p, PpdStatement& s) {
  uint16_t param = 0;
  if (!PpdLookupName(kPpdCustomParamNames, s.optionKeyword, &param)) return kPpdOk;
  char token[kPpdTokenBufferSize];
  const char* cursor = s.value;
  uint32_t order = 0;
  if (PpdNextToken(&cursor, token) == 0) return kPpdSyntax;
  int result = PpdParseInteger(token, &order);
  if (result != kPpdOk) return result;
  if (order < 1 || order > 5) return kPpdSyntax;
  if (PpdNextToken(&cursor, token) == 0) return kPpdSyntax;
  uint16_t type = 0;
  if (!PpdLookupName(kPpdParamTypes, token, &type)) return kPpdOk;
  PpdFixed limits[2];
  result = PpdReadReals(cursor, limits, 2);
  if (result != kPpdOk) return result;
  PpdCustomParam& record = p.customParams[param];
  record.order = order;
  record.type = type;
  record.minimum = limits[0];
  record.maximum = limits[1];
  return kPpdOk;
}

int Font(PpdParser& p, PpdStatement& s) {
  uint16_t font_id = 0;
  PpdLookupName(kPpdStandardFonts, s.optionKeyword, &font_id);
  if (font_id == 0) return kPpdOk;
  if (font_id >= kPpdStandardFontRows || p.fontIdSeen[font_id]) return kPpdOk;  // first wins

  char token[kPpdTokenBufferSize];
  const char* cursor = s.value;
  uint16_t encoding = 0;
  uint16_t charset = 0;
  if (PpdNextToken(&cursor, token) > 0) {
    PpdLookupName(kPpdFontEncodings, token, &encoding);
    if (encoding < 9) {
      // Past the quoted version string, which may hold spaces.
      for (int quotes = 0; quotes < 2 && *cursor != '\0'; ++cursor)
        if (*cursor == '"') ++quotes;
      if (PpdNextToken(&cursor, token) > 0) PpdLookupName(kPpdFontCharsets, token, &charset);
    }
  }
  const char* translation = nullptr;
  if (s.translationLength > 0) {
    int result = PpdStoreString(p.arena, &translation, s.translation, true);
    if (result != kPpdOk) return result;
  }
  PpdFont* font = AppendRecord(p, p.fonts, p.fontsTail);
  if (font == nullptr || PpdStoreString(p.arena, &font->name, s.optionKeyword, false) != kPpdOk)
    return kPpdNoMemory;
  font->nameHash = PpdHashName(font->name);
  font->translation = translation;
  font->encoding = encoding;
  font->charset = charset;
  font->fontId = font_id;
  p.fontIdSeen[font_id] = true;
  return kPpdOk;
}

int OrderDependency(PpdParser& p, PpdStatement& s) {
  char token[kPpdTokenBufferSize];
  const char* cursor = s.value;
  PpdFixed order = 0;
  if (PpdNextToken(&cursor, token) == 0) return kPpdSyntax;
  int result = PpdParseReal(token, &order);
  if (result != kPpdOk) return result;
  if (PpdNextToken(&cursor, token) == 0) return kPpdSyntax;
  uint16_t section = 0;
  PpdLookupName(kPpdSectionNames, token, &section);
  PpdTokenView keyword, option;
  if (PpdNextTokenView(&cursor, &keyword) == 0 || !PpdStripStar(&keyword)) return kPpdSyntax;

  PpdOrderDependency* record = AppendRecord(p, p.orderList, p.orderTail);
  if (record == nullptr || (record->keyword = p.names.Intern(p.arena, keyword.text, keyword.length)) == nullptr)
    return kPpdNoMemory;
  ++p.orderCount;
  record->order = order;
  record->section = section;
  if (PpdNextTokenView(&cursor, &option) > 0 &&
      (record->option = p.names.Intern(p.arena, option.text, option.length)) == nullptr)
    return kPpdNoMemory;
  return kPpdOk;
}

int UiConstraints(PpdParser& p, PpdStatement& s) {
  PpdTokenView keyword1, option1, keyword2, option2;
  const char* cursor = s.value;
  if (PpdNextTokenView(&cursor, &keyword1) == 0 || !PpdStripStar(&keyword1)) return kPpdSyntax;
  if (PpdNextTokenView(&cursor, &keyword2) == 0) return kPpdSyntax;
  if (keyword2.text[0] != '*') {
    option1 = keyword2;
    if (PpdNextTokenView(&cursor, &keyword2) == 0) return kPpdSyntax;
  }
  if (!PpdStripStar(&keyword2)) return kPpdSyntax;
  PpdNextTokenView(&cursor, &option2);

  PpdConstraint* record = AppendRecord(p, p.constraintList, p.constraintTail);
  if (record == nullptr) return kPpdNoMemory;
  ++p.constraintCount;
  record->keyword1 = p.names.Intern(p.arena, keyword1.text, keyword1.length);
  record->keyword2 = p.names.Intern(p.arena, keyword2.text, keyword2.length);
  if (record->keyword1 == nullptr || record->keyword2 == nullptr) return kPpdNoMemory;
  if (option1.length > 0 && (record->option1 = p.names.Intern(p.arena, option1.text, option1.length)) == nullptr)
    return kPpdNoMemory;
  if (option2.length > 0 && (record->option2 = p.names.Intern(p.arena, option2.text, option2.length)) == nullptr)
    return kPpdNoMemory;
  return kPpdOk;
}

}  // namespace psui::handlers
