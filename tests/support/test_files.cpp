#include "tests/support/test_files.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace psui::test {

bool ReadFileBytes(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::vector<uint8_t> ReadFileVector(const std::string& path) {
  std::string bytes;
  ReadFileBytes(path, &bytes);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool WriteFileBytes(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string UniqueFileName(const std::string& stem, const std::string& extension) {
  static int counter = 0;
  return stem + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + extension;
}

}  // namespace psui::test
