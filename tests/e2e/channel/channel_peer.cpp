// The server side of the exchange tests: receives the start frame with
// ReceiveStartFrame and answers as told, so the channel can be tested
// against driver_sim as a real second process before the application exists.
//   channel_peer --answer ok|cancel|none [--delay-ms N] [--record-out FILE]
// Prints what it received and the channel status; exits 0 when a frame came,
// 10 when the receive failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "exchange/dde_channel.h"
#include "tests/support/test_files.h"

namespace {

// Keeps the thread's messages moving for a while, as the sheet would.
void PumpMessagesFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;  // the sheet would end here
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  std::string answer = "ok";
  std::string record_out;
  DWORD delay_ms = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--answer")) answer = argv[i + 1];
    else if (!std::strcmp(argv[i], "--delay-ms")) delay_ms = std::strtoul(argv[i + 1], nullptr, 10);
    else if (!std::strcmp(argv[i], "--record-out")) record_out = argv[i + 1];
  }

  HWND owner = nullptr;
  psui::SettingsBlock record;
  std::memset(&record, 0, sizeof record);
  DWORD start = GetTickCount();
  bool received = psui::ReceiveStartFrame(&owner, &record);
  std::printf("received=%d status=%d owner=0x%llx elapsed-ms=%lu\n", received ? 1 : 0,
              static_cast<int>(psui::CurrentChannelStatus()),
              static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(owner)),
              static_cast<unsigned long>(GetTickCount() - start));
  if (!received) {
    psui::CloseChannel();
    return 10;
  }
  if (!record_out.empty()) psui::test::WriteFileBytes(record_out, &record, sizeof record);
  PumpMessagesFor(delay_ms);
  start = GetTickCount();
  if (answer == "ok") {
    psui::SendSettings(record);
  } else if (answer == "cancel") {
    psui::SendCancel();
  } else {
    psui::CloseChannel();
  }
  std::printf("answered=%s status=%d answer-ms=%lu\n", answer.c_str(),
              static_cast<int>(psui::CurrentChannelStatus()),
              static_cast<unsigned long>(GetTickCount() - start));
  return 0;
}
