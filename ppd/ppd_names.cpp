#include "ppd/ppd_names.h"

#include <cstring>

#include "ppd/ppd_image.h"

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

PpdName* PpdNameTable::Intern(PpdArena& arena, const char* text) {
  if (count_ * 2 >= capacity_ && !Grow(arena)) return nullptr;
  uint32_t hash = PpdHashName(text);
  uint32_t slot = Spread(hash) & (capacity_ - 1);
  for (; slots_[slot] != nullptr; slot = (slot + 1) & (capacity_ - 1)) {
    PpdName* name = slots_[slot];
    if (name->hash == hash && std::strcmp(name->text, text) == 0) return name;
  }
  size_t length = std::strlen(text);
  auto* name = arena.New<PpdName>();
  auto* copy = static_cast<char*>(arena.Allocate(length + 1));
  if (name == nullptr || copy == nullptr) return nullptr;
  std::memcpy(copy, text, length + 1);
  name->text = copy;
  name->hash = hash;
  slots_[slot] = name;
  ++count_;
  return name;
}

}  // namespace psui
