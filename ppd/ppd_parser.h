// The parse-time object model: the statement loop, the keyword table that
// dispatches statements to their handlers, and the records the handlers
// build. The finished model is flattened into a PpdImage (ppd_flatten.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ppd/ppd_arena.h"
#include "ppd/ppd_image.h"
#include "ppd/ppd_names.h"
#include "ppd/ppd_reader.h"
#include "ppd/ppd_values.h"

namespace psui {

// Parse-time order dependency; becomes an entry of the image's table.
struct PpdOrderDependency {
  PpdOrderDependency* next;
  PpdName* keyword;  // without the star
  PpdName* option;   // null when the statement named none
  PpdFixed order;
  uint16_t section;
};

// Parse-time UI constraint; becomes an entry of the image's table.
struct PpdConstraint {
  PpdConstraint* next;
  PpdName* keyword1;
  PpdName* option1;  // null when the constraint names none
  PpdName* keyword2;
  PpdName* option2;
};

constexpr size_t kPpdKeywordRows = 72;

// The parse-time model. Its PpdImage part becomes the header of the image;
// everything lives in the arena and goes with the parser.
struct PpdParser : PpdImage {
  PpdArena arena;
  PpdKeyword* openUi = nullptr;  // keyword of the open generic OpenUI block
  PpdKeyword* keywordsTail = nullptr;
  PpdFont* fontsTail = nullptr;
  // Each standard font name has its own id, so an id seen before means the
  // name is already in the font list.
  bool fontIdSeen[kPpdStandardFontRows] = {};
  PpdOrderDependency* orderList = nullptr;
  PpdOrderDependency* orderTail = nullptr;
  size_t orderCount = 0;
  PpdConstraint* constraintList = nullptr;
  PpdConstraint* constraintTail = nullptr;
  size_t constraintCount = 0;
  bool handled[kPpdKeywordRows] = {};
  PpdNameTable names;  // keyword and option names of the two tables

  PpdParser();
};

using PpdHandler = int (*)(PpdParser& parser, PpdStatement& statement);

// Value kinds a row accepts.
enum class PpdValueRule : uint8_t { kAny, kQuoted, kQuotedOrString, kNonEmptyString };

struct PpdKeywordRow {
  const char* name;
  bool needsOption;
  PpdValueRule value;
  bool repeatable;
  uint16_t uiIndex;  // built-in keyword an OpenUI for this name declares; 7 = none
  PpdHandler handler;  // null: the statement is ignored
};

extern const PpdKeywordRow kPpdKeywordTable[kPpdKeywordRows];

// Row index of an exact, case-sensitive keyword name, or -1.
int PpdFindKeywordRow(const char* name);
// The same with the name's PpdHashName already known.
int PpdFindKeywordRow(const char* name, uint32_t hash);

// The option record kind of each built-in keyword and of ordinary ones.
struct PpdBuiltinKeyword {
  const char* name;
  uint32_t optionRecordSize;
  uint16_t uiType;
};
extern const PpdBuiltinKeyword kPpdBuiltinKeywords[kPpdBuiltinCount + 1];

// Compiles the statements of reader into a completed model, or null.
PpdParser* PpdParseFile(const char* path);
PpdParser* PpdParseBuffer(const uint8_t* data, size_t size, const char* path);

// Releases a parse-time model.
void PpdFreeParser(PpdParser* parser);

// Dispatches one statement; the result code of its handler, 0 when ignored.
int PpdDispatch(PpdParser& parser, PpdStatement& statement);

// Shared steps of the handlers.
int FindOrCreateKeyword(PpdParser& parser, uint16_t index, const char* name, PpdKeyword** keyword);
int FindOrCreateOption(PpdParser& parser, uint16_t index, const PpdStatement& statement,
                       PpdKeyword** keyword, PpdOption** option);

// Handlers referenced by the keyword table.
namespace handlers {
int Protocols(PpdParser& p, PpdStatement& s);
int NickName(PpdParser& p, PpdStatement& s);
int LanguageLevel(PpdParser& p, PpdStatement& s);
int LanguageEncoding(PpdParser& p, PpdStatement& s);
int LanguageVersion(PpdParser& p, PpdStatement& s);
int TtRasterizer(PpdParser& p, PpdStatement& s);
int TrueImageDevice(PpdParser& p, PpdStatement& s);
int AcceptsTrueType(PpdParser& p, PpdStatement& s);
int ExitServer(PpdParser& p, PpdStatement& s);
int Password(PpdParser& p, PpdStatement& s);
int SuggestedJobTimeout(PpdParser& p, PpdStatement& s);
int SuggestedWaitTimeout(PpdParser& p, PpdStatement& s);
int JclBegin(PpdParser& p, PpdStatement& s);
int JclToPsInterpreter(PpdParser& p, PpdStatement& s);
int JclEnd(PpdParser& p, PpdStatement& s);
int LandscapeOrientation(PpdParser& p, PpdStatement& s);
int Font(PpdParser& p, PpdStatement& s);
int CustomPageSize(PpdParser& p, PpdStatement& s);
int ParamCustomPageSize(PpdParser& p, PpdStatement& s);
int MaxMediaWidth(PpdParser& p, PpdStatement& s);
int MaxMediaHeight(PpdParser& p, PpdStatement& s);
int HwMargins(PpdParser& p, PpdStatement& s);
int ScreenAngle(PpdParser& p, PpdStatement& s);
int ScreenFreq(PpdParser& p, PpdStatement& s);
int FreeVm(PpdParser& p, PpdStatement& s);
int OrderDependency(PpdParser& p, PpdStatement& s);
int UiConstraints(PpdParser& p, PpdStatement& s);
int Extensions(PpdParser& p, PpdStatement& s);
// A boolean field; an unrecognised value stores 0 and still counts as
// handled.
template <uint32_t PpdImage::*Field>
int Boolean(PpdParser& p, PpdStatement& s) {
  PpdParseBoolean(s.value, &(p.*Field));
  return kPpdOk;
}

int PageSize(PpdParser& p, PpdStatement& s);
int PageRegion(PpdParser& p, PpdStatement& s);
int ImageableArea(PpdParser& p, PpdStatement& s);
int PaperDimension(PpdParser& p, PpdStatement& s);
int InputSlot(PpdParser& p, PpdStatement& s);
int RequiresPageRegion(PpdParser& p, PpdStatement& s);
int GenericOption(PpdParser& p, PpdStatement& s);
int Default(PpdParser& p, PpdStatement& s);
int DefaultJclResolution(PpdParser& p, PpdStatement& s);
int Resolution(PpdParser& p, PpdStatement& s);
int JclResolution(PpdParser& p, PpdStatement& s);
int SetResolution(PpdParser& p, PpdStatement& s);
int ResScreenAngle(PpdParser& p, PpdStatement& s);
int ResScreenFreq(PpdParser& p, PpdStatement& s);
int InstalledMemory(PpdParser& p, PpdStatement& s);
int VmOption(PpdParser& p, PpdStatement& s);
int OpenGroup(PpdParser& p, PpdStatement& s);
int CloseGroup(PpdParser& p, PpdStatement& s);
int OpenUi(PpdParser& p, PpdStatement& s);
int CloseUi(PpdParser& p, PpdStatement& s);
}  // namespace handlers

}  // namespace psui
