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

void CollectFiles(const char* argument, std::vector<std::string>* files) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_directory(argument, error)) {
    files->push_back(argument);
    return;
  }
  std::vector<std::string> found;
  for (fs::recursive_directory_iterator it(argument, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && it->path().filename().string()[0] != '.')
      found.push_back(it->path().string());
  std::sort(found.begin(), found.end());
  files->insert(files->end(), found.begin(), found.end());
}

int Bench(int rounds, int count, char** arguments) {
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) CollectFiles(arguments[i], &files);
  if (files.empty() || rounds < 1) return Usage();

  uint64_t bytes = 0;
  size_t failures = 0;
  std::vector<double> ratios;
  for (const std::string& file : files) {
    std::error_code error;
    uint64_t size = std::filesystem::file_size(file, error);
    if (error) size = 0;
    bytes += size;
    PpdImage* image = psui::PpdCompile(file.c_str());
    if (image == nullptr) {
      ++failures;
      std::fprintf(stderr, "ppd_dump: %s: cannot be compiled\n", file.c_str());
    } else if (size > 0) {
      ratios.push_back(static_cast<double>(image->imageSize) / static_cast<double>(size));
    }
    psui::PpdFreeImage(image);
  }

  auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < rounds; ++round)
    for (const std::string& file : files) psui::PpdFreeImage(psui::PpdCompile(file.c_str()));
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  double compiled = static_cast<double>(files.size()) * rounds;
  double megabytes = static_cast<double>(bytes) * rounds / 1e6;
  std::sort(ratios.begin(), ratios.end());
  double median = ratios.empty() ? 0.0 : ratios[ratios.size() / 2];
  std::printf("files %zu, bytes %llu, rounds %d, failures %zu\n", files.size(),
              static_cast<unsigned long long>(bytes), rounds, failures);
  std::printf("seconds %.3f, files/s %.1f, MB/s %.1f\n", seconds, seconds > 0 ? compiled / seconds : 0.0,
              seconds > 0 ? megabytes / seconds : 0.0);
  std::printf("image/file size ratio: median %.3f\n", median);
  return failures == 0 ? 0 : 1;
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
