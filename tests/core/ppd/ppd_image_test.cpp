#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "ppd/ppd_image_build.h"
#include "tests/core/ppd/ppd_image_check.h"
#include "tests/core/ppd/ppd_test_util.h"

namespace psui {
namespace {

using test::Compile;
using test::Str;

const char kSample[] =
    "*PPD-Adobe: \"4.3\"\n*NickName: \"Sample\"\n*DefaultPageSize: Legal\n"
    "*PageSize Letter/Letter: \"l\"\n*PageSize A4/A4: \"a\"\n*PageSize Legal/Legal: \"g\"\n"
    "*ImageableArea Letter: \"0 0 0 0\"\n*ImageableArea A4: \"18 18 700 900\"\n"
    "*PaperDimension Letter: \"612 792\"\n*PaperDimension A4: \"595 842\"\n"
    "*ImageableArea Legal: \"10 10 600 1000\"\n"
    "*OpenUI *MediaType/Media: PickOne\n*DefaultMediaType: Glossy\n*MediaType Plain/Plain Paper: \"p\"\n"
    "*MediaType Glossy/Glossy Paper: \"g\"\n*MediaType Bare: \"b\"\n*CloseUI: *MediaType\n"
    "*OpenUI *Empty: PickOne\n*CloseUI: *Empty\n*DefaultDuplex: None\n"
    "*UIConstraints: *MediaType Glossy *PageSize Legal\n"
    "*UIConstraints: *Nowhere *PageSize Legal\n"
    "*UIConstraints: *Empty *PageSize Legal\n"
    "*UIConstraints: *MediaType Plain *PageSize A4\n"
    "*UIConstraints: *MediaType Plain *PageSize Legal\n"
    "*Font Courier: Standard \"(1)\" Standard ROM\n*Font Helvetica/Helv: Standard \"(1)\" Standard ROM\n";

TEST(PpdImageLayout, OneBlockWithEveryLinkInsideAndAlignedRecords) {
  auto image = Compile(kSample, "/tmp/sample.ppd");
  ASSERT_TRUE(image);
  EXPECT_EQ(test::CheckImageStructure(*image), "");
  EXPECT_EQ(image->formatVersion, 3u);
  EXPECT_EQ(image->isImage, 1u);
  EXPECT_STREQ(image->ppdPath, "/tmp/sample.ppd");
  EXPECT_EQ(image->imageSize % alignof(void*), 0u);
  // Header strings follow the header in their fixed order.
  auto base = reinterpret_cast<const char*>(image.get());
  EXPECT_EQ(image->ppdPath - base, static_cast<ptrdiff_t>((sizeof(PpdImage) + alignof(void*) - 1) &
                                                          ~(alignof(void*) - 1)));
  EXPECT_LT(image->ppdPath, image->nickName);
  EXPECT_LT(reinterpret_cast<const char*>(image->nickName), reinterpret_cast<const char*>(image->orderDependencies));
  EXPECT_LT(reinterpret_cast<const char*>(image->constraints), reinterpret_cast<const char*>(image->keywords));
  EXPECT_LT(reinterpret_cast<const char*>(image->keywords), reinterpret_cast<const char*>(image->fonts));
  // A string of n bytes takes n + 1 rounded up to the pointer size.
  EXPECT_EQ(image->nickName - image->ppdPath, static_cast<ptrdiff_t>((std::strlen("/tmp/sample.ppd") + 1 +
                                                                      alignof(void*) - 1) &
                                                                     ~(alignof(void*) - 1)));
}

TEST(PpdImageLayout, BuiltinSlotsPointAtTheImagesOwnRecords) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  // Builtin slots are rebuilt by the fix-up to point at the image's records.
  const PpdKeyword* page_size = image->builtinKeywords[kPpdPageSize];
  ASSERT_NE(page_size, nullptr);
  EXPECT_STREQ(page_size->name, "PageSize");
  EXPECT_EQ(image->builtinKeywords[kPpdInputSlot], nullptr);
  EXPECT_EQ(image->builtinKeywords[kPpdDuplex], image->FindKeyword("Duplex"));
}

TEST(PpdImageLayout, PageSizesAreNormalised) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  auto size = [&](const char* name) {
    return static_cast<const PpdPageSizeOption*>(test::Option(*image, "PageSize", name));
  };
  // ImageableArea 0 0 0 0: the lower-left corner moved in, so the area is
  // empty and becomes the whole sheet.
  EXPECT_EQ(size("Letter")->imageableArea[0], 0u);
  EXPECT_EQ(size("Letter")->imageableArea[2], 612u * 256);
  EXPECT_EQ(size("Letter")->imageableArea[3], 792u * 256);
  // Upper right clamped to the sheet.
  EXPECT_EQ(size("A4")->imageableArea[0], 19u * 256);
  EXPECT_EQ(size("A4")->imageableArea[2], 595u * 256);
  EXPECT_EQ(size("A4")->imageableArea[3], 842u * 256);
  // No PaperDimension: everything zero.
  EXPECT_EQ(size("Legal")->width, 0u);
  for (PpdFixed v : size("Legal")->imageableArea) EXPECT_EQ(v, 0u);
}

