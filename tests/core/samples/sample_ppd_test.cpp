// The project's sample PPD files: within the limits of this system's PPD
// grammar, valid for libcups, and holding what the pages look up.
#include <gtest/gtest.h>

#include <cups/ppd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string kSamples = PSUI_SAMPLES_DIR;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool MainKeywordByte(unsigned char c) { return c >= 0x21 && c <= 0x7E && c != ':'; }
bool OptionByte(unsigned char c) { return MainKeywordByte(c) && c != '/'; }
bool TranslationByte(unsigned char c) { return c == ' ' || c == '\t' || MainKeywordByte(c); }

// Hex notation as the translations use it: <E0> pairs of hex digits.
bool HexNotationIsWellFormed(const std::string& text) {
  bool in_hex = false;
  int digits = 0;
  for (unsigned char c : text) {
    if (!in_hex) {
      in_hex = c == '<';
    } else if (c == '>') {
      if (digits % 2 != 0) return false;
      in_hex = false;
      digits = 0;
    } else if (isxdigit(c)) {
      ++digits;
    } else {
      return false;
    }
  }
  return !in_hex;
}

// Problems found by reading the file as this system's reader does: one
// statement per line starting with "*", quoted values may span lines.
std::vector<std::string> GrammarProblems(const std::string& text) {
  std::vector<std::string> problems;
  auto report = [&](int line, const std::string& what) {
    problems.push_back("line " + std::to_string(line) + ": " + what);
  };
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = text[i];
    if (c >= 0x80 || (c < 0x20 && c != '\n' && c != '\r' && c != '\t')) {
      report(1 + static_cast<int>(std::count(text.begin(), text.begin() + i, '\n')),
             "byte " + std::to_string(c) + " outside printable ASCII");
    }
  }
  if (text.empty() || text.back() != '\n') problems.push_back("the last line has no line end");

  std::istringstream lines(text);
  std::string line;
  bool in_quote = false;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (in_quote) {
      in_quote = line.find('"') == std::string::npos;
      continue;
    }
    if (line.size() < 2 || line[0] != '*' || line[1] == '%') continue;
    size_t p = 1;
    size_t start = p;
    while (p < line.size() && MainKeywordByte(line[p])) ++p;
    const std::string main = line.substr(start, p - start);
    if (main.empty() || main.size() > 40) report(number, "main keyword of " + std::to_string(main.size()) + " bytes");
    while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
    if (p == line.size()) continue;  // keyword alone, as *End
    if (line[p] != ':') {
      start = p;
      while (p < line.size() && OptionByte(line[p])) ++p;
      if (p == start || p - start > 40) report(number, "option keyword of " + std::to_string(p - start) + " bytes");
      while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
      if (p < line.size() && line[p] == '/') {
        start = ++p;
        while (p < line.size() && TranslationByte(line[p])) ++p;
        const std::string translation = line.substr(start, p - start);
        if (translation.empty() || translation.size() > 128) {
          report(number, "translation of " + std::to_string(translation.size()) + " bytes");
        }
        if (!HexNotationIsWellFormed(translation)) report(number, "bad hex in \"" + translation + "\"");
      }
    }
    if (p >= line.size() || line[p] != ':') {
      report(number, "no ':' after the keywords");
      continue;
    }
    ++p;
    while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
    if (p < line.size() && line[p] == '"') in_quote = line.find('"', p + 1) == std::string::npos;
  }
  if (in_quote) problems.push_back("a quoted value is never closed");
  return problems;
}

struct Ppd {
  explicit Ppd(const std::string& path) {
    ppdSetConformance(PPD_CONFORM_STRICT);
    file = ppdOpenFile(path.c_str());
    if (!file) {
      int line = 0;
      ppd_status_t status = ppdLastError(&line);
      error = std::string(ppdErrorString(status)) + " at line " + std::to_string(line);
    }
  }
  ~Ppd() {
    if (file) ppdClose(file);
  }
  ppd_choice_t* Choice(const char* keyword, const char* choice) const {
    ppd_option_t* option = ppdFindOption(file, keyword);
    return option ? ppdFindChoice(option, choice) : nullptr;
  }
  ppd_file_t* file = nullptr;
  std::string error;
};

