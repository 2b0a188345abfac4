#include "ppd/ppd_names.h"

#include <cstring>


namespace psui {

namespace {
// PpdHashName keeps mostly the last bytes of a name; spread it for the slots.
uint32_t Spread(uint32_t hash) { return (hash ^ (hash >> 7) ^ (hash >> 15)) * 0x9E3779B1u; }
}  // namespace

bool PpdNameTable::Grow(PpdArena& arena) {
  uint32_t capacity = capacity_ == 0 ? 64 : capacity_ * 2;
  auto** slots = static_cast<PpdName**>(arena.Allocate(sizeof(PpdName*) * capacity));
  if (slots == nullptr) return false;
  for (uint32_t i = 0; i < capacity_; ++i) {
    PpdName* name = slots_[i];
    if (name == nullptr) continue;
    uint32_t slot = Spread(name->hash) & (capacity - 1);
    while (slots[slot] != nullptr) slot = (slot + 1) & (capacity - 1);
    slots[slot] = name;
  }
  slots_ = slots;  // the old array stays in the arena until the compile ends
  capacity_ = capacity;
  return true;
}

PpdName* PpdNameTable::Intern(PpdArena& arena, const char* text, size_t length) {
  if (count_ * 2 >= capacity_ && !Grow(arena)) return nullptr;
  // PpdHashName over the span, four bytes per step where it can.
  auto* bytes = reinterpret_cast<const unsigned char*>(text);
  uint32_t hash = 0;
  size_t i = 0;
  for (; i + 4 <= length; i += 4)
    hash = (hash << 4) ^ (uint32_t{bytes[i]} << 3) ^ (uint32_t{bytes[i + 1]} << 2) ^ (uint32_t{bytes[i + 2]} << 1) ^
           bytes[i + 3];
  for (; i < length; ++i) hash = (hash << 1) ^ bytes[i];
  uint32_t slot = Spread(hash) & (capacity_ - 1);
  for (; slots_[slot] != nullptr; slot = (slot + 1) & (capacity_ - 1)) {
    PpdName* name = slots_[slot];
    if (name->hash == hash && name->length == length && std::memcmp(name->text, text, length) == 0) return name;
  }
  auto* name = arena.New<PpdName>();
  auto* copy = static_cast<char*>(arena.Allocate(length + 1));
  if (name == nullptr || copy == nullptr) return nullptr;
  std::memcpy(copy, text, length);
  copy[length] = '\0';
  name->text = copy;
  name->length = static_cast<uint32_t>(length);
  name->hash = hash;
  slots_[slot] = name;
  ++count_;
  return name;
}

}  // namespace psui