TEST(PpdFixUp, OffsetsBecomeAddressesAndBadOnesBecomeNone) {
  // A hand-made block: a header whose nickName holds a good offset and
  // whose password an offset past the end.
  std::vector<uint8_t> block(sizeof(PpdImage) + 16, 0);
  auto* header = reinterpret_cast<PpdImage*>(block.data());
  header->imageSize = static_cast<uint32_t>(block.size());
  header->isImage = 1;
  std::strcpy(reinterpret_cast<char*>(block.data() + sizeof(PpdImage)), "name");
  uintptr_t good = sizeof(PpdImage);
  uintptr_t bad = block.size() + 1;
  std::memcpy(&header->nickName, &good, sizeof good);
  std::memcpy(&header->password, &bad, sizeof bad);
  PpdFixUp(header);
  EXPECT_STREQ(header->nickName, "name");
  EXPECT_EQ(header->password, nullptr);
  EXPECT_EQ(header->keywords, nullptr);
}

TEST(PpdQueries, KeywordsOptionsAndDefaults) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  const PpdKeyword* first = nullptr;
  EXPECT_EQ(image->FirstKeyword(&first), 1);
  EXPECT_STREQ(first->name, "PageSize");
  EXPECT_EQ(image->FirstInstallableKeyword(&first), 0);
  EXPECT_EQ(first, nullptr);

  const PpdOption* options = nullptr;
  EXPECT_EQ(image->FindOptions("MediaType", &options), 1);
  ASSERT_NE(options, nullptr);
  EXPECT_STREQ(options->name, "Plain");
  EXPECT_EQ(image->FindOptions("Empty", &options), 1);
  EXPECT_EQ(options, nullptr);
  EXPECT_EQ(image->FindOptions("mediatype", &options), 0) << "names compare exactly";
  EXPECT_EQ(image->FindKeyword(nullptr), nullptr);

  EXPECT_STREQ(image->DefaultOption(image->FindKeyword("MediaType"))->name, "Glossy");
  EXPECT_STREQ(image->DefaultOption(image->FindKeyword("PageSize"))->name, "Legal");
  // Default naming no option: position 0, the first option.
  EXPECT_EQ(image->DefaultOption(image->FindKeyword("Duplex")), nullptr) << "Duplex has no options";
  EXPECT_EQ(image->DefaultOption(image->FindKeyword("Empty")), nullptr);
  EXPECT_EQ(image->DefaultOption(nullptr), nullptr);
  auto unknown_default = Compile("*DefaultPageSize: Unknown\n*PageSize A4: \"\"\n*PageSize A5: \"\"\n");
  ASSERT_TRUE(unknown_default);
  EXPECT_STREQ(unknown_default->DefaultOption(unknown_default->FindKeyword("PageSize"))->name, "A4");
}

TEST(PpdQueries, ListHelpers) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  const PpdOption* sizes = image->FindKeyword("PageSize")->options;
  EXPECT_EQ(PpdListLength(sizes), 3u);
  EXPECT_STREQ(PpdOptionAt(sizes, 2)->name, "Legal");
  EXPECT_EQ(PpdOptionAt(sizes, 3), nullptr);
  int index = 7;
  EXPECT_STREQ(PpdFindIndex(sizes, "A4", &index)->name, "A4");
  EXPECT_EQ(index, 1);
  EXPECT_EQ(PpdFindIndex(sizes, "a4", &index), nullptr);
  EXPECT_EQ(index, -1);
  EXPECT_EQ(PpdFindOption(sizes, "Letter"), sizes);
  EXPECT_EQ(PpdListLength(image->keywords), 4u);
  EXPECT_EQ(PpdListLength<PpdKeyword>(nullptr), 0u);
  EXPECT_EQ(PpdHashName("A4"), (uint32_t{'A'} << 1) ^ '4');
  // h = (h * 2) XOR byte, for names of every length around the 4-byte steps.
  std::string name;
  for (int length = 0; length < 70; ++length) {
    uint32_t expected = 0;
    for (unsigned char c : name) expected = (expected << 1) ^ c;
    EXPECT_EQ(PpdHashName(name.c_str()), expected) << name;
    name.push_back(static_cast<char>(0x21 + (length * 37) % 0xDE));
  }
}

