// Read-only mapping of a whole file: CreateFileA / CreateFileMappingA /
// MapViewOfFile on Windows, mmap natively. The file and mapping handles are
// closed as soon as the view exists; only the view is kept until Unmap.
#pragma once

#include <cstddef>
#include <cstdint>

namespace psui::platform {

struct MappedView {
  const uint8_t* data = nullptr;  // null when the file could not be mapped
  uint32_t size = 0;
};

// Maps the regular file at path whole. Fails (data null) for a null path, a
// file that cannot be opened, a directory or other non-regular file, an empty
// file, a file whose size does not fit 32 bits, or any failing system call.
MappedView MapFileReadOnly(const char* path);

// Releases a view from MapFileReadOnly; a null view is accepted.
void UnmapView(MappedView& view);

// Owns one view for the lifetime of a scope.
class ScopedMappedFile {
 public:
  explicit ScopedMappedFile(const char* path) : view_(MapFileReadOnly(path)) {}
  ~ScopedMappedFile() { UnmapView(view_); }
  ScopedMappedFile(const ScopedMappedFile&) = delete;
  ScopedMappedFile& operator=(const ScopedMappedFile&) = delete;

  const uint8_t* data() const { return view_.data; }
  uint32_t size() const { return view_.size; }
  void Release() { UnmapView(view_); }

 private:
  MappedView view_;
};

}  // namespace psui::platform
