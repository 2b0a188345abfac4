// Flattening of the parse-time model into one block, and the fix-up that
// turns the offsets stored in the block into addresses.
#include "ppd/ppd_image_build.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace psui {

namespace {

// Records and strings start at multiples of a pointer's size, so that every
// link in the block is properly aligned on the 32-bit and 64-bit builds.
constexpr size_t kAlign = alignof(void*);
constexpr size_t RoundUp(size_t n) { return (n + kAlign - 1) & ~(kAlign - 1); }

// While the block is written, a link field holds the offset of its target
// (0 for none) in the bytes of the pointer.
template <typename T>
void StoreOffset(T** field, size_t offset) {
  uintptr_t value = offset;
  std::memcpy(field, &value, sizeof value);
}
template <typename T>
void StoreOffset(const T** field, size_t offset) {
  uintptr_t value = offset;
  std::memcpy(field, &value, sizeof value);
}

// The writer runs twice over the model: first with no block, only adding
// up sizes (and normalising the page sizes), then writing for real.
class Writer {
 public:
  explicit Writer(uint8_t* block) : block_(block) {}
  bool writing() const { return block_ != nullptr; }
  size_t size() const { return offset_; }

  // Reserves size bytes; returns their offset and, when writing, address.
  size_t Reserve(size_t size, void** at) {
    size_t offset = offset_;
    offset_ += RoundUp(size);
    *at = block_ != nullptr ? block_ + offset : nullptr;
    return offset;
  }

  // Copies a record; its address in the block (null while measuring).
  template <typename T>
  T* Record(const T* source, size_t size, size_t* offset) {
    void* at = nullptr;
    *offset = Reserve(size, &at);
    if (at != nullptr) std::memcpy(at, source, size);
    return static_cast<T*>(at);
  }

  // Copies a string and stores its offset (0 for an absent one) into the
  // field of a record already in the block.
  void String(const char** field, const char* text) {
    size_t offset = 0;
    if (text != nullptr) {
      size_t length = std::strlen(text) + 1;
      void* at = nullptr;
      offset = Reserve(length, &at);
      if (at != nullptr) std::memcpy(at, text, length);
    }
    if (field != nullptr) StoreOffset(field, offset);
  }

 private:
  uint8_t* block_;
  size_t offset_ = 0;
};

// A table index: the position, or kPpdNotFoundIndex.
uint16_t IndexOf(int position) { return position < 0 ? kPpdNotFoundIndex : static_cast<uint16_t>(position); }

// Finds keyword and option positions for the tables. Files with thousands
// of constraints make this the busiest part of the flattening, so every
// distinct name is resolved once, by binary search over (hash, name) arrays.
class PairResolver {
 public:
  explicit PairResolver(const PpdParser& p) {
    int position = 0;
    for (const PpdKeyword* k = p.keywords; k != nullptr; k = k->next)
      keywords_.push_back({k->nameHash, position++, k->name, k});
    Sort(keywords_);
    options_.resize(keywords_.size());
    options_built_.resize(keywords_.size(), false);
  }

  // Positions of a (keyword, option) pair; option null means the statement
  // named none. Each name remembers what it resolved to.
  void Find(PpdName* keyword, PpdName* option, uint16_t* keyword_index, uint16_t* option_index) {
    if (!keyword->resolved) {
      keyword->keywordEntry = Search(keywords_, keyword->text, keyword->hash);
      keyword->keywordPosition = keyword->keywordEntry < 0 ? -1 : keywords_[keyword->keywordEntry].position;
      keyword->resolved = true;
    }
    *keyword_index = IndexOf(keyword->keywordPosition);
    if (option == nullptr) {
      *option_index = kPpdNoOptionIndex;
    } else if (keyword->keywordEntry < 0) {
      *option_index = kPpdNotFoundIndex;
    } else {
      if (option->optionOf != keyword) {
        const std::vector<Entry>& options = OptionsOf(keyword->keywordEntry);
        int o = Search(options, option->text, option->hash);
        option->optionPosition = o < 0 ? -1 : options[o].position;
        option->optionOf = keyword;
      }
      *option_index = IndexOf(option->optionPosition);
    }
  }

