#include "platform/mapped_file.h"

#include <windows.h>

namespace psui::platform {

MappedView MapFileReadOnly(const char* path) {
  MappedView view;
  if (path == nullptr) return view;
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory cannot be opened.
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return view;
  DWORD high = 0;
  DWORD size = GetFileSize(file, &high);
  if (size == INVALID_FILE_SIZE || high != 0 || size == 0) {
    CloseHandle(file);
    return view;
  }
  HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  CloseHandle(file);
  if (mapping == nullptr) return view;
  void* base = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  CloseHandle(mapping);
  if (base == nullptr) return view;
  view.data = static_cast<const uint8_t*>(base);
  view.size = size;
  return view;
}

void UnmapView(MappedView& view) {
  if (view.data != nullptr) UnmapViewOfFile(view.data);
  view.data = nullptr;
  view.size = 0;
}

}  // namespace psui::platform
