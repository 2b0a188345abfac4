// Handlers that build keywords and options: the built-in keywords'
// option statements, defaults, generic OpenUI blocks and the
// InstallableOptions group.
#include <cstring>

#include "ppd/ppd_parser.h"

namespace psui::handlers {

namespace {

template <typename T>
T* As(PpdOption* option) {
  return static_cast<T*>(option);
}

// FindOrCreateOption for handlers that need only the option.
int OptionOf(PpdParser& p, uint16_t index, const PpdStatement& s, PpdOption** option) {
  PpdKeyword* keyword = nullptr;
  return FindOrCreateOption(p, index, s, &keyword, option);
}

// The statement's value stored into a string field of its option.
template <typename T>
int StoreOptionString(PpdParser& p, const PpdStatement& s, uint16_t index, const char* T::*field,
                      bool decode = false) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, index, s, &o);
  if (result != kPpdOk) return result;
  return PpdStoreString(p.arena, &(As<T>(o)->*field), s.value, decode);
}

// The same for the three resolution statements, which also record which
// of them came last once their option is found.
int StoreResolutionString(PpdParser& p, const PpdStatement& s, const char* PpdResolutionOption::*field,
                          bool decode, uint16_t kind) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdResolution, s, &o);
  if (result != kPpdOk) return result;
  p.resolutionKind = kind;
  return PpdStoreString(p.arena, &(As<PpdResolutionOption>(o)->*field), s.value, decode);
}

PpdFixed AddOnePoint(PpdFixed value) { return value > 0xFFFFFFFFu - 256 ? 0xFFFFFFFFu : value + 256; }

}  // namespace

int PageSize(PpdParser& p, PpdStatement& s) {
  return StoreOptionString(p, s, kPpdPageSize, &PpdOption::code);
}

int PageRegion(PpdParser& p, PpdStatement& s) {
  return StoreOptionString(p, s, kPpdPageSize, &PpdPageSizeOption::regionCode);
}

int ImageableArea(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdPageSize, s, &o);
  if (result != kPpdOk) return result;
  PpdFixed area[4];
  result = PpdReadReals(s.value, area, 4);
  if (result != kPpdOk) return result;
  // The lower-left corner moves in by one point.
  auto* size = As<PpdPageSizeOption>(o);
  size->imageableArea[0] = AddOnePoint(area[0]);
  size->imageableArea[1] = AddOnePoint(area[1]);
  size->imageableArea[2] = area[2];
  size->imageableArea[3] = area[3];
  return kPpdOk;
}

int PaperDimension(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdPageSize, s, &o);
  if (result != kPpdOk) return result;
  PpdFixed dimension[2];
  result = PpdReadReals(s.value, dimension, 2);
  if (result != kPpdOk) return result;
  As<PpdPageSizeOption>(o)->width = dimension[0];
  As<PpdPageSizeOption>(o)->height = dimension[1];
  return kPpdOk;
}

int InputSlot(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdInputSlot, s, &o);
  if (result != kPpdOk) return result;
  As<PpdInputSlotOption>(o)->requiresPageRegion = 1;
  return PpdStoreString(p.arena, &o->code, s.value, false);
}

int RequiresPageRegion(PpdParser& p, PpdStatement& s) {
  if (std::strcmp(s.optionKeyword, "All") == 0) {
    uint32_t required = 0;
    int result = PpdParseBoolean(s.value, &required);
    if (result != kPpdOk) return result;
    PpdKeyword* slots = nullptr;
    result = FindOrCreateKeyword(p, kPpdInputSlot, s.mainKeyword, &slots);
    if (result != kPpdOk) return result;
    slots->flags |= required ? kPpdRequiresRegionAllTrue : kPpdRequiresRegionAllFalse;
    return kPpdOk;
  }
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdInputSlot, s, &o);
  if (result != kPpdOk) return result;
  PpdParseBoolean(s.value, &As<PpdInputSlotOption>(o)->requiresPageRegion);
  return kPpdOk;
}

int GenericOption(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdOrdinaryKeyword, s, &o);
  if (result != kPpdOk) return result;
  bool jcl = p.openUi != nullptr && (p.openUi->flags & kPpdJclKeyword);
  return PpdStoreString(p.arena, &o->code, s.value, jcl);
}

int Default(PpdParser& p, PpdStatement& s) {
  PpdKeyword* keyword = nullptr;
  int result = FindOrCreateKeyword(p, kPpdOrdinaryKeyword, s.mainKeyword + 7, &keyword);
  if (result != kPpdOk) return result;
  return PpdStoreString(p.arena, &keyword->defaultName, s.value, false);
}

