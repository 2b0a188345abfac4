#include "tests/core/ppd/ppd_image_check.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace psui::test {

namespace {

class Checker {
 public:
  explicit Checker(const PpdImage& image)
      : image_(image), begin_(reinterpret_cast<uintptr_t>(&image)), end_(begin_ + image.imageSize) {}

  std::string Run() {
    if (image_.isImage != 1 || image_.formatVersion != 3) return "header marks";
    if (image_.imageSize < sizeof(PpdImage)) return "image size";
    const char* const strings[] = {image_.ppdPath, image_.nickName, image_.password, image_.exitServer,
                                   image_.customPageSizeCode, image_.jclBegin, image_.jclEnd,
                                   image_.jclToPsInterpreter};
    for (const char* s : strings)
      if (!String(s)) return "header string outside the image";
    if (image_.ppdPath == nullptr) return "no path";

    std::vector<const PpdKeyword*> keywords;
    for (const PpdKeyword* k = image_.keywords; k != nullptr; k = k->next) {
      if (!Record(k, sizeof *k) || keywords.size() > image_.imageSize) return "keyword record";
      keywords.push_back(k);
    }
    if (keywords.size() != size_t{image_.plainKeywordCount} + image_.installableKeywordCount)
      return "keyword counts";
    std::vector<size_t> option_counts;
    uint16_t plain = 0, installable = 0;
    for (size_t i = 0; i < keywords.size(); ++i) {
      const PpdKeyword* k = keywords[i];
      if (!String(k->name) || k->name == nullptr || !String(k->translation)) return "keyword string";
      if (k->builtinIndex > kPpdOrdinaryKeyword || k->uiType > kPpdUiPickMany) return "keyword kind";
      bool installable_group = i >= image_.plainKeywordCount;
      if ((k->installable != 0) != installable_group) return "keyword group order";
      if (k->groupIndex != (installable_group ? installable++ : plain++)) return "group index";
      if (k->builtinIndex < kPpdBuiltinCount && image_.builtinKeywords[k->builtinIndex] != k)
        return "builtin slot";
      size_t options = 0;
      for (const PpdOption* o = k->options; o != nullptr; o = o->next, ++options) {
        if (!Record(o, k->optionRecordSize) || options > image_.imageSize) return "option record";
        if (!String(o->name) || o->name == nullptr || !String(o->translation) || !String(o->code))
          return "option string";
        if (o->nameHash != PpdHashName(o->name)) return "option hash";
        if (k->builtinIndex == kPpdPageSize) {
          const auto* s = static_cast<const PpdPageSizeOption*>(o);
          const PpdFixed* a = s->imageableArea;
          if (!String(s->regionCode)) return "region code";
          if ((s->width == 0) != (s->height == 0)) return "paper dimension";
          if (a[0] >= a[2] && !(a[0] == 0 && a[2] == 0)) return "imageable area x";
          if (a[1] >= a[3] && !(a[1] == 0 && a[3] == 0)) return "imageable area y";
          if (a[2] > s->width || a[3] > s->height) return "imageable area outside the sheet";
        } else if (k->builtinIndex == kPpdResolution) {
          const auto* r = static_cast<const PpdResolutionOption*>(o);
          if (!String(r->jclCode) || !String(r->setCode)) return "resolution code";
        }
      }
      if (k->options != nullptr && k->defaultOption >= options) return "default position";
      if (k->nameHash != PpdHashName(k->name)) return "keyword hash";
      option_counts.push_back(options);
    }
    for (int i = 0; i < kPpdBuiltinCount; ++i) {
      const PpdKeyword* slot = image_.builtinKeywords[i];
      if (slot != nullptr && slot->builtinIndex != i) return "builtin slot kind";
    }
    size_t fonts = 0;
    for (const PpdFont* f = image_.fonts; f != nullptr; f = f->next, ++fonts) {
      if (!Record(f, sizeof *f) || fonts > image_.imageSize) return "font record";
      if (!String(f->name) || f->name == nullptr || !String(f->translation)) return "font string";
      if (f->fontId < 1 || f->fontId > 168) return "font id";
    }

    auto pair_ok = [&](uint16_t keyword, uint16_t option) {
      if (keyword == kPpdNotFoundIndex) return true;
      if (keyword >= keywords.size()) return false;
      return option == kPpdNoOptionIndex || option < option_counts[keyword];
    };
    if (const PpdOrderDependencyTable* t = image_.orderDependencies) {
      if (!Record(t, sizeof *t + size_t{t->count} * sizeof(PpdOrderDependencyEntry)) ||
          t->entrySize != 12)
        return "order table";
      for (uint16_t i = 0; i < t->count; ++i)
        if (!pair_ok(t->entries()[i].keywordIndex, t->entries()[i].optionIndex)) return "order index";
    }
    if (const PpdConstraintTable* t = image_.constraints) {
      if (!Record(t, sizeof *t + size_t{t->count} * sizeof(PpdConstraintEntry)) || t->entrySize != 8)
        return "constraint table";
      for (uint16_t i = 0; i < t->count; ++i) {
        const PpdConstraintEntry& e = t->entries()[i];
        if (e.keyword1 == kPpdNotFoundIndex) continue;
        if (!pair_ok(e.keyword1, e.option1) || !pair_ok(e.keyword2, e.option2) ||
            e.keyword2 == kPpdNotFoundIndex)
          return "constraint index";
      }
    }
    return "";
  }

 private:
  bool Inside(uintptr_t at, size_t size) const { return at > begin_ && at <= end_ && size <= end_ - at; }
  bool Record(const void* record, size_t size) const {
    auto at = reinterpret_cast<uintptr_t>(record);
    return Inside(at, size) && at % alignof(void*) == 0;
  }
  // Absent, or terminated inside the block.
  bool String(const char* s) const {
    if (s == nullptr) return true;
    auto at = reinterpret_cast<uintptr_t>(s);
    if (!Inside(at, 1)) return false;
    return std::memchr(s, '\0', end_ - at) != nullptr;
  }

  const PpdImage& image_;
  uintptr_t begin_;
  uintptr_t end_;
};

}  // namespace

std::string CheckImageStructure(const PpdImage& image) { return Checker(image).Run(); }

}  // namespace psui::test