class SamplePpd : public ::testing::TestWithParam<const char*> {
 protected:
  std::string Path() const { return kSamples + "/" + GetParam(); }
};

TEST_P(SamplePpd, StaysWithinThisSystemsGrammar) {
  std::string text = ReadAll(Path());
  ASSERT_FALSE(text.empty()) << Path();
  for (const std::string& problem : GrammarProblems(text)) ADD_FAILURE() << GetParam() << " " << problem;
}

TEST_P(SamplePpd, LibcupsReadsItStrictlyWithNoConflictAtTheDefaults) {
  Ppd ppd(Path());
  ASSERT_NE(ppd.file, nullptr) << ppd.error;
  ppdMarkDefaults(ppd.file);
  EXPECT_EQ(ppdConflicts(ppd.file), 0);
}

TEST_P(SamplePpd, EveryConstraintNamesRealChoicesAndHoldsBothWays) {
  // The pages ask only "what does this choice rule out" (the choice being
  // the constraint's second pair), so a one-way constraint narrows one list
  // and not the other.
  Ppd ppd(Path());
  ASSERT_NE(ppd.file, nullptr) << ppd.error;
  ASSERT_GT(ppd.file->num_consts, 0);
  std::set<std::tuple<std::string, std::string, std::string, std::string>> seen;
  for (int i = 0; i < ppd.file->num_consts; ++i) {
    const ppd_const_t& c = ppd.file->consts[i];
    EXPECT_NE(ppd.Choice(c.option1, c.choice1), nullptr) << c.option1 << " " << c.choice1;
    EXPECT_NE(ppd.Choice(c.option2, c.choice2), nullptr) << c.option2 << " " << c.choice2;
    seen.insert({c.option1, c.choice1, c.option2, c.choice2});
  }
  for (const auto& [k1, o1, k2, o2] : seen) {
    EXPECT_TRUE(seen.count({k2, o2, k1, o1})) << k1 << " " << o1 << " / " << k2 << " " << o2;
  }
}

TEST_P(SamplePpd, OffersTheChoicesThePagesLookFor) {
  Ppd ppd(Path());
  ASSERT_NE(ppd.file, nullptr) << ppd.error;
  // The fixed choices of the custom paper size, the "Adatta formato carta"
  // path, restore-defaults lookups and the toner-saving check.
  const char* const wanted[][2] = {
      {"PageSize", "A4"},         {"PageSize", "Letter"},       {"PageSize", "A5"},
      {"PageSize", "Legal"},      {"PageSize", "Env10"},        {"PageSize", "EnvDL"},
      {"PageSize", "EnvC5"},      {"InputSlot", "ManualFeed"},  {"InputSlot", "Multipurpose"},
      {"InputSlot", "Tray1"},     {"InputSlot", "Upper"},       {"InputSlot", "Lower"},
      {"MediaType", "PlainPaper"}, {"MediaType", "PrinterDefault"}, {"MediaType", "Label"},
      {"MediaType", "ThickPaper"}, {"MediaType", "OHP"},        {"OutputBin", "Upper"},
      {"Resolution", "300dpi"},   {"Resolution", "600dpi"},     {"Resolution", "1200dpi"},
      {"Duplex", "DuplexNoTumble"}, {"Duplex", "DuplexTumble"}, {"MiserMode", "True"},
  };
  for (const auto& w : wanted) {
    ppd_choice_t* choice = ppd.Choice(w[0], w[1]);
    ASSERT_NE(choice, nullptr) << w[0] << " " << w[1];
    EXPECT_STRNE(choice->text, "") << w[0] << " " << w[1] << " has no translation";
  }
  for (const char* key : {"PageSize", "MediaType", "OutputBin", "Resolution"}) {
    ppd_option_t* option = ppdFindOption(ppd.file, key);
    ASSERT_NE(option, nullptr) << key;
    EXPECT_NE(ppdFindChoice(option, option->defchoice), nullptr) << key << " has no valid default";
  }
  bool miser_vs_1200 = false;
  for (int i = 0; i < ppd.file->num_consts; ++i) {
    const ppd_const_t& c = ppd.file->consts[i];
    miser_vs_1200 |= std::string(c.option1) == "MiserMode" &&
                     std::string(c.option2) == "Resolution" && std::string(c.choice2) == "1200dpi";
  }
  EXPECT_TRUE(miser_vs_1200);
}

