#include "tools/ppd_dump/ppd_bench.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "ppd/ppd_image.h"

namespace psui {

std::vector<std::string> FilesBelow(const std::string& path, const char* extension) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_directory(path, error)) return {path};
  std::vector<std::string> found;
  for (fs::recursive_directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error) || it->path().filename().string()[0] == '.') continue;
    if (extension && it->path().extension() != extension) continue;
    found.push_back(it->path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

PpdFileFacts MeasurePpdFiles(const std::vector<std::string>& files, bool reportFailures) {
  PpdFileFacts facts;
  facts.files = files.size();
  std::vector<double> ratios;
  for (const std::string& file : files) {
    std::error_code error;
    uint64_t size = std::filesystem::file_size(file, error);
    if (error) size = 0;
    facts.bytes += size;
    PpdImage* image = PpdCompile(file.c_str());
    if (image == nullptr) {
      ++facts.failures;
      if (reportFailures) std::fprintf(stderr, "%s: cannot be compiled\n", file.c_str());
    } else if (size > 0) {
      ratios.push_back(static_cast<double>(image->imageSize) / static_cast<double>(size));
    }
    PpdFreeImage(image);
  }
  std::sort(ratios.begin(), ratios.end());
  if (!ratios.empty()) {
    facts.medianImageRatio = ratios[ratios.size() / 2];
    facts.largestImageRatio = ratios.back();
  }
  return facts;
}

double TimeCompilePass(const std::vector<std::string>& files) {
  return TimePass(files, [](const char* path) { PpdFreeImage(PpdCompile(path)); });
}

}  // namespace psui
