// Benchmark (not a test): compiles every corpus file with PpdCompile and
// reads it with libcups' ppdOpenFile in the same process, best of three
// rounds each, and prints both throughputs, their ratio and the median
// image-to-file size ratio. Meant for a release build:
//   ppd_corpus_bench CORPUS_FOLDER [ROUNDS]
#include <cups/ppd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ppd/ppd_image.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

std::vector<std::string> PpdFiles(const char* folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && it->path().extension() == ".ppd") files.push_back(it->path().string());
  std::sort(files.begin(), files.end());
  return files;
}

template <typename Compile>
double Seconds(const std::vector<std::string>& files, Compile compile) {
  auto start = std::chrono::steady_clock::now();
  for (const std::string& file : files) compile(file.c_str());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: ppd_corpus_bench CORPUS_FOLDER [ROUNDS]\n");
    return 2;
  }
  int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  if (rounds < 1) rounds = 1;
  std::vector<std::string> files = PpdFiles(argv[1]);
  if (files.empty()) {
    std::fprintf(stderr, "no .ppd files under %s\n", argv[1]);
    return 1;
  }
  uint64_t bytes = 0;
  size_t failures = 0;
  std::vector<double> ratios;
  for (const std::string& file : files) {
    std::error_code error;
    uint64_t size = std::filesystem::file_size(file, error);
    bytes += error ? 0 : size;
    psui::PpdImage* image = psui::PpdCompile(file.c_str());
    if (image == nullptr)
      ++failures;
    else if (size > 0)
      ratios.push_back(static_cast<double>(image->imageSize) / static_cast<double>(size));
    psui::PpdFreeImage(image);
  }

  // The rounds alternate between the two readers, so that a change in the
  // machine's load during the run weighs on both alike.
  double ours = 0;
  double cups = 0;
  for (int round = 0; round < rounds; ++round) {
    double a = Seconds(files, [](const char* path) { psui::PpdFreeImage(psui::PpdCompile(path)); });
    double b = Seconds(files, [](const char* path) {
      if (ppd_file_t* ppd = ppdOpenFile(path)) ppdClose(ppd);
    });
    if (round == 0 || a < ours) ours = a;
    if (round == 0 || b < cups) cups = b;
  }

  std::sort(ratios.begin(), ratios.end());
  double megabytes = static_cast<double>(bytes) / 1e6;
  double n = static_cast<double>(files.size());
  std::printf("files %zu (%.1f MB), compile failures %zu, best of %d rounds\n", files.size(), megabytes, failures,
              rounds);
  std::printf("PpdCompile:  %8.1f files/s  %7.1f MB/s\n", n / ours, megabytes / ours);
  std::printf("ppdOpenFile: %8.1f files/s  %7.1f MB/s\n", n / cups, megabytes / cups);
  std::printf("ratio (PpdCompile / ppdOpenFile): %.2f\n", cups / ours);
  std::printf("image/file size: median %.3f (largest %.3f)\n", ratios[ratios.size() / 2], ratios.back());
  return failures == 0 ? 0 : 1;
}
