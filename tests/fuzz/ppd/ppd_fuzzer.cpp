// libFuzzer target: compiles arbitrary bytes as a PPD file and exercises
// every query on the image it gives.
#include <cstddef>
#include <cstdint>

#include "ppd/ppd_image.h"

namespace {

void Exercise(const psui::PpdImage& image) {
  const psui::PpdKeyword* keyword = nullptr;
  image.FirstKeyword(&keyword);
  image.FirstInstallableKeyword(&keyword);
  int k = 0;
  for (const psui::PpdKeyword* kw = image.keywords; kw != nullptr; kw = kw->next, ++k) {
    const psui::PpdOption* option = image.DefaultOption(kw);
    if (option != nullptr) (void)option->name[0];
    const psui::PpdOption* first = nullptr;
    image.FindOptions(kw->name, &first);
    int o = 0;
    for (const psui::PpdOption* op = kw->options; op != nullptr && o < 8; op = op->next, ++o) {
      int ki = -1;
      int oi = -1;
      image.LocateOption(kw->name, op->translation, &ki, &oi);
      const char* name = nullptr;
      const char* text = nullptr;
      image.OptionAt(k, o, &name, &text);
      int counter = 0;
      for (int guard = 0; guard < 64; ++guard) {
        name = nullptr;
        text = nullptr;
        if (!image.NextConstraint(kw->name, op->translation, &name, &text, &counter)) break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  psui::PpdImage* image = psui::PpdCompileBuffer(data, size, "fuzz.ppd");
  if (image != nullptr) Exercise(*image);
  psui::PpdFreeImage(image);
  return 0;
}
