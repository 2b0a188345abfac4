#include "tests/core/ppd/corpus/corpus_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace psui::test {

std::string g_folder;
size_t g_minimum = 6000;

size_t CorpusMinimumFiles() { return g_minimum; }

namespace {
std::string g_extra;
}
std::string ExtraArgument() { return g_extra; }
void SetExtraArgument(const std::string& value) { g_extra = value; }

std::string CorpusFolder() { return g_folder; }
void SetCorpusFolder(const std::string& folder) { g_folder = folder; }

std::vector<std::string> CorpusFiles() {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(g_folder, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && it->path().extension() == ".ppd") files.push_back(it->path().string());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace psui::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) psui::test::SetCorpusFolder(argv[1]);
  if (argc > 2) psui::test::g_minimum = std::strtoul(argv[2], nullptr, 10);
  if (argc > 3) psui::test::SetExtraArgument(argv[3]);
  return RUN_ALL_TESTS();
}
