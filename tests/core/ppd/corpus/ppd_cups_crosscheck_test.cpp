// Compares every corpus file's image with libcups' reading of the same
// file: PageSize names in order, sizes and imageable areas, the PageSize
// and Resolution defaults, ColorDevice and the constraint count. Where
// this grammar answers differently on purpose, the difference is put in
// its class and counted; any other difference fails the test.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ppd/ppd_image.h"
#include "tests/core/ppd/ppd_test_util.h"
#include "tests/core/ppd/corpus/corpus_files.h"

namespace psui {
namespace {

// The difference classes that this grammar produces on purpose.
const char* const kCustomChoice = "cups adds or renames Custom PageSize choices";
const char* const kNonUiConstraints = "cups counts NonUIConstraints";
const char* const kSizeFromOtherStatements = "sizes named only by PageRegion/ImageableArea/PaperDimension";
const char* const kLatePageSize = "PageSize line skipped for high bytes: option later, without code";
const char* const kDefaultNamesNoOption = "default naming no option is position 0";
const char* const kResolutionMerged = "Resolution merged from other statements";
const char* const kCupsTranslations = "cups fills in or converts translations";

// The file's own text, scanned once.
class FileText {
 public:
  explicit FileText(const std::string& path) {
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
      char buffer[65536];
      size_t n;
      while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes_.append(buffer, n);
      std::fclose(f);
    }
    size_t at = 0;
    while (at < bytes_.size()) {
      size_t end = bytes_.find_first_of("\r\n", at);
      if (end == std::string::npos) end = bytes_.size();
      ScanLine(std::string_view(bytes_).substr(at, end - at));
      at = end + 1;
    }
  }

  bool Has(const std::string& needle) const { return bytes_.find(needle) != std::string::npos; }
  size_t Count(const std::string& needle) const {
    size_t n = 0;
    for (size_t at = bytes_.find(needle); at != std::string::npos; at = bytes_.find(needle, at + 1)) ++n;
    return n;
  }
  // A "*PageSize NAME" line that holds a byte of 0x80 or above.
  bool PageSizeLineHasHighBytes(const std::string& name) const {
    return std::find(high_page_sizes_.begin(), high_page_sizes_.end(), name) != high_page_sizes_.end();
  }
  const std::string& encoding() const { return encoding_; }

 private:
  void ScanLine(std::string_view line) {
    constexpr std::string_view kPageSize = "*PageSize ";
    constexpr std::string_view kEncoding = "*LanguageEncoding:";
    if (line.substr(0, kPageSize.size()) == kPageSize) {
      bool high = false;
      for (unsigned char c : line) high |= c >= 0x80;
      if (high) {
        std::string_view rest = line.substr(kPageSize.size());
        high_page_sizes_.emplace_back(rest.substr(0, rest.find_first_of("/: \t")));
      }
    } else if (encoding_.empty() && line.substr(0, kEncoding.size()) == kEncoding) {
      std::string_view rest = line.substr(kEncoding.size());
      size_t start = rest.find_first_not_of(" \t");
      if (start != std::string_view::npos) encoding_ = std::string(rest.substr(start, rest.find_first_of(" \t", start) - start));
    }
  }

  std::string bytes_;
  std::vector<std::string> high_page_sizes_;
  std::string encoding_;
};

// Converts translations from a file's language encoding to UTF-8, the
// way libcups presents them. Opening a converter loads and maps its module,
// so one is kept per encoding for the whole run.
class Utf8Converter {
 public:
  ~Utf8Converter() {
    for (auto& [name, cd] : converters_)
      if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }

  std::string Convert(const std::string& text, const std::string& encoding) {
    const char* from = "ISO-8859-1";
    if (encoding == "ISOLatin2") from = "ISO-8859-2";
    else if (encoding == "ISOLatin5") from = "ISO-8859-9";
    else if (encoding == "JIS83-RKSJ") from = "SHIFT_JISX0213";
    else if (encoding == "MacStandard") from = "MACINTOSH";
    else if (encoding == "WindowsANSI") from = "CP1252";
    auto found = converters_.find(from);
    if (found == converters_.end()) found = converters_.emplace(from, iconv_open("UTF-8", from)).first;
    iconv_t cd = found->second;
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    size_t in_left = text.size();
    char* op = out.data();
    size_t out_left = out.size();
    if (iconv(cd, &in, &in_left, &op, &out_left) == static_cast<size_t>(-1)) return text;
    out.resize(out.size() - out_left);
    return out;
  }

