// The measuring loop that ppd_dump --bench and the corpus benchmark share:
// the files' sizes and image ratios, and timed rounds over all files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace psui {

struct PpdFileFacts {
  size_t files = 0;
  uint64_t bytes = 0;
  size_t failures = 0;         // files that do not compile
  double medianImageRatio = 0;  // image size / file size
  double largestImageRatio = 0;
};

// The argument itself when it is not a folder; otherwise every regular,
// non-hidden file below it (only those ending in `extension` when one is
// given), sorted.
std::vector<std::string> FilesBelow(const std::string& path, const char* extension = nullptr);

// Compiles each file once: sizes, failures (each named on stderr when
// `reportFailures`) and image-to-file ratios.
PpdFileFacts MeasurePpdFiles(const std::vector<std::string>& files, bool reportFailures);

// Seconds one pass of `read` over every file takes.
template <typename Read>
double TimePass(const std::vector<std::string>& files, Read read);

// Seconds one pass of PpdCompile + PpdFreeImage over every file takes.
double TimeCompilePass(const std::vector<std::string>& files);

}  // namespace psui

#include <chrono>

namespace psui {

template <typename Read>
double TimePass(const std::vector<std::string>& files, Read read) {
  auto start = std::chrono::steady_clock::now();
  for (const std::string& file : files) read(file.c_str());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace psui