TEST(PpdQueries, LocateOptionMatchesTranslations) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  int k = 5, o = 5;
  EXPECT_EQ(image->LocateOption("MediaType", "Glossy Paper", &k, &o), 1);
  EXPECT_EQ(k, 1);
  EXPECT_EQ(o, 1);
  EXPECT_EQ(image->LocateOption("MediaType", "Glossy", &k, &o), 0) << "the name is not the text";
  EXPECT_EQ(k, 1);
  EXPECT_EQ(o, -1);
  EXPECT_EQ(image->LocateOption("Nowhere", "x", &k, &o), 0);
  EXPECT_EQ(k, -1);
  EXPECT_EQ(image->LocateOption("MediaType", "", &k, &o), 0);
}

// "Bare" has no translation: no text must not find it, or a page asking with
// an empty choice would get the constraints of an option nobody chose.
TEST(PpdQueries, NoTextFindsNoOptionNotEvenOneWithoutTranslation) {
  auto image = Compile(std::string(kSample) + "*UIConstraints: *PageSize A4 *MediaType Bare\n");
  ASSERT_TRUE(image);
  int k = 5, o = 5;
  EXPECT_EQ(image->LocateOption("MediaType", nullptr, &k, &o), 0);
  EXPECT_EQ(k, 1) << "the keyword is still found";
  EXPECT_EQ(o, -1);
  int counter = 0;
  const char* keyword = nullptr;
  const char* text = nullptr;
  EXPECT_EQ(image->NextConstraint("MediaType", nullptr, &keyword, &text, &counter), 0);
  EXPECT_EQ(keyword, nullptr);
}

TEST(PpdQueries, OptionAtLeavesOutputsPastTheEndUntouched) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  const char* name = "init";
  const char* text = "init";
  EXPECT_EQ(image->OptionAt(1, 0, &name, &text), 1);
  EXPECT_STREQ(name, "MediaType");
  EXPECT_STREQ(text, "Plain Paper");
  text = "init";
  EXPECT_EQ(image->OptionAt(1, kPpdNoOptionIndex, &name, &text), 1);
  EXPECT_STREQ(text, "init") << "no option: only the keyword is delivered";
  name = "init";
  EXPECT_EQ(image->OptionAt(40, 0, &name, &text), 0) << "keyword 'init' does not exist";
  EXPECT_STREQ(name, "init");
  name = "PageSize";
  EXPECT_EQ(image->OptionAt(40, 0, &name, &text), 1) << "the old name is searched";
  EXPECT_STREQ(text, "Letter");
  EXPECT_EQ(image->OptionAt(-1, 0, &name, &text), 0);
  EXPECT_EQ(image->OptionAt(1, -1, &name, &text), 0);
  name = nullptr;
  EXPECT_EQ(image->OptionAt(99, 0, &name, &text), 0);
  auto empty = Compile("*NickName: \"none\"\n");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->OptionAt(0, 0, &name, &text), 0);
}

std::vector<std::string> Constraints(const PpdImage& image, const char* keyword, const char* text) {
  std::vector<std::string> found;
  int counter = 0;
  for (int guard = 0; guard < 100; ++guard) {
    const char* k = nullptr;
    const char* t = nullptr;
    if (!image.NextConstraint(keyword, text, &k, &t, &counter)) break;
    found.push_back(Str(k) + "=" + Str(t));
  }
  return found;
}