 private:
  // Sorted by hash, then by position, so that the first of equal names
  // (the one a list walk would find) comes first.
  struct Entry {
    uint32_t hash;
    int position;
    const char* name;
    const void* record;
  };

  static void Sort(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
      return a.hash != b.hash ? a.hash < b.hash : a.position < b.position;
    });
  }

  // Index into entries of the first entry with that name, or -1.
  static int Search(const std::vector<Entry>& entries, const char* name, uint32_t hash) {
    auto it = std::lower_bound(entries.begin(), entries.end(), hash,
                               [](const Entry& e, uint32_t h) { return e.hash < h; });
    for (; it != entries.end() && it->hash == hash; ++it)
      if (std::strcmp(it->name, name) == 0) return static_cast<int>(it - entries.begin());
    return -1;
  }

  const std::vector<Entry>& OptionsOf(int found) {
    if (!options_built_[found]) {
      const auto* keyword = static_cast<const PpdKeyword*>(keywords_[found].record);
      int position = 0;
      for (const PpdOption* o = keyword->options; o != nullptr; o = o->next)
        options_[found].push_back({o->nameHash, position++, o->name, o});
      Sort(options_[found]);
      options_built_[found] = true;
    }
    return options_[found];
  }

  std::vector<Entry> keywords_;
  std::vector<std::vector<Entry>> options_;
  std::vector<bool> options_built_;
};

size_t TableEntries(size_t count) { return count > 0xFFFF ? 0xFFFF : count; }

void WriteOrderTable(const PpdParser& p, PairResolver* pairs, Writer& w, PpdImage* header) {
  size_t count = TableEntries(p.orderCount);
  void* at = nullptr;
  size_t offset = w.Reserve(sizeof(PpdOrderDependencyTable) + count * sizeof(PpdOrderDependencyEntry), &at);
  if (!w.writing()) return;
  StoreOffset(&header->orderDependencies, offset);
  auto* table = static_cast<PpdOrderDependencyTable*>(at);
  table->count = static_cast<uint16_t>(count);
  table->entrySize = sizeof(PpdOrderDependencyEntry);
  PpdOrderDependencyEntry* entry = table->entries();
  const PpdOrderDependency* d = p.orderList;
  for (size_t i = 0; i < count; ++i, d = d->next, ++entry) {
    pairs->Find(d->keyword, d->option, &entry->keywordIndex, &entry->optionIndex);
    if (entry->optionIndex == kPpdNotFoundIndex) entry->keywordIndex = kPpdNotFoundIndex;
    entry->order = d->order;
    entry->section = d->section;
  }
}

void WriteConstraintTable(const PpdParser& p, PairResolver* pairs, Writer& w, PpdImage* header) {
  size_t count = TableEntries(p.constraintCount);
  void* at = nullptr;
  size_t offset = w.Reserve(sizeof(PpdConstraintTable) + count * sizeof(PpdConstraintEntry), &at);
  if (!w.writing()) return;
  StoreOffset(&header->constraints, offset);
  auto* table = static_cast<PpdConstraintTable*>(at);
  table->count = static_cast<uint16_t>(count);
  table->entrySize = sizeof(PpdConstraintEntry);
  PpdConstraintEntry* entry = table->entries();
  const PpdConstraint* c = p.constraintList;
  for (size_t i = 0; i < count; ++i, c = c->next, ++entry) {
    pairs->Find(c->keyword1, c->option1, &entry->keyword1, &entry->option1);
    pairs->Find(c->keyword2, c->option2, &entry->keyword2, &entry->option2);
    if (entry->keyword1 == kPpdNotFoundIndex || entry->option1 == kPpdNotFoundIndex ||
        entry->keyword2 == kPpdNotFoundIndex || entry->option2 == kPpdNotFoundIndex)
      entry->keyword1 = kPpdNotFoundIndex;
  }
}

// Sizes without PaperDimension end with all zeros; the imageable area is
// clamped to the sheet and becomes the whole sheet when it is empty.
void NormalisePageSize(PpdPageSizeOption* size) {
  PpdFixed* area = size->imageableArea;
  if (size->width == 0 || size->height == 0) size->width = size->height = 0;
  if (area[2] > size->width) area[2] = size->width;
  if (area[3] > size->height) area[3] = size->height;
  if (area[0] >= area[2] || area[1] >= area[3]) {
    area[0] = area[1] = 0;
    area[2] = size->width;
    area[3] = size->height;
  }
}

