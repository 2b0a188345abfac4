// Every PPD file of the extracted corpus (printer makers' files, none
// written here) compiles, and its image is structurally sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ppd/ppd_image.h"
#include "tests/core/ppd/corpus/corpus_files.h"
#include "tests/core/ppd/ppd_image_check.h"

namespace psui {
namespace {

TEST(PpdCorpus, EveryFileCompilesIntoASoundImage) {
  std::vector<std::string> files = test::CorpusFiles();
  ASSERT_GE(files.size(), test::CorpusMinimumFiles()) << "corpus folder: " << test::CorpusFolder();
  size_t failures = 0;
  size_t keywords = 0;
  size_t options = 0;
  for (const std::string& file : files) {
    PpdImage* image = PpdCompile(file.c_str());
    if (image == nullptr) {
      ADD_FAILURE() << file << ": does not compile";
      if (++failures > 20) break;
      continue;
    }
    std::string problem = test::CheckImageStructure(*image);
    if (!problem.empty()) {
      ADD_FAILURE() << file << ": " << problem;
      if (++failures > 20) break;
    }
    for (const PpdKeyword* k = image->keywords; k != nullptr; k = k->next) {
      ++keywords;
      options += PpdListLength(k->options);
    }
    PpdFreeImage(image);
  }
  std::printf("corpus: %zu files, %zu keywords, %zu options\n", files.size(), keywords, options);
}

}  // namespace
}  // namespace psui
