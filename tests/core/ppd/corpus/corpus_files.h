// The extracted corpus of real PPD files the corpus tests run over.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace psui::test {

// The folder given as the test's first argument (set by CMake).
std::string CorpusFolder();
void SetCorpusFolder(const std::string& folder);

// How many files the corpus must have at least (second argument, 6000 by
// default: the extracted packages hold about 6,660).
size_t CorpusMinimumFiles();

// A third argument some tests take (a helper program's path).
std::string ExtraArgument();
void SetExtraArgument(const std::string& value);

// Every *.ppd file below the folder, sorted.
std::vector<std::string> CorpusFiles();

}  // namespace psui::test
