// Files that Windows tests hand to the programs they start.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace psui::test {

bool ReadFileBytes(const std::string& path, std::string* bytes);
bool WriteFileBytes(const std::string& path, const void* data, size_t size);
std::vector<uint8_t> ReadFileVector(const std::string& path);
// The text's lines without their line ends (LF or CR LF); empty lines are
// left out.
std::vector<std::string> TextLines(const std::string& text);
// A name in the current directory that no other test of this run uses.
std::string UniqueFileName(const std::string& stem, const std::string& extension);

}  // namespace psui::test