// The address of a string field of a copy in the block, or null while
// measuring.
template <typename T, typename Base>
const char** FieldOf(T* copy, const char* Base::*member) {
  return copy != nullptr ? &(copy->*member) : nullptr;
}

PpdOption* WriteOption(const PpdKeyword& keyword, PpdOption* option, Writer& w, PpdOption** link) {
  if (!w.writing() && keyword.builtinIndex == kPpdPageSize)
    NormalisePageSize(static_cast<PpdPageSizeOption*>(option));
  size_t offset = 0;
  PpdOption* copy = w.Record(option, keyword.optionRecordSize, &offset);
  if (copy != nullptr) {
    StoreOffset(link, offset);
    StoreOffset(&copy->next, 0);
  }
  w.String(FieldOf(copy, &PpdOption::name), option->name);
  w.String(FieldOf(copy, &PpdOption::translation), option->translation);
  w.String(FieldOf(copy, &PpdOption::code), option->code);
  if (keyword.builtinIndex == kPpdPageSize) {
    auto* size = static_cast<PpdPageSizeOption*>(copy);
    w.String(FieldOf(size, &PpdPageSizeOption::regionCode), static_cast<PpdPageSizeOption*>(option)->regionCode);
  } else if (keyword.builtinIndex == kPpdResolution) {
    auto* resolution = static_cast<PpdResolutionOption*>(copy);
    auto* source = static_cast<PpdResolutionOption*>(option);
    w.String(FieldOf(resolution, &PpdResolutionOption::jclCode), source->jclCode);
    w.String(FieldOf(resolution, &PpdResolutionOption::setCode), source->setCode);
  }
  return copy;
}

PpdKeyword* WriteKeyword(PpdKeyword* keyword, Writer& w, PpdKeyword** link) {
  size_t offset = 0;
  PpdKeyword* copy = w.Record(keyword, sizeof(PpdKeyword), &offset);
  if (copy != nullptr) {
    StoreOffset(link, offset);
    StoreOffset(&copy->next, 0);
    StoreOffset(&copy->options, 0);
    int position = -1;
    PpdFindIndex<PpdOption>(keyword->options, keyword->defaultName, &position);
    copy->defaultOption = position < 0 ? 0 : static_cast<uintptr_t>(position);
  }
  w.String(FieldOf(copy, &PpdKeyword::name), keyword->name);
  w.String(FieldOf(copy, &PpdKeyword::translation), keyword->translation);
  PpdOption** option_link = copy != nullptr ? &copy->options : nullptr;
  for (PpdOption* o = keyword->options; o != nullptr; o = o->next) {
    PpdOption* option_copy = WriteOption(*keyword, o, w, option_link);
    if (option_copy != nullptr) option_link = &option_copy->next;
  }
  return copy;
}

PpdFont* WriteFont(const PpdFont* font, Writer& w, PpdFont** link) {
  size_t offset = 0;
  PpdFont* copy = w.Record(font, sizeof(PpdFont), &offset);
  if (copy != nullptr) {
    StoreOffset(link, offset);
    StoreOffset(&copy->next, 0);
  }
  w.String(FieldOf(copy, &PpdFont::name), font->name);
  w.String(FieldOf(copy, &PpdFont::translation), font->translation);
  return copy;
}