TEST(PpdQueries, NextConstraintEnumeratesFirstPairsAndSkipsUnknownNames) {
  auto image = Compile(kSample);
  ASSERT_TRUE(image);
  EXPECT_EQ(Constraints(*image, "PageSize", "Legal"),
            (std::vector<std::string>{"MediaType=Glossy Paper", "Empty=(null)", "MediaType=Plain Paper"}))
      << "the constraint on *Nowhere is passed over, not an end";
  EXPECT_EQ(Constraints(*image, "PageSize", "A4"), (std::vector<std::string>{"MediaType=Plain Paper"}));
  EXPECT_TRUE(Constraints(*image, "PageSize", "Letter").empty());
  EXPECT_TRUE(Constraints(*image, "Nowhere", "Legal").empty());
  // Counter 0 restarts; a non-zero counter with no started enumeration ends.
  EXPECT_EQ(Constraints(*image, "PageSize", "Legal").size(), 3u);
  int counter = 5;
  const char* k = nullptr;
  const char* t = nullptr;
  counter = 0;
  EXPECT_EQ(image->NextConstraint("PageSize", "Letter", &k, &t, &counter), 0);
  EXPECT_EQ(counter, 1);
  auto none = Compile("*PageSize A4: \"\"\n");
  ASSERT_TRUE(none);
  counter = 0;
  EXPECT_EQ(none->NextConstraint("PageSize", nullptr, &k, &t, &counter), 0);
  EXPECT_EQ(counter, 0) << "no constraints: nothing starts";
  counter = 3;
  EXPECT_EQ(image->NextConstraint("PageSize", "Legal", &k, &t, &counter), 0);
}

class PpdFiles : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    std::string path = test::UniqueTempPath("ppd_" + name);
    std::ofstream(path, std::ios::binary) << text;
    paths_.push_back(path);
    return path;
  }
  void TearDown() override {
    PpdFreeImage(PpdLoadImage(nullptr));
    for (const auto& p : paths_) std::remove(p.c_str());
  }
  std::vector<std::string> paths_;
};

TEST_F(PpdFiles, CompileMapsTheFileAndRefusesWhatCannotBeMapped) {
  std::string path = Write("good.ppd", kSample);
  PpdImage* image = PpdCompile(path.c_str());
  ASSERT_NE(image, nullptr);
  EXPECT_STREQ(image->ppdPath, path.c_str());
  EXPECT_STREQ(image->nickName, "Sample");
  EXPECT_EQ(image->fileCrc, PpdCrc16(0, reinterpret_cast<const uint8_t*>(kSample), std::strlen(kSample)));
  PpdFreeImage(image);
  PpdFreeImage(nullptr);
  EXPECT_EQ(PpdCompile(Write("empty.ppd", "").c_str()), nullptr);
  EXPECT_EQ(PpdCompile(test::UniqueTempPath("ppd_missing.ppd").c_str()), nullptr);
  EXPECT_EQ(PpdCompile(::testing::TempDir().c_str()), nullptr) << "a folder";
  EXPECT_EQ(PpdCompile(nullptr), nullptr);
#ifndef _WIN32
  // A FIFO must neither block the open nor be read.
  std::string fifo = test::UniqueTempPath("ppd_fifo.ppd");
  std::remove(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  paths_.push_back(fifo);
  EXPECT_EQ(PpdCompile(fifo.c_str()), nullptr);
#endif
}

TEST_F(PpdFiles, LoadImageCachesOnePathAndReplacesItForAnother) {
  std::string first = Write("first.ppd", kSample);
  std::string second = Write("second.ppd", "*NickName: \"Second\"\n");
  PpdImage* a = PpdLoadImage(first.c_str());
  ASSERT_NE(a, nullptr);
  // Rewriting the file does not matter: the cached image is returned.
  Write("first.ppd", "*NickName: \"Changed\"\n");
  EXPECT_EQ(PpdLoadImage(first.c_str()), a);
  EXPECT_STREQ(a->nickName, "Sample");
  PpdImage* b = PpdLoadImage(second.c_str());
  ASSERT_NE(b, nullptr);
  EXPECT_STREQ(b->nickName, "Second");
  // After the cached image is released, the same path compiles afresh.
  PpdFreeImage(b);
  PpdImage* c = PpdLoadImage(second.c_str());
  ASSERT_NE(c, nullptr);
  EXPECT_STREQ(c->nickName, "Second");
  // A failed compile is cached as none and compiles again next time.
  EXPECT_EQ(PpdLoadImage(Write("bad.ppd", "").c_str()), nullptr);
  EXPECT_NE(PpdLoadImage(first.c_str()), nullptr);
}

TEST(PpdFreeImage, ReleasesAParseTimeModelToo) {
  PpdParser* parser = PpdParseBuffer(reinterpret_cast<const uint8_t*>(kSample), std::strlen(kSample), "p");
  ASSERT_NE(parser, nullptr);
  EXPECT_EQ(parser->isImage, 0u);
  PpdFreeImage(parser);  // the sanitizers see any leak or bad free
}

}  // namespace

}  // namespace psui
