// The names that order dependencies and constraints refer to, stored once
// per compile: files repeat the same few keyword and option names in
// thousands of UIConstraints lines, so each distinct name is hashed,
// copied and later resolved to its position only once.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ppd/ppd_arena.h"

namespace psui {

struct PpdName {
  const char* text;
  uint32_t length;
  uint32_t hash;  // PpdHashName(text)
  // Filled while the image tables are built.
  bool resolved;          // keywordEntry and keywordPosition are known
  int keywordEntry;       // the resolver's entry for this keyword name, or -1
  int keywordPosition;    // position in the final keyword list, or -1
  const PpdName* optionOf;  // keyword name optionPosition was found under
  int optionPosition;       // position among that keyword's options, or -1
};

class PpdNameTable {
 public:
  // The one stored PpdName for the length bytes at text (no NUL among
  // them); null when the arena is exhausted.
  PpdName* Intern(PpdArena& arena, const char* text, size_t length);

 private:
  bool Grow(PpdArena& arena);

  PpdName** slots_ = nullptr;
  uint32_t capacity_ = 0;
  uint32_t count_ = 0;
};

}  // namespace psui