TEST_P(SamplePpd, InstallableOptionsReadInstallatoOrNonInstallato) {
  Ppd ppd(Path());
  ASSERT_NE(ppd.file, nullptr) << ppd.error;
  ppd_group_t* group = nullptr;
  for (int i = 0; i < ppd.file->num_groups; ++i) {
    if (std::string(ppd.file->groups[i].name) == "InstallableOptions") group = &ppd.file->groups[i];
  }
  ASSERT_NE(group, nullptr);
  int flagged = 0;
  for (int i = 0; i < group->num_options; ++i) {
    const ppd_option_t& option = group->options[i];
    if (std::string(option.keyword).rfind("Optional", 0) != 0) continue;
    ++flagged;
    ASSERT_EQ(option.num_choices, 2) << option.keyword;
    EXPECT_STREQ(ppdFindChoice(const_cast<ppd_option_t*>(&option), "True")->text, "Installato");
    EXPECT_STREQ(ppdFindChoice(const_cast<ppd_option_t*>(&option), "False")->text, "Non installato");
    EXPECT_STREQ(option.defchoice, "False") << option.keyword;
  }
  EXPECT_GE(flagged, 7);
}

INSTANTIATE_TEST_SUITE_P(Samples, SamplePpd, ::testing::Values("psui-color.ppd", "psui-mono.ppd"));

TEST(SamplePpds, ColourKeywordsAndCustomSizeOnlyInTheColourFile) {
  Ppd color(kSamples + "/psui-color.ppd");
  Ppd mono(kSamples + "/psui-mono.ppd");
  ASSERT_NE(color.file, nullptr) << color.error;
  ASSERT_NE(mono.file, nullptr) << mono.error;
  EXPECT_TRUE(color.file->color_device);
  EXPECT_FALSE(mono.file->color_device);
  EXPECT_TRUE(color.file->variable_sizes);
  EXPECT_FALSE(mono.file->variable_sizes);
  for (const char* key : {"GraphicsHalftone", "ImageHalftone", "GraphicsIntent", "ImageIntent",
                          "GraphicsProcessGray", "ImageProcessGray"}) {
    EXPECT_NE(ppdFindOption(color.file, key), nullptr) << key;
    EXPECT_EQ(ppdFindOption(mono.file, key), nullptr) << key;
  }
  // The mono printer duplexes without an optional unit.
  EXPECT_NE(ppdFindOption(color.file, "Optionalduplexer"), nullptr);
  EXPECT_EQ(ppdFindOption(mono.file, "Optionalduplexer"), nullptr);
  EXPECT_NE(ppdFindOption(mono.file, "Duplex"), nullptr);
}

TEST(SamplePpdGrammarScan, ReportsWhatThisSystemWouldRefuse) {
  // The scan itself, on statements this system's reader refuses or drops.
  EXPECT_TRUE(GrammarProblems("*A B/Text: \"x\"\n").empty());
  EXPECT_FALSE(GrammarProblems("*A B/Unit\xE0: \"x\"\n").empty());
  EXPECT_FALSE(GrammarProblems("*A B/Unit<E>: \"x\"\n").empty());
  EXPECT_FALSE(GrammarProblems("*" + std::string(41, 'K') + ": x\n").empty());
  EXPECT_TRUE(GrammarProblems("*" + std::string(40, 'K') + ": x\n").empty());
  EXPECT_FALSE(GrammarProblems("*A B/" + std::string(129, 't') + ": \"\"\n").empty());
  EXPECT_FALSE(GrammarProblems("*A: x").empty()) << "last line without line end";
  EXPECT_TRUE(GrammarProblems("*A: \"\nnot *a: statement\"\n*B: y\n").empty());
}

}  // namespace