 private:
  std::map<std::string, iconv_t> converters_;
};

// What libcups made of one file, as cups_facts prints it.
struct CupsSize {
  double width = 0, length = 0, left = 0, bottom = 0, right = 0, top = 0;
};
struct CupsFacts {
  std::string file;
  bool ok = false;
  int color_device = 0;
  int num_consts = 0;
  int variable_sizes = 0;
  std::map<std::string, std::string> defaults;  // only for options that exist
  std::vector<std::pair<std::string, std::string>> choices;  // PageSize name, text
  std::map<std::string, CupsSize> sizes;
};

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    char c = text[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

// Reads the next file's facts; false at the end of the stream.
bool ReadFacts(FILE* in, CupsFacts* facts) {
  *facts = CupsFacts();
  char* line = nullptr;
  size_t capacity = 0;
  bool started = false;
  ssize_t n;
  while ((n = getline(&line, &capacity, in)) > 0) {
    std::string text(line, static_cast<size_t>(n));
    if (!text.empty() && text.back() == '\n') text.pop_back();
    auto rest = [&](size_t skip) { return text.size() > skip ? text.substr(skip) : std::string(); };
    if (text.compare(0, 5, "FILE ") == 0) {
      facts->file = rest(5);
      started = true;
    } else if (text == "STATUS ok") {
      facts->ok = true;
    } else if (text.compare(0, 6, "COLOR ") == 0) {
      facts->color_device = std::atoi(text.c_str() + 6);
    } else if (text.compare(0, 7, "CONSTS ") == 0) {
      facts->num_consts = std::atoi(text.c_str() + 7);
    } else if (text.compare(0, 9, "VARIABLE ") == 0) {
      facts->variable_sizes = std::atoi(text.c_str() + 9);
    } else if (text.compare(0, 8, "DEFAULT ") == 0) {
      std::string body = rest(8);
      size_t space = body.find(' ');
      facts->defaults[body.substr(0, space)] = space == std::string::npos ? "" : Unescape(body.substr(space + 1));
    } else if (text.compare(0, 7, "CHOICE ") == 0) {
      std::string body = rest(7);
      size_t tab = body.find('\t');
      facts->choices.emplace_back(Unescape(body.substr(0, tab)),
                                  tab == std::string::npos ? "" : Unescape(body.substr(tab + 1)));
    } else if (text.compare(0, 5, "SIZE ") == 0) {
      char name[64];
      CupsSize size;
      if (std::sscanf(text.c_str() + 5, "%63s %lf %lf %lf %lf %lf %lf", name, &size.width, &size.length,
                      &size.left, &size.bottom, &size.right, &size.top) == 7 &&
          facts->sizes.count(name) == 0)
        facts->sizes[name] = size;
    } else if (text == "END" && started) {
      std::free(line);
      return true;
    }
  }
  std::free(line);
  return false;
}

struct Comparison {
  Utf8Converter* utf8;
  std::map<std::string, size_t>* classes;
  std::vector<std::string>* failures;
  std::string file;
  std::vector<const char*> seen;  // classes already counted for this file

  void Count(const char* name) {
    if (std::find(seen.begin(), seen.end(), name) == seen.end()) {
      seen.push_back(name);
      ++(*classes)[name];
    }
  }
  void Fail(const std::string& what) { failures->push_back(file + ": " + what); }
};

double Points(PpdFixed value) { return value / 256.0; }

bool Near(double ours, double theirs) { return std::fabs(ours - theirs) <= 1.0 / 256 + 0.01; }

// The imageable area libcups reports, moved through this compiler's
// transform: the lower-left corner in by one point, clamped to the sheet,
// the whole sheet when empty.
void ExpectedArea(const CupsSize& size, double* area, double* width, double* height) {
  auto fixed = [](double v) { return v <= 0 ? 0.0 : std::floor(v * 256.0 + 0.5) / 256.0; };
  *width = fixed(size.width);
  *height = fixed(size.length);
  if (*width == 0 || *height == 0) *width = *height = 0;
  area[0] = fixed(size.left) + 1;
  area[1] = fixed(size.bottom) + 1;
  area[2] = std::min(fixed(size.right), *width);
  area[3] = std::min(fixed(size.top), *height);
  if (area[0] >= area[2] || area[1] >= area[3]) {
    area[0] = area[1] = 0;
    area[2] = *width;
    area[3] = *height;
  }
}

void ComparePageSizes(Comparison& c, const PpdImage& image, const CupsFacts& cups, const FileText& text) {
  std::vector<const PpdPageSizeOption*> ours;
  const PpdOption* o = nullptr;
  image.FindOptions("PageSize", &o);
  for (; o != nullptr; o = o->next) ours.push_back(static_cast<const PpdPageSizeOption*>(o));
  std::vector<std::string> theirs;
  std::vector<std::string> their_texts;
  {
    for (size_t i = 0; i < cups.choices.size(); ++i) {
      std::string name = cups.choices[i].first;
      // libcups' own choice for custom sizes; a real "Custom..." choice of
      // the file is renamed "_Custom..." instead.
      if (cups.variable_sizes && name == "Custom") {
        c.Count(kCustomChoice);
        continue;
      }
      if (name.compare(0, 7, "_Custom") == 0) {
        c.Count(kCustomChoice);
        name.erase(0, 1);
      }
      theirs.push_back(name);
      their_texts.push_back(cups.choices[i].second);
    }
  }
  // Names in ours but not in cups' PageSize choices.
  std::vector<std::string> our_names;
  for (const auto* size : ours) {
    if (std::find(theirs.begin(), theirs.end(), size->name) != theirs.end()) {
      our_names.push_back(size->name);
    } else if (size->code == nullptr &&
               (text.Has("*PageRegion " + std::string(size->name)) ||
                text.Has("*ImageableArea " + std::string(size->name)) ||
                text.Has("*PaperDimension " + std::string(size->name)))) {
      c.Count(text.PageSizeLineHasHighBytes(size->name) ? kLatePageSize : kSizeFromOtherStatements);
    } else {
      c.Fail(std::string("PageSize option only here: ") + size->name);
    }
  }
  // cups' choices must all be here, in the same order.
  std::vector<std::string> expected;
  for (const std::string& name : theirs) {
    if (std::find(our_names.begin(), our_names.end(), name) != our_names.end()) {
      expected.push_back(name);
    } else if (text.PageSizeLineHasHighBytes(name)) {
      c.Count(kLatePageSize);
    } else {
      c.Fail("PageSize option missing here: " + name);
    }
  }
  if (expected != our_names) {
    // The same names in another order: options that arrived late because
    // their PageSize line was skipped.
    std::vector<std::string> late;
    for (const auto* size : ours)
      if (size->code == nullptr && text.PageSizeLineHasHighBytes(size->name)) late.push_back(size->name);
    auto strip = [&](std::vector<std::string> names) {
      names.erase(std::remove_if(names.begin(), names.end(),
                                 [&](const std::string& n) {
                                   return std::find(late.begin(), late.end(), n) != late.end();
                                 }),
                  names.end());
      return names;
    };
    if (!late.empty() && strip(expected) == strip(our_names))
      c.Count(kLatePageSize);
    else
      c.Fail("PageSize order differs");
  }

  for (const auto* size : ours) {
    auto it = std::find(theirs.begin(), theirs.end(), size->name);
    if (it == theirs.end()) continue;
    auto found = cups.sizes.find(size->name);
    CupsSize cups_size = found != cups.sizes.end() ? found->second : CupsSize();
    double area[4], width, height;
    ExpectedArea(cups_size, area, &width, &height);
    if (!Near(Points(size->width), width) || !Near(Points(size->height), height))
      c.Fail(std::string("size of ") + size->name);
    for (int i = 0; i < 4; ++i)
      if (!Near(Points(size->imageableArea[i]), area[i])) {
        char detail[200];
        std::snprintf(detail, sizeof detail, "imageable area of %s [%d]: %.3f here, %.3f expected", size->name, i,
                      Points(size->imageableArea[i]), area[i]);
        c.Fail(detail);
        break;
      }
    const std::string& their_text = their_texts[static_cast<size_t>(it - theirs.begin())];
    std::string our_text = size->translation != nullptr ? size->translation : "";
    if (our_text != their_text) {
      if ((size->translation == nullptr && their_text == size->name) || c.utf8->Convert(our_text, text.encoding()) == their_text)
        c.Count(kCupsTranslations);
      else
        c.Fail(std::string("translation of ") + size->name + ": '" + our_text + "' vs '" + their_text + "'");
    }
  }
}

std::string DefaultName(const PpdImage& image, const char* keyword) {
  const PpdOption* option = image.DefaultOption(image.FindKeyword(keyword));
  return option != nullptr ? option->name : "";
}

void CompareDefault(Comparison& c, const PpdImage& image, const CupsFacts& cups, const char* keyword,
                    const FileText& text) {
  std::string ours = DefaultName(image, keyword);
  auto found = cups.defaults.find(keyword);
  bool cups_has_option = found != cups.defaults.end();
  std::string theirs = cups_has_option ? found->second : "";
  if (ours == theirs) return;
  const PpdKeyword* k = image.FindKeyword(keyword);
  bool theirs_exists = k != nullptr && PpdFindOption(k->options, theirs.c_str()) != nullptr;
  bool cups_choice_exists = false;
  if (std::strcmp(keyword, "PageSize") == 0)
    for (const auto& choice : cups.choices) cups_choice_exists |= choice.first == theirs;
  if (!theirs_exists && k != nullptr && k->defaultOption == 0 && !theirs.empty() && !cups_choice_exists) {
    c.Count(kDefaultNamesNoOption);
    return;
  }
  if (std::strcmp(keyword, "Resolution") == 0 &&
      (!text.Has("\n*OpenUI *Resolution") || text.Has("\n*JCLResolution") || text.Has("\n*SetResolution") ||
       text.Has("\n*DefaultJCLResolution"))) {
    c.Count(kResolutionMerged);
    return;
  }
  c.Fail(std::string("default ") + keyword + ": '" + ours + "' vs '" + theirs + "'");
}

TEST(PpdCupsCrossCheck, AgreesWithLibcupsExceptForTheKnownClasses) {
  std::vector<std::string> files = test::CorpusFiles();
  ASSERT_GE(files.size(), test::CorpusMinimumFiles()) << "corpus folder: " << test::CorpusFolder();
  const std::string cups_facts = test::ExtraArgument();
  ASSERT_FALSE(cups_facts.empty()) << "usage: ppd_cups_crosscheck_test CORPUS MIN CUPS_FACTS";
  std::string list = test::UniqueTempPath("cups_crosscheck_files.txt");
  {
    FILE* out = std::fopen(list.c_str(), "w");
    ASSERT_NE(out, nullptr);
    for (const std::string& file : files) std::fprintf(out, "%s\n", file.c_str());
    std::fclose(out);
  }
  FILE* facts_stream = popen((cups_facts + " < " + list).c_str(), "r");
  ASSERT_NE(facts_stream, nullptr);

  Utf8Converter utf8;
  std::map<std::string, size_t> classes;
  std::vector<std::string> failures;
  size_t agreeing = 0;
  for (const std::string& file : files) {
    Comparison c{&utf8, &classes, &failures, file, {}};
    size_t failures_before = failures.size();
    CupsFacts cups;
    if (!ReadFacts(facts_stream, &cups) || cups.file != file) {
      c.Fail("no facts from libcups");
      break;
    }
    FileText text(file);
    PpdImage* image = PpdCompile(file.c_str());
    if (image == nullptr || !cups.ok) {
      c.Fail(image == nullptr ? "does not compile here" : "libcups cannot read it");
    } else {
      ComparePageSizes(c, *image, cups, text);
      CompareDefault(c, *image, cups, "PageSize", text);
      CompareDefault(c, *image, cups, "Resolution", text);
      if ((image->colorDevice != 0) != (cups.color_device != 0)) c.Fail("ColorDevice");
      int ours = image->constraints != nullptr ? image->constraints->count : 0;
      if (ours != cups.num_consts) {
        if (cups.num_consts == ours + static_cast<int>(text.Count("\n*NonUIConstraints:")))
          c.Count(kNonUiConstraints);
        else
          c.Fail("constraint count " + std::to_string(ours) + " vs " + std::to_string(cups.num_consts));
      }
    }
    if (c.seen.empty() && failures.size() == failures_before) ++agreeing;
    PpdFreeImage(image);
  }
  pclose(facts_stream);
  std::remove(list.c_str());
  std::printf("files %zu, in full agreement %zu\n", files.size(), agreeing);
  for (const auto& [name, count] : classes) std::printf("  %6zu files: %s\n", count, name.c_str());
  for (size_t i = 0; i < failures.size() && i < 40; ++i) ADD_FAILURE() << failures[i];
  EXPECT_TRUE(failures.empty()) << failures.size() << " unexplained differences";
}

}  // namespace
}  // namespace psui
