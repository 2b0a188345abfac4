#include "ppd/ppd_arena.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace psui {

namespace {
constexpr size_t kChunkSize = 64 * 1024;
constexpr size_t kAlignment = alignof(std::max_align_t);

size_t RoundUp(size_t n) { return (n + kAlignment - 1) & ~(kAlignment - 1); }
}  // namespace

PpdArena::~PpdArena() {
  while (current_ != nullptr) {
    Chunk* previous = current_->previous;
    std::free(current_);
    current_ = previous;
  }
}

void* PpdArena::Allocate(size_t size) {
  size_t rounded = RoundUp(size == 0 ? 1 : size);
  if (rounded < size) return nullptr;
  const size_t header = RoundUp(sizeof(Chunk));
  if (current_ == nullptr || current_->capacity - current_->used < rounded) {
    size_t capacity = rounded > kChunkSize / 4 ? rounded : kChunkSize - header;
    if (capacity > SIZE_MAX - header) return nullptr;
    // calloc: every record and string starts zero-filled.
    auto* chunk = static_cast<Chunk*>(std::calloc(1, header + capacity));
    if (chunk == nullptr) return nullptr;
    chunk->capacity = capacity;
    chunk->used = 0;
    if (current_ != nullptr && rounded > kChunkSize / 4) {
      // A large block gets its own chunk behind the current one, so the
      // space left in the current chunk is not wasted.
      chunk->previous = current_->previous;
      current_->previous = chunk;
      chunk->used = capacity;
      return reinterpret_cast<char*>(chunk) + header;
    }
    chunk->previous = current_;
    current_ = chunk;
  }
  void* result = reinterpret_cast<char*>(current_) + header + current_->used;
  current_->used += rounded;
  return result;
}

}  // namespace psui
