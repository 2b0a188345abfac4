// ppd_dump: prints a compiled PPD file as JSON, the constraints of one
// option, or compile throughput.
//   ppd_dump FILE
//   ppd_dump FILE constraints KEYWORD "OPTION TEXT"
//   ppd_dump --bench N FILE_OR_FOLDER...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ppd/ppd_image.h"
#include "tools/ppd_dump/ppd_bench.h"
#include "tools/ppd_dump/ppd_json.h"

namespace {

using psui::PpdImage;

int Usage() {
  std::fprintf(stderr,
               "usage: ppd_dump FILE\n"
               "       ppd_dump FILE constraints KEYWORD \"OPTION TEXT\"\n"
               "       ppd_dump --bench N FILE_OR_FOLDER...\n");
  return 2;
}

int Dump(const char* path) {
  PpdImage* image = psui::PpdLoadImage(path);
  if (image == nullptr) {
    std::fprintf(stderr, "ppd_dump: %s: cannot be compiled\n", path);
    return 1;
  }
  std::string json = psui::PpdImageToJson(*image);
  std::fwrite(json.data(), 1, json.size(), stdout);
  psui::PpdFreeImage(image);
  return 0;
}

int Constraints(const char* path, const char* keyword, const char* text) {
  PpdImage* image = psui::PpdLoadImage(path);
  if (image == nullptr) {
    std::fprintf(stderr, "ppd_dump: %s: cannot be compiled\n", path);
    return 1;
  }
  int counter = 0;
  for (;;) {
    // A constraint without a first option delivers only the keyword.
    const char* constrained_keyword = nullptr;
    const char* constrained_text = nullptr;
    if (!image->NextConstraint(keyword, text, &constrained_keyword, &constrained_text, &counter)) break;
    std::printf("%s\t%s\n", constrained_keyword != nullptr ? constrained_keyword : "",
                constrained_text != nullptr ? constrained_text : "");
  }
  psui::PpdFreeImage(image);
  return 0;
}

int Bench(int rounds, int count, char** arguments) {
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) {
    std::vector<std::string> found = psui::FilesBelow(arguments[i]);
    files.insert(files.end(), found.begin(), found.end());
  }
  if (files.empty() || rounds < 1) return Usage();

  psui::PpdFileFacts facts = psui::MeasurePpdFiles(files, true);
  double seconds = 0;
  for (int round = 0; round < rounds; ++round) seconds += psui::TimeCompilePass(files);

  double compiled = static_cast<double>(files.size()) * rounds;
  double megabytes = static_cast<double>(facts.bytes) * rounds / 1e6;
  std::printf("files %zu, bytes %llu, rounds %d, failures %zu\n", facts.files,
              static_cast<unsigned long long>(facts.bytes), rounds, facts.failures);
  std::printf("seconds %.3f, files/s %.1f, MB/s %.1f\n", seconds, seconds > 0 ? compiled / seconds : 0.0,
              seconds > 0 ? megabytes / seconds : 0.0);
  std::printf("image/file size ratio: median %.3f\n", facts.medianImageRatio);
  return facts.failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "--bench") == 0) {
    char* end = nullptr;
    long rounds = std::strtol(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0' || rounds < 1 || rounds > 1000000) return Usage();
    return Bench(static_cast<int>(rounds), argc - 3, argv + 3);
  }
  if (argc == 2) return Dump(argv[1]);
  if (argc == 5 && std::strcmp(argv[2], "constraints") == 0) return Constraints(argv[1], argv[3], argv[4]);
  return Usage();
}
