#include <cstring>

#include "ppd/ppd_parser.h"

namespace psui {

namespace {
using R = PpdValueRule;
constexpr R A = R::kAny;
constexpr R Q = R::kQuoted;
constexpr R QS = R::kQuotedOrString;
constexpr R S = R::kNonEmptyString;
constexpr bool kOpt = true;
constexpr bool kNoOpt = false;
constexpr bool kRep = true;
constexpr bool kOnce = false;
namespace h = handlers;
}  // namespace

// The recognised main keywords. A row that requires an option keyword
// refuses a statement without one and vice versa; a row that is not
// repeatable takes effect once per compile.
const PpdKeywordRow kPpdKeywordTable[kPpdKeywordRows] = {
    {"Include", kNoOpt, QS, kRep, 7, nullptr},  // no file inclusion
    {"ColorDevice", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::colorDevice>},
    {"EmailNotify", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::emailNotify>},
    {"JogDevice", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::jogDevice>},
    {"Overlay", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::overlay>},
    {"MultiOverlay", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::multiOverlay>},
    {"NUP", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::nup>},
    {"Booklet", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::booklet>},
    {"DoesPrintQuality", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::doesPrintQuality>},
    {"Reprint", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::reprint>},
    {"MiserDevice", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::miserDevice>},
    {"Protocols", kNoOpt, S, kRep, 7, h::Protocols},
    {"NickName", kNoOpt, QS, kOnce, 7, h::NickName},
    {"LanguageLevel", kNoOpt, QS, kOnce, 7, h::LanguageLevel},
    {"LanguageEncoding", kNoOpt, S, kOnce, 7, h::LanguageEncoding},
    {"LanguageVersion", kNoOpt, S, kOnce, 7, h::LanguageVersion},
    {"TTRasterizer", kNoOpt, S, kOnce, 7, h::TtRasterizer},
    {"TrueImageDevice", kNoOpt, S, kOnce, 7, h::TrueImageDevice},
    {"AcceptsTrueType", kNoOpt, S, kOnce, 7, h::AcceptsTrueType},
    {"ExitServer", kNoOpt, Q, kOnce, 7, h::ExitServer},
    {"Password", kNoOpt, Q, kOnce, 7, h::Password},
    {"SuggestedJobTimeout", kNoOpt, QS, kOnce, 7, h::SuggestedJobTimeout},
    {"SuggestedWaitTimeout", kNoOpt, QS, kOnce, 7, h::SuggestedWaitTimeout},
    {"PrintPSError", kNoOpt, S, kOnce, 7, h::Boolean<&PpdImage::printPsError>},
    {"JCLBegin", kNoOpt, QS, kOnce, 7, h::JclBegin},
    {"JCLToPSInterpreter", kNoOpt, QS, kOnce, 7, h::JclToPsInterpreter},
    {"JCLEnd", kNoOpt, QS, kOnce, 7, h::JclEnd},
    {"LandscapeOrientation", kNoOpt, S, kOnce, 7, h::LandscapeOrientation},
    {"Font", kOpt, S, kRep, 7, h::Font},
    {"CustomPageSize", kOpt, Q, kRep, 7, h::CustomPageSize},
    {"ParamCustomPageSize", kOpt, S, kRep, 7, h::ParamCustomPageSize},
    {"MaxMediaWidth", kNoOpt, QS, kOnce, 7, h::MaxMediaWidth},
    {"MaxMediaHeight", kNoOpt, QS, kOnce, 7, h::MaxMediaHeight},
    {"HWMargins", kNoOpt, S, kOnce, 7, h::HwMargins},
    {"PageSize", kOpt, Q, kRep, 0, h::PageSize},
    {"DefaultPageSize", kNoOpt, S, kOnce, 7, h::Default},
    {"PageRegion", kOpt, Q, kRep, 0, h::PageRegion},
    {"ImageableArea", kOpt, Q, kRep, 0, h::ImageableArea},
    {"PaperDimension", kOpt, Q, kRep, 0, h::PaperDimension},
    {"InputSlot", kOpt, Q, kRep, 1, h::InputSlot},
    {"DefaultInputSlot", kNoOpt, S, kOnce, 7, h::Default},
    {"RequiresPageRegion", kOpt, S, kRep, 1, h::RequiresPageRegion},
    {"Collate", kOpt, Q, kRep, 7, h::GenericOption},
    {"DefaultCollate", kNoOpt, S, kOnce, 7, h::Default},
    {"Duplex", kOpt, Q, kRep, 7, h::GenericOption},
    {"DefaultDuplex", kNoOpt, S, kOnce, 7, h::Default},
    {"ManualFeed", kOpt, Q, kRep, 7, h::GenericOption},
    {"DefaultManualFeed", kNoOpt, S, kOnce, 7, h::Default},
    {"Resolution", kOpt, Q, kRep, 5, h::Resolution},
    {"JCLResolution", kOpt, QS, kRep, 5, h::JclResolution},
    {"DefaultResolution", kNoOpt, S, kOnce, 7, h::Default},
    {"DefaultJCLResolution", kNoOpt, S, kOnce, 7, h::DefaultJclResolution},
    {"SetResolution", kOpt, Q, kRep, 5, h::SetResolution},
    {"ScreenAngle", kNoOpt, QS, kOnce, 7, h::ScreenAngle},
    {"ScreenFreq", kNoOpt, QS, kOnce, 7, h::ScreenFreq},
    {"ResScreenAngle", kOpt, QS, kRep, 7, h::ResScreenAngle},
    {"ResScreenFreq", kOpt, QS, kRep, 7, h::ResScreenFreq},
    {"FreeVM", kNoOpt, QS, kOnce, 7, h::FreeVm},
    {"InstalledMemory", kOpt, Q, kRep, 6, h::InstalledMemory},
    {"DefaultInstalledMemory", kNoOpt, S, kOnce, 7, h::Default},
    {"VMOption", kOpt, QS, kRep, 6, h::VmOption},
    {"OpenGroup", kNoOpt, S, kRep, 7, h::OpenGroup},
    {"CloseGroup", kNoOpt, S, kRep, 7, h::CloseGroup},
    {"OpenUI", kOpt, S, kRep, 7, h::OpenUi},
    {"CloseUI", kNoOpt, S, kRep, 7, h::CloseUi},
    {"JCLOpenUI", kOpt, S, kRep, 7, h::OpenUi},
    {"JCLCloseUI", kNoOpt, S, kRep, 7, h::CloseUi},
    {"OrderDependency", kNoOpt, S, kRep, 7, h::OrderDependency},
    {"UIConstraints", kNoOpt, S, kRep, 7, h::UiConstraints},
    {"Extensions", kNoOpt, S, kRep, 7, h::Extensions},
    {"End", kNoOpt, A, kRep, 7, nullptr},
    {"JCLRes", kOpt, QS, kRep, 7, nullptr},
};

const PpdBuiltinKeyword kPpdBuiltinKeywords[kPpdBuiltinCount + 1] = {
    {"PageSize", sizeof(PpdPageSizeOption), kPpdUiPickOne},
    {"InputSlot", sizeof(PpdInputSlotOption), kPpdUiPickOne},
    {"ManualFeed", sizeof(PpdOption), kPpdUiBoolean},
    {"Duplex", sizeof(PpdOption), kPpdUiPickOne},
    {"Collate", sizeof(PpdOption), kPpdUiBoolean},
    {"Resolution", sizeof(PpdResolutionOption), kPpdUiPickOne},
    {"VMOption", sizeof(PpdVmOption), kPpdUiPickOne},
    {nullptr, sizeof(PpdOption), kPpdUiPickOne},  // any other keyword
};

namespace {

// Open addressing keyed by PpdHashName, built once. Most statements of a
// file name keywords outside the table, so the table is kept sparse for
// short unsuccessful searches.
class KeywordIndex {
 public:
  static constexpr int kSlots = 512;
  static constexpr uint8_t kEmpty = kPpdKeywordRows;

