#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace psui::platform {

MappedView MapFileReadOnly(const char* path) {
  MappedView view;
  if (path == nullptr) return view;
  // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return view;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
      static_cast<uint64_t>(info.st_size) > UINT32_MAX) {
    close(fd);
    return view;
  }
  size_t length = static_cast<size_t>(info.st_size);
  // The whole file is read at once: populating the mapping up front saves
  // a page fault per page.
  void* base = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  close(fd);
  if (base == MAP_FAILED) return view;
  view.data = static_cast<const uint8_t*>(base);
  view.size = static_cast<uint32_t>(length);
  return view;
}

void UnmapView(MappedView& view) {
  if (view.data != nullptr) munmap(const_cast<uint8_t*>(view.data), view.size);
  view.data = nullptr;
  view.size = 0;
}

}  // namespace psui::platform
