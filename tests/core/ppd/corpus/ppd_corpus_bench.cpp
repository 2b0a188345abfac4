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
#include "tools/ppd_dump/ppd_bench.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"


int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: ppd_corpus_bench CORPUS_FOLDER [ROUNDS]\n");
    return 2;
  }
  int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  if (rounds < 1) rounds = 1;
  std::vector<std::string> files = psui::FilesBelow(argv[1], ".ppd");
  if (files.empty()) {
    std::fprintf(stderr, "no .ppd files under %s\n", argv[1]);
    return 1;
  }
  psui::PpdFileFacts facts = psui::MeasurePpdFiles(files, false);

  // The rounds alternate between the two readers, so that a change in the
  // machine's load during the run weighs on both alike.
  double ours = 0;
  double cups = 0;
  for (int round = 0; round < rounds; ++round) {
    double a = psui::TimeCompilePass(files);
    double b = psui::TimePass(files, [](const char* path) {
      if (ppd_file_t* ppd = ppdOpenFile(path)) ppdClose(ppd);
    });
    if (round == 0 || a < ours) ours = a;
    if (round == 0 || b < cups) cups = b;
  }

  double megabytes = static_cast<double>(facts.bytes) / 1e6;
  double n = static_cast<double>(files.size());
  std::printf("files %zu (%.1f MB), compile failures %zu, best of %d rounds\n", files.size(), megabytes, facts.failures,
              rounds);
  std::printf("PpdCompile:  %8.1f files/s  %7.1f MB/s\n", n / ours, megabytes / ours);
  std::printf("ppdOpenFile: %8.1f files/s  %7.1f MB/s\n", n / cups, megabytes / cups);
  std::printf("ratio (PpdCompile / ppdOpenFile): %.2f\n", cups / ours);
  std::printf("image/file size: median %.3f (largest %.3f)\n", facts.medianImageRatio, facts.largestImageRatio);
  return facts.failures == 0 ? 0 : 1;
}