int DefaultJclResolution(PpdParser& p, PpdStatement& s) {
  PpdKeyword* keyword = nullptr;
  int result = FindOrCreateKeyword(p, kPpdResolution, s.mainKeyword, &keyword);
  if (result != kPpdOk) return result;
  return PpdStoreString(p.arena, &keyword->defaultName, s.value, false);
}

int Resolution(PpdParser& p, PpdStatement& s) {
  return StoreResolutionString(p, s, &PpdOption::code, false, 0);
}

int JclResolution(PpdParser& p, PpdStatement& s) {
  return StoreResolutionString(p, s, &PpdResolutionOption::jclCode, true, 1);
}

int SetResolution(PpdParser& p, PpdStatement& s) {
  return StoreResolutionString(p, s, &PpdResolutionOption::setCode, false, 2);
}

int ResScreenAngle(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdResolution, s, &o);
  if (result != kPpdOk) return result;
  return PpdParseReal(s.value, &As<PpdResolutionOption>(o)->screenAngle);
}

int ResScreenFreq(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdResolution, s, &o);
  if (result != kPpdOk) return result;
  return PpdParseReal(s.value, &As<PpdResolutionOption>(o)->screenFreq);
}

int InstalledMemory(PpdParser& p, PpdStatement& s) {
  return StoreOptionString(p, s, kPpdVmOption, &PpdOption::code);
}

int VmOption(PpdParser& p, PpdStatement& s) {
  PpdOption* o = nullptr;
  int result = OptionOf(p, kPpdVmOption, s, &o);
  if (result != kPpdOk) return result;
  return PpdParseInteger(s.value, &As<PpdVmOption>(o)->vmSize);
}

int OpenGroup(PpdParser& p, PpdStatement& s) {
  if (!PpdMatchesToken(s.value, "InstallableOptions")) return kPpdOk;
  if (p.inInstallableGroup) return kPpdSyntax;
  p.inInstallableGroup = 1;
  return kPpdOk;
}

int CloseGroup(PpdParser& p, PpdStatement& s) {
  if (!PpdMatchesToken(s.value, "InstallableOptions")) return kPpdOk;
  if (!p.inInstallableGroup) return kPpdSyntax;
  p.inInstallableGroup = 0;
  return kPpdOk;
}

int OpenUi(PpdParser& p, PpdStatement& s) {
  p.openUi = nullptr;
  const char* name = PpdStripStar(s.optionKeyword);
  if (name == nullptr) return kPpdSyntax;
  uint16_t index = kPpdOrdinaryKeyword;
  int row = PpdFindKeywordRow(name);
  if (row >= 0) {
    index = kPpdKeywordTable[row].uiIndex;
    // Keywords such as Duplex collect their options through their own rows.
    if (index == kPpdOrdinaryKeyword) return kPpdOk;
  }
  uint16_t ui_type = kPpdUiPickOne;
  PpdLookupName(kPpdUiTypes, s.value, &ui_type);
  PpdKeyword* keyword = nullptr;
  int result = FindOrCreateKeyword(p, index, name, &keyword);
  if (result != kPpdOk) return result;
  keyword->uiType = ui_type;
  int translation_result = kPpdOk;
  if (s.translationLength > 0)
    translation_result = PpdStoreString(p.arena, &keyword->translation, s.translation, true);
  if (translation_result == kPpdNoMemory) return kPpdNoMemory;
  if (index == kPpdOrdinaryKeyword) {
    if (std::strncmp(s.mainKeyword, "JCL", 3) == 0) keyword->flags |= kPpdJclKeyword;
    // The block opens even when its translation is malformed, so that its
    // options are not lost.
    p.openUi = keyword;
  }
  return translation_result;
}

int CloseUi(PpdParser& p, PpdStatement& s) {
  uint32_t length = s.valueLength;
  while (length > 0 && (s.value[length - 1] == ' ' || s.value[length - 1] == '\t')) --length;
  s.value[length] = '\0';
  s.valueLength = length;
  const char* name = PpdStripStar(s.value);
  if (name == nullptr) return kPpdSyntax;
  if (p.openUi != nullptr && PpdMatchesToken(name, p.openUi->name)) {
    p.openUi = nullptr;
    return kPpdOk;
  }
  return PpdFindKeywordRow(name) >= 0 ? kPpdOk : kPpdSyntax;
}

}  // namespace psui::handlers
