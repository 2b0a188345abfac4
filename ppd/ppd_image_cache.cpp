// Compiling, releasing and the process-wide one-image cache.
#include <cstdlib>
#include <cstring>

#include "ppd/ppd_image_build.h"

namespace psui {

namespace {
PpdImage* g_cached_image = nullptr;
}

PpdImage* PpdCompile(const char* path) {
  PpdParser* parser = PpdParseFile(path);
  return parser != nullptr ? PpdFlatten(parser) : nullptr;
}

PpdImage* PpdCompileBuffer(const uint8_t* data, size_t size, const char* path) {
  PpdParser* parser = PpdParseBuffer(data, size, path);
  return parser != nullptr ? PpdFlatten(parser) : nullptr;
}

void PpdFreeImage(PpdImage* image) {
  if (image == nullptr) return;
  // Releasing the cached image must not leave the cache pointing at freed
  // memory for the next PpdLoadImage.
  if (image == g_cached_image) g_cached_image = nullptr;
  if (image->isImage)
    std::free(image);
  else
    PpdFreeParser(static_cast<PpdParser*>(image));
}

PpdImage* PpdLoadImage(const char* path) {
  if (g_cached_image != nullptr && path != nullptr && std::strcmp(g_cached_image->ppdPath, path) == 0)
    return g_cached_image;
  PpdFreeImage(g_cached_image);
  g_cached_image = PpdCompile(path);
  return g_cached_image;
}

}  // namespace psui