// One pass over the whole model, in image order.
void Walk(PpdParser& p, PairResolver* pairs, Writer& w) {
  size_t header_offset = 0;
  PpdImage* header = w.Record<PpdImage>(&p, sizeof(PpdImage), &header_offset);
  if (header != nullptr) {
    StoreOffset(&header->keywords, 0);
    StoreOffset(&header->fonts, 0);
    for (auto& slot : header->builtinKeywords) slot = nullptr;
  }
  const char* PpdImage::*const strings[] = {
      &PpdImage::ppdPath,    &PpdImage::nickName, &PpdImage::password,           &PpdImage::exitServer,
      &PpdImage::customPageSizeCode, &PpdImage::jclBegin, &PpdImage::jclToPsInterpreter, &PpdImage::jclEnd};
  for (auto field : strings) w.String(FieldOf(header, field), p.*field);
  WriteOrderTable(p, pairs, w, header);
  WriteConstraintTable(p, pairs, w, header);

  PpdKeyword** keyword_link = header != nullptr ? &header->keywords : nullptr;
  for (PpdKeyword* k = p.keywords; k != nullptr; k = k->next) {
    PpdKeyword* copy = WriteKeyword(k, w, keyword_link);
    if (copy != nullptr) keyword_link = &copy->next;
  }
  PpdFont** font_link = header != nullptr ? &header->fonts : nullptr;
  for (const PpdFont* f = p.fonts; f != nullptr; f = f->next) {
    PpdFont* copy = WriteFont(f, w, font_link);
    if (copy != nullptr) font_link = &copy->next;
  }
}

// The address for a stored offset: none for 0 or an offset past the block.
template <typename T>
void FixLink(T*& field, uint8_t* base, uint32_t size) {
  uintptr_t offset = 0;
  std::memcpy(&offset, &field, sizeof offset);
  field = (offset == 0 || offset > size) ? nullptr : reinterpret_cast<T*>(base + offset);
}

}  // namespace

PpdImage* PpdFlatten(PpdParser* parser) {
  Writer measure(nullptr);
  Walk(*parser, nullptr, measure);
  size_t size = measure.size();
  uint8_t* block = size <= UINT32_MAX ? static_cast<uint8_t*>(std::calloc(1, size)) : nullptr;
  if (block == nullptr) {
    PpdFreeParser(parser);
    return nullptr;
  }
  try {
    PairResolver pairs(*parser);
    Writer writer(block);
    Walk(*parser, &pairs, writer);
  } catch (const std::bad_alloc&) {
    std::free(block);
    PpdFreeParser(parser);
    return nullptr;
  }
  auto* image = reinterpret_cast<PpdImage*>(block);
  image->imageSize = static_cast<uint32_t>(size);
  image->formatVersion = 3;
  for (auto& slot : image->builtinKeywords) slot = nullptr;
  PpdFreeParser(parser);
  image->isImage = 1;
  PpdFixUp(image);
  return image;
}

void PpdFixUp(PpdImage* image) {
  auto* base = reinterpret_cast<uint8_t*>(image);
  uint32_t size = image->imageSize;
  FixLink(image->ppdPath, base, size);
  FixLink(image->nickName, base, size);
  FixLink(image->password, base, size);
  FixLink(image->exitServer, base, size);
  FixLink(image->customPageSizeCode, base, size);
  FixLink(image->jclBegin, base, size);
  FixLink(image->jclEnd, base, size);
  FixLink(image->jclToPsInterpreter, base, size);
  FixLink(image->keywords, base, size);
  FixLink(image->fonts, base, size);
  FixLink(image->orderDependencies, base, size);
  FixLink(image->constraints, base, size);
  for (PpdFont* f = image->fonts; f != nullptr; f = f->next) {
    FixLink(f->next, base, size);
    FixLink(f->name, base, size);
    FixLink(f->translation, base, size);
  }
  for (PpdKeyword* k = image->keywords; k != nullptr; k = k->next) {
    FixLink(k->next, base, size);
    FixLink(k->name, base, size);
    FixLink(k->translation, base, size);
    FixLink(k->options, base, size);
    if (k->builtinIndex < kPpdBuiltinCount) image->builtinKeywords[k->builtinIndex] = k;
    for (PpdOption* o = k->options; o != nullptr; o = o->next) {
      FixLink(o->next, base, size);
      FixLink(o->name, base, size);
      FixLink(o->translation, base, size);
      FixLink(o->code, base, size);
      if (k->builtinIndex == kPpdPageSize) {
        FixLink(static_cast<PpdPageSizeOption*>(o)->regionCode, base, size);
      } else if (k->builtinIndex == kPpdResolution) {
        FixLink(static_cast<PpdResolutionOption*>(o)->jclCode, base, size);
        FixLink(static_cast<PpdResolutionOption*>(o)->setCode, base, size);
      }
    }
  }
}

}  // namespace psui