  KeywordIndex() {
    for (auto& slot : slots_) slot = {0, kEmpty};
    for (uint8_t row = 0; row < kPpdKeywordRows; ++row) {
      uint32_t hash = PpdHashName(kPpdKeywordTable[row].name);
      int slot = Home(hash);
      while (slots_[slot].row != kEmpty) slot = (slot + 1) % kSlots;
      slots_[slot] = {hash, row};
    }
  }

  int Find(const char* name, uint32_t hash) const {
    for (int slot = Home(hash); slots_[slot].row != kEmpty;
         slot = (slot + 1) % kSlots) {
      if (slots_[slot].hash == hash && NamesMatch(kPpdKeywordTable[slots_[slot].row].name, name))
        return slots_[slot].row;
    }
    return -1;
  }

 private:
  static int Home(uint32_t hash) { return static_cast<int>(((hash ^ (hash >> 9)) * 0x9E3779B1u) >> 23); }

  // Equal hashes nearly always mean equal names; a byte loop confirms it
  // without the cost of a library call.
  static bool NamesMatch(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
  }

  struct Slot {
    uint32_t hash;
    uint8_t row;
  };
  Slot slots_[kSlots];
};

const KeywordIndex& Index() {
  static const KeywordIndex index;
  return index;
}

}  // namespace

int PpdFindKeywordRow(const char* name, uint32_t hash) { return Index().Find(name, hash); }

int PpdFindKeywordRow(const char* name) { return Index().Find(name, PpdHashName(name)); }

}  // namespace psui
