#include "ppd/ppd_parser.h"

#include <cstring>
#include <new>

namespace psui {

PpdParser::PpdParser() : PpdImage() {
  languageLevel = 1;
  suggestedWaitTimeout = 240;
  screenAngle = 45 * 256;
  screenFreq = 60 * 256;
}

namespace {

bool Accepts(const PpdKeywordRow& row, const PpdStatement& s) {
  if (row.needsOption != (s.optionKeywordLength > 0)) return false;
  switch (row.value) {
    case PpdValueRule::kAny: return true;
    case PpdValueRule::kQuoted: return s.valueKind == kPpdValueQuoted;
    case PpdValueRule::kQuotedOrString:
      return s.valueKind == kPpdValueQuoted || s.valueKind == kPpdValueString;
    case PpdValueRule::kNonEmptyString: return s.valueKind == kPpdValueString && s.valueLength > 0;
  }
  return false;
}

// Plain keywords keep their file order, then the installable ones keep
// theirs; every keyword learns its position within its group.
void ReorderKeywords(PpdParser& p) {
  PpdKeyword* plain = nullptr;
  PpdKeyword** plain_tail = &plain;
  PpdKeyword* installable = nullptr;
  PpdKeyword** installable_tail = &installable;
  uint16_t plain_count = 0;
  uint16_t installable_count = 0;
  for (PpdKeyword* k = p.keywords; k != nullptr;) {
    PpdKeyword* next = k->next;
    k->next = nullptr;
    if (k->installable) {
      k->groupIndex = installable_count++;
      *installable_tail = k;
      installable_tail = &k->next;
    } else {
      k->groupIndex = plain_count++;
      *plain_tail = k;
      plain_tail = &k->next;
    }
    k = next;
  }
  *plain_tail = installable;
  p.keywords = plain;
  p.keywordsTail = nullptr;
  p.plainKeywordCount = plain_count;
  p.installableKeywordCount = installable_count;
}

void Complete(PpdParser& p) {
  PpdKeyword* slots = p.builtinKeywords[kPpdInputSlot];
  if (slots != nullptr && (slots->flags & (kPpdRequiresRegionAllTrue | kPpdRequiresRegionAllFalse))) {
    uint32_t required = (slots->flags & kPpdRequiresRegionAllTrue) ? 1 : 0;
    for (PpdOption* o = slots->options; o != nullptr; o = o->next)
      static_cast<PpdInputSlotOption*>(o)->requiresPageRegion = required;
  }
  ReorderKeywords(p);
  if (p.freeVm < 102400) p.freeVm = 102400;
  if (p.maxMediaWidth == 0 && p.maxMediaHeight == 0) p.customPageSize = 0;
}

// True when the dispatcher would hand the statement to a handler; the
// reader then keeps its value. Decided on the main keyword alone, with the
// parser's state at that point, exactly as PpdDispatch decides.
bool Wanted(void* context, PpdStatement& s) {
  const auto& p = *static_cast<const PpdParser*>(context);
  const char* keyword = s.mainKeyword;
  if (keyword[0] == '?') return false;
  if (p.openUi != nullptr) {
    if (s.mainKeywordHash == p.openUi->nameHash && std::strcmp(keyword, p.openUi->name) == 0) return true;
    if (std::strncmp(keyword, "Default", 7) == 0 && std::strcmp(keyword + 7, p.openUi->name) == 0) return true;
  }
  s.keywordRow = PpdFindKeywordRow(keyword, s.mainKeywordHash);
  return s.keywordRow >= 0 && kPpdKeywordTable[s.keywordRow].handler != nullptr;
}

PpdParser* RunStatementLoop(PpdParser* parser, PpdReader& reader) {
  PpdStatement statement;
  const PpdStatementFilter filter{Wanted, parser};
  bool ok = reader.base() != nullptr && statement.value != nullptr;
  while (ok) {
    int result = PpdReadStatement(reader, statement, &filter);
    if (result == kPpdOk && !statement.skipped) result = PpdDispatch(*parser, statement);
    if (result == kPpdOk || result == kPpdSyntax) continue;
    ok = result == kPpdEndOfFile;
    break;
  }
  // The view is not needed past the loop; release it now rather than at exit.
  reader.Release();
  if (!ok) {
    PpdFreeParser(parser);
    return nullptr;
  }
  Complete(*parser);
  return parser;
}

PpdParser* NewParser(const char* path) {
  auto* parser = new (std::nothrow) PpdParser();
  if (parser == nullptr) return nullptr;
  if (PpdStoreString(parser->arena, &parser->ppdPath, path != nullptr ? path : "", false) != kPpdOk) {
    PpdFreeParser(parser);
    return nullptr;
  }
  return parser;
}

}  // namespace

PpdParser* PpdParseFile(const char* path) {
  PpdParser* parser = NewParser(path);
  if (parser == nullptr) return nullptr;
  PpdReader reader(path, &parser->fileCrc);
  return RunStatementLoop(parser, reader);
}

PpdParser* PpdParseBuffer(const uint8_t* data, size_t size, const char* path) {
  if (data == nullptr || size == 0 || size > UINT32_MAX) return nullptr;
  PpdParser* parser = NewParser(path);
  if (parser == nullptr) return nullptr;
  PpdReader reader(data, size, &parser->fileCrc);
  return RunStatementLoop(parser, reader);
}

void PpdFreeParser(PpdParser* parser) { delete parser; }

int PpdDispatch(PpdParser& p, PpdStatement& s) {
  const char* keyword = s.mainKeyword;
  if (keyword[0] == '?') return kPpdOk;  // query keywords
  if (p.openUi != nullptr) {
    if (s.mainKeywordHash == p.openUi->nameHash && std::strcmp(keyword, p.openUi->name) == 0)
      return handlers::GenericOption(p, s);
    if (std::strncmp(keyword, "Default", 7) == 0 && std::strcmp(keyword + 7, p.openUi->name) == 0)
      return handlers::Default(p, s);
  }
  int index = s.keywordRow >= -1 ? s.keywordRow : PpdFindKeywordRow(keyword, s.mainKeywordHash);
  if (index < 0) return kPpdOk;
  const PpdKeywordRow& row = kPpdKeywordTable[index];
  if (row.handler == nullptr) return kPpdOk;
  if (!Accepts(row, s)) return kPpdSyntax;
  if (p.handled[index] && !row.repeatable) return kPpdOk;
  int result = row.handler(p, s);
  if (result == kPpdOk) p.handled[index] = true;
  return result;
}

int FindOrCreateKeyword(PpdParser& p, uint16_t index, const char* name, PpdKeyword** keyword) {
  // The built-in names' hashes, computed once.
  static const struct BuiltinHashes {
    uint32_t hash[kPpdBuiltinCount];
    BuiltinHashes() {
      for (int i = 0; i < kPpdBuiltinCount; ++i) hash[i] = PpdHashName(kPpdBuiltinKeywords[i].name);
    }
  } builtin_hashes;
  uint32_t hash;
  if (index < kPpdBuiltinCount) {
    name = kPpdBuiltinKeywords[index].name;
    hash = builtin_hashes.hash[index];
  } else {
    index = kPpdOrdinaryKeyword;
    hash = PpdHashName(name);
    for (uint16_t i = 0; i < kPpdBuiltinCount; ++i) {
      if (builtin_hashes.hash[i] == hash && std::strcmp(name, kPpdBuiltinKeywords[i].name) == 0) {
        index = i;
        break;
      }
    }
  }
  for (PpdKeyword* k = p.keywords; k != nullptr; k = k->next) {
    if (k->nameHash == hash && std::strcmp(k->name, name) == 0) {
      *keyword = k;
      return kPpdOk;
    }
  }
  auto* k = p.arena.New<PpdKeyword>();
  if (k == nullptr || PpdStoreString(p.arena, &k->name, name, false) != kPpdOk) return kPpdNoMemory;
  k->nameHash = hash;
  k->builtinIndex = index;
  if (index < kPpdBuiltinCount) {
    p.builtinKeywords[index] = k;
    k->installable = index == kPpdVmOption ? 1 : 0;
  } else {
    k->installable = p.inInstallableGroup;
  }
  k->uiType = kPpdBuiltinKeywords[index].uiType;
  k->optionRecordSize = kPpdBuiltinKeywords[index].optionRecordSize;
  if (p.keywordsTail != nullptr)
    p.keywordsTail->next = k;
  else
    p.keywords = k;
  p.keywordsTail = k;
  *keyword = k;
  return kPpdOk;
}

int FindOrCreateOption(PpdParser& p, uint16_t index, const PpdStatement& s, PpdKeyword** keyword,
                       PpdOption** option) {
  PpdKeyword* k = nullptr;
  int result = FindOrCreateKeyword(p, index, s.mainKeyword, &k);
  if (result != kPpdOk) return result;
  *keyword = k;
  const char* name = s.optionKeyword;
  uint32_t hash = PpdHashName(name);
  PpdOption* last = nullptr;
  for (PpdOption* o = k->options; o != nullptr; o = o->next) {
    if (o->nameHash == hash && std::strcmp(o->name, name) == 0) {
      *option = o;
      // An option first seen without a translation takes the first one
      // a later statement gives.
      if (o->translation == nullptr && s.translationLength > 0)
        return PpdStoreString(p.arena, &o->translation, s.translation, true);
      return kPpdOk;
    }
    last = o;
  }
  auto* o = static_cast<PpdOption*>(p.arena.Allocate(k->optionRecordSize));
  if (o == nullptr || PpdStoreString(p.arena, &o->name, name, false) != kPpdOk) return kPpdNoMemory;
  if (s.translationLength > 0 && PpdStoreString(p.arena, &o->translation, s.translation, true) != kPpdOk)
    return kPpdNoMemory;
  o->nameHash = hash;
  if (last != nullptr)
    last->next = o;
  else
    k->options = o;
  *option = o;
  return kPpdOk;
}

uint32_t PpdHashName(const char* name) {
  uint32_t h = 0;
  if (name == nullptr) return h;
  auto* p = reinterpret_cast<const unsigned char*>(name);
  // Four bytes per step where the name allows: the same value as one byte
  // at a time, with a shorter dependency chain.
  while (p[0] != '\0' && p[1] != '\0' && p[2] != '\0' && p[3] != '\0') {
    h = (h << 4) ^ (uint32_t{p[0]} << 3) ^ (uint32_t{p[1]} << 2) ^ (uint32_t{p[2]} << 1) ^ p[3];
    p += 4;
  }
  for (; *p != '\0'; ++p) h = (h << 1) ^ *p;
  return h;
}

bool PpdNamesEqual(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return a == b;
  return std::strcmp(a, b) == 0;
}

}  // namespace psui
