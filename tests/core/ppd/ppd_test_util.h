// Helpers shared by the PPD tests: compiling text held in the test, and
// reading back what the reader cut.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ppd/ppd_image.h"
#include "ppd/ppd_parser.h"
#include "ppd/ppd_reader.h"

namespace psui::test {

// A path in the test's temporary folder that no other test run uses: test
// runs of several build trees may share one temporary folder.
inline std::string UniqueTempPath(const std::string& name) {
  static const std::string tag =
      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  return ::testing::TempDir() + "psui_" + tag + "_" + name;
}

struct ImageDeleter {
  void operator()(PpdImage* image) const { PpdFreeImage(image); }
};
using ImagePtr = std::unique_ptr<PpdImage, ImageDeleter>;

inline ImagePtr Compile(const std::string& text, const char* path = "test.ppd") {
  return ImagePtr(PpdCompileBuffer(reinterpret_cast<const uint8_t*>(text.data()), text.size(), path));
}

struct ParserDeleter {
  void operator()(PpdParser* parser) const { PpdFreeParser(parser); }
};
using ParserPtr = std::unique_ptr<PpdParser, ParserDeleter>;

inline ParserPtr Parse(const std::string& text) {
  return ParserPtr(PpdParseBuffer(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "test.ppd"));
}

// One statement as the reader delivered it, or the result code alone.
struct Cut {
  int result;
  std::string main, option, translation, value;
  int kind;
};

inline std::vector<Cut> CutAll(const std::string& text) {
  std::vector<Cut> cuts;
  uint16_t crc = 0;
  PpdReader reader(reinterpret_cast<const uint8_t*>(text.data()), text.size(), &crc);
  PpdStatement s;
  for (int guard = 0; guard < 1000; ++guard) {
    int result = PpdReadStatement(reader, s);
    if (result == kPpdEndOfFile) break;
    cuts.push_back({result, s.mainKeyword, s.optionKeyword, s.translation,
                    std::string(s.value, s.valueLength), s.valueKind});
    if (result == kPpdNoMemory) break;
  }
  return cuts;
}

inline const PpdKeyword* Keyword(const PpdImage& image, const char* name) {
  return image.FindKeyword(name);
}

inline const PpdOption* Option(const PpdImage& image, const char* keyword, const char* option) {
  const PpdKeyword* k = image.FindKeyword(keyword);
  return k != nullptr ? PpdFindOption(k->options, option) : nullptr;
}

inline std::vector<std::string> OptionNames(const PpdImage& image, const char* keyword) {
  std::vector<std::string> names;
  const PpdOption* o = nullptr;
  image.FindOptions(keyword, &o);
  for (; o != nullptr; o = o->next) names.push_back(o->name);
  return names;
}

inline std::string Str(const char* text) { return text != nullptr ? text : "(null)"; }

}  // namespace psui::test
