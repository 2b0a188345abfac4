// Bump allocator for the parse-time model: every record and string of one
// compile comes from it, zero-filled, and is released with it at once.
#pragma once

#include <cstddef>

namespace psui {

class PpdArena {
 public:
  PpdArena() = default;
  ~PpdArena();
  PpdArena(const PpdArena&) = delete;
  PpdArena& operator=(const PpdArena&) = delete;

  // size zero-filled bytes aligned for any record, or null when memory is
  // exhausted.
  void* Allocate(size_t size);
  // A zero-filled record, or null.
  template <typename T>
  T* New() {
    return static_cast<T*>(Allocate(sizeof(T)));
  }

 private:
  struct Chunk {
    Chunk* previous;
    size_t capacity;
    size_t used;
  };
  Chunk* current_ = nullptr;
};

}  // namespace psui
