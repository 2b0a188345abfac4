// An in-memory registry with the semantics the program relies on: keys and
// values named without regard to ASCII case, values kept in creation order,
// handles that notice when their key is deleted.
#include "platform/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/registry.h"

namespace psui::platform {

namespace {

struct Node {
  std::string name;
  std::vector<std::shared_ptr<Node>> children;
  std::vector<RegistryValue> values;
  bool deleted = false;
};

std::mutex registry_mutex;
std::shared_ptr<Node> roots[2] = {std::make_shared<Node>(), std::make_shared<Node>()};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::shared_ptr<Node> Child(const Node& node, std::string_view name) {
  for (const auto& child : node.children) {
    if (SameName(child->name, name)) return child;
  }
  return nullptr;
}

RegistryValue* FindValue(Node& node, std::string_view name) {
  for (auto& value : node.values) {
    if (SameName(value.name, name)) return &value;
  }
  return nullptr;
}

std::shared_ptr<Node>& Root(RegistryRoot root) {
  return roots[root == RegistryRoot::kLocalMachine ? 0 : 1];
}

void MarkDeleted(Node& node) {
  node.deleted = true;
  for (auto& child : node.children) MarkDeleted(*child);
}

}  // namespace

struct RegistryKey::Impl {
  std::shared_ptr<Node> node;
  bool writable = false;
};

void ResetMemoryRegistry() {
  std::lock_guard<std::mutex> lock(registry_mutex);
  for (auto& root : roots) {
    MarkDeleted(*root);
    root = std::make_shared<Node>();
  }
}

RegistryKey::RegistryKey() = default;
RegistryKey::~RegistryKey() = default;
RegistryKey::RegistryKey(RegistryKey&& other) noexcept = default;
RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept = default;

bool RegistryKey::IsOpen() const { return impl_ != nullptr; }
void RegistryKey::Close() { impl_.reset(); }

uint32_t RegistryKey::OpenForReading(RegistryRoot root, std::string_view path, RegistryKey& key) {
  key.Close();
  std::lock_guard<std::mutex> lock(registry_mutex);
  std::shared_ptr<Node> node = Root(root);
  for (std::string_view part : SplitPath(path)) {
    node = Child(*node, part);
    if (!node) return kRegNotFound;
  }
  key.impl_ = std::make_unique<Impl>(Impl{node, false});
  return kRegOk;
}

uint32_t RegistryKey::OpenOrCreate(RegistryRoot root, std::string_view path, RegistryKey& key) {
  key.Close();
  std::lock_guard<std::mutex> lock(registry_mutex);
  std::shared_ptr<Node> node = Root(root);
  for (std::string_view part : SplitPath(path)) {
    std::shared_ptr<Node> next = Child(*node, part);
    if (!next) {
      next = std::make_shared<Node>();
      next->name = std::string(part);
      node->children.push_back(next);
    }
    node = next;
  }
  key.impl_ = std::make_unique<Impl>(Impl{node, true});
  return kRegOk;
}

uint32_t RegistryKey::DeleteKey(RegistryRoot root, std::string_view path) {
  std::lock_guard<std::mutex> lock(registry_mutex);
  auto parts = SplitPath(path);
  if (parts.empty()) return kRegInvalidParameter;
  std::shared_ptr<Node> parent = Root(root);
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    parent = Child(*parent, parts[i]);
    if (!parent) return kRegNotFound;
  }
  auto& siblings = parent->children;
  auto it = std::find_if(siblings.begin(), siblings.end(),
                         [&](const auto& child) { return SameName(child->name, parts.back()); });
  if (it == siblings.end()) return kRegNotFound;
  if (!(*it)->children.empty()) return kRegAccessDenied;
  (*it)->deleted = true;
  siblings.erase(it);
  return kRegOk;
}

uint32_t RegistryKey::ReadString(std::string_view name, size_t capacity, std::string& text) const {
  std::vector<uint8_t> data;
  uint32_t rc = ReadValue(name, kRegString, data);
  if (rc == kRegInvalidData) rc = ReadValue(name, kRegExpandString, data);
  if (rc != kRegOk) return rc;
  size_t length = 0;
  while (length < data.size() && data[length] != 0) ++length;
  if (length + 1 > capacity) return kRegMoreData;
  text.assign(reinterpret_cast<const char*>(data.data()), length);
  return kRegOk;
}

uint32_t RegistryKey::ReadValue(std::string_view name, uint32_t expectedType,
                                std::vector<uint8_t>& data) const {
  if (!impl_) return kRegInvalidHandle;
  std::lock_guard<std::mutex> lock(registry_mutex);
  if (impl_->node->deleted) return kRegKeyDeleted;
  const RegistryValue* value = FindValue(*impl_->node, name);
  if (value == nullptr) return kRegNotFound;
  if (value->type != expectedType) return kRegInvalidData;
  data = value->data;
  return kRegOk;
}

uint32_t RegistryKey::ReadAnyValue(std::string_view name, RegistryValue& value) const {
  if (!impl_) return kRegInvalidHandle;
  std::lock_guard<std::mutex> lock(registry_mutex);
  if (impl_->node->deleted) return kRegKeyDeleted;
  const RegistryValue* stored = FindValue(*impl_->node, name);
  if (stored == nullptr) return kRegNotFound;
  value = *stored;
  value.name = std::string(name);
  return kRegOk;
}

uint32_t RegistryKey::WriteValue(std::string_view name, uint32_t type, const void* data,
                                 size_t size) {
  if (!impl_) return kRegInvalidHandle;
  if (!impl_->writable) return kRegAccessDenied;
  std::lock_guard<std::mutex> lock(registry_mutex);
  if (impl_->node->deleted) return kRegKeyDeleted;
  const auto* bytes = static_cast<const uint8_t*>(data);
  RegistryValue* value = FindValue(*impl_->node, name);
  if (value == nullptr) {
    impl_->node->values.push_back(RegistryValue{std::string(name), type, {}});
    value = &impl_->node->values.back();
  }
  value->type = type;
  value->data.assign(bytes, bytes + size);
  return kRegOk;
}

uint32_t RegistryKey::WriteString(std::string_view name, std::string_view text) {
  std::string stored(text);
  return WriteValue(name, kRegString, stored.c_str(), stored.size() + 1);
}

uint32_t RegistryKey::DeleteValue(std::string_view name) {
  if (!impl_) return kRegInvalidHandle;
  if (!impl_->writable) return kRegAccessDenied;
  std::lock_guard<std::mutex> lock(registry_mutex);
  if (impl_->node->deleted) return kRegKeyDeleted;
  auto& values = impl_->node->values;
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const RegistryValue& v) { return SameName(v.name, name); });
  if (it == values.end()) return kRegNotFound;
  values.erase(it);
  return kRegOk;
}

uint32_t RegistryKey::EnumValue(uint32_t index, RegistryValue& value) const {
  if (!impl_) return kRegInvalidHandle;
  std::lock_guard<std::mutex> lock(registry_mutex);
  if (impl_->node->deleted) return kRegKeyDeleted;
  if (index >= impl_->node->values.size()) return kRegNoMoreItems;
  value = impl_->node->values[index];
  return kRegOk;
}

uint32_t RegistryKey::EnumSubKey(uint32_t index, std::string& name) const {
  if (!impl_) return kRegInvalidHandle;
  std::lock_guard<std::mutex> lock(registry_mutex);
  if (impl_->node->deleted) return kRegKeyDeleted;
  if (index >= impl_->node->children.size()) return kRegNoMoreItems;
  name = impl_->node->children[index]->name;
  return kRegOk;
}

}  // namespace psui::platform
