#include "tests/ui/pages/paper_fixture.h"

#include <commctrl.h>

namespace psui::test {

MessageCounter::MessageCounter(HWND control, UINT message) : control_(control), message_(message) {
  SetWindowSubclass(control_, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
}

MessageCounter::~MessageCounter() {
  if (IsWindow(control_)) RemoveWindowSubclass(control_, Proc, 1);
}

LRESULT CALLBACK MessageCounter::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* counter = reinterpret_cast<MessageCounter*>(data);
  if (message == counter->message_) ++counter->count_;
  return DefSubclassProc(window, message, wparam, lparam);
}

std::vector<uint8_t> PaperPagesTest::CustomSizesValue() const {
  platform::RegistryKey key;
  std::vector<uint8_t> data;
  if (platform::RegistryKey::OpenForReading(platform::RegistryRoot::kLocalMachine,
                                            PrinterKey() + "\\PrinterDriverData", key) == 0) {
    key.ReadBinary("CustomSizes", data);
  }
  return data;
}

std::vector<LRESULT> ComboCodes(HWND dialog, int id) {
  std::vector<LRESULT> codes;
  HWND combo = GetDlgItem(dialog, id);
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) codes.push_back(SendMessageA(combo, CB_GETITEMDATA, i, 0));
  return codes;
}

}  // namespace psui::test
