#include "tools/driver_sim/dde_client.h"

#include <dde.h>

#include <cstring>

namespace psui {

namespace {

constexpr char kWindowClass[] = "PsuiDriverSimDde";
constexpr size_t kDdeHeaderSize = 4;  // the flags word and cfFormat before Value[]

ATOM RegisterClientClass(WNDPROC procedure) {
  static ATOM atom = 0;
  if (!atom) {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = kWindowClass;
    atom = RegisterClassA(&window_class);
  }
  return atom;
}

}  // namespace

DdeClient::DdeClient() {
  RegisterClientClass(WindowProc);
  // A hidden top-level window: message-only windows do not see broadcasts.
  window_ = CreateWindowA(kWindowClass, "driver_sim", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

DdeClient::~DdeClient() {
  if (server_ && !server_terminated_) Disconnect();
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK DdeClient::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<DdeClient*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && message >= WM_DDE_FIRST && message <= WM_DDE_LAST) {
    return self->OnMessage(message, wparam, lparam);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT DdeClient::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND sender = reinterpret_cast<HWND>(wparam);
  switch (message) {
    case WM_DDE_ACK:
      if (!server_) {
        // Answer to our WM_DDE_INITIATE (sent, not posted; lParam holds the
        // server's atoms unpacked). The first server wins.
        server_ = sender;
        GlobalDeleteAtom(LOWORD(lparam));
        GlobalDeleteAtom(HIWORD(lparam));
        return 0;
      }
      if (sender != server_) {
        if (IsWindow(sender)) PostMessageA(sender, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0);
        return 0;
      }
      {
        UINT_PTR status = 0, item = 0;
        UnpackDDElParam(WM_DDE_ACK, lparam, &status, &item);
        FreeDDElParam(WM_DDE_ACK, lparam);
        ack_received_ = true;
        ack_positive_ = (status & 0x8000) != 0;
      }
      return 0;
    case WM_DDE_DATA: {
      UINT_PTR handle = 0, item = 0;
      UnpackDDElParam(WM_DDE_DATA, lparam, &handle, &item);
      FreeDDElParam(WM_DDE_DATA, lparam);
      HGLOBAL memory = reinterpret_cast<HGLOBAL>(handle);
      bool release = false, ack_required = false;
      if (memory) {
        const auto* bytes = static_cast<const uint8_t*>(GlobalLock(memory));
        SIZE_T size = GlobalSize(memory);
        if (bytes && size >= kDdeHeaderSize) {
          uint16_t flags;
          std::memcpy(&flags, bytes, 2);
          release = (flags & 0x2000) != 0;
          ack_required = (flags & 0x8000) != 0;
          data_.assign(bytes + kDdeHeaderSize, bytes + size);
          data_received_ = true;
        }
        GlobalUnlock(memory);
      }
      if (ack_required) {
        PostMessageA(server_, WM_DDE_ACK, reinterpret_cast<WPARAM>(window_),
                     PackDDElParam(WM_DDE_ACK, 0x8000, item));
      } else if (item) {
        GlobalDeleteAtom(static_cast<ATOM>(item));
      }
      if (release && memory) GlobalFree(memory);
      return 0;
    }
    case WM_DDE_TERMINATE:
      if (sender == server_) {
        server_terminated_ = true;
        if (!client_terminated_) {
          client_terminated_ = true;
          PostMessageA(server_, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0);
        }
      }
      return 0;
    default:
      return 0;
  }
}

template <typename Done>
bool DdeClient::PumpUntil(Done done, DWORD timeoutMs, HANDLE stopHandle) {
  DWORD start = GetTickCount();
  while (!done()) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    HANDLE handles[1] = {stopHandle};
    DWORD count = stopHandle ? 1 : 0;
    DWORD woke = MsgWaitForMultipleObjects(count, handles, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    if (count && woke == WAIT_OBJECT_0) return done();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

void DdeClient::PumpFor(DWORD timeoutMs, HANDLE stopHandle) {
  PumpUntil([] { return false; }, timeoutMs, stopHandle);
}

bool DdeClient::Connect(const char* service, const char* topic, DWORD timeoutMs, HANDLE stopHandle) {
  DWORD start = GetTickCount();
  for (;;) {
    ATOM service_atom = GlobalAddAtomA(service);
    ATOM topic_atom = GlobalAddAtomA(topic);
    DWORD_PTR ignored;
    SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(window_),
                        MAKELPARAM(service_atom, topic_atom), SMTO_ABORTIFHUNG, 2000, &ignored);
    GlobalDeleteAtom(service_atom);
    GlobalDeleteAtom(topic_atom);
    if (server_) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    if (stopHandle && WaitForSingleObject(stopHandle, 0) == WAIT_OBJECT_0) return false;
    PumpFor(100, stopHandle);
  }
}

bool DdeClient::StartAdvise(const char* item, UINT format, DWORD timeoutMs) {
  HGLOBAL options = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(DDEADVISE));
  if (!options) return false;
  auto* advise = static_cast<DDEADVISE*>(GlobalLock(options));
  advise->fDeferUpd = 0;
  advise->fAckReq = 0;
  advise->cfFormat = static_cast<short>(format);
  GlobalUnlock(options);
  ATOM item_atom = GlobalAddAtomA(item);
  ack_received_ = false;
  if (!PostMessageA(server_, WM_DDE_ADVISE, reinterpret_cast<WPARAM>(window_),
                    PackDDElParam(WM_DDE_ADVISE, reinterpret_cast<UINT_PTR>(options), item_atom))) {
    GlobalFree(options);
    return false;
  }
  bool answered = PumpUntil([this] { return ack_received_ || server_terminated_; }, timeoutMs, nullptr);
  if (!answered || !ack_received_ || !ack_positive_) {
    // A refused advise leaves the options block with us.
    if (ack_received_) GlobalFree(options);
    return false;
  }
  return true;
}

bool DdeClient::Poke(const char* item, UINT format, const void* data, size_t size, DWORD timeoutMs) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, kDdeHeaderSize + size);
  if (!memory) return false;
  auto* bytes = static_cast<uint8_t*>(GlobalLock(memory));
  uint16_t flags = 0x2000;  // fRelease: the server frees the data
  int16_t format16 = static_cast<int16_t>(format);
  std::memcpy(bytes, &flags, 2);
  std::memcpy(bytes + 2, &format16, 2);
  if (size) std::memcpy(bytes + kDdeHeaderSize, data, size);
  GlobalUnlock(memory);
  ATOM item_atom = GlobalAddAtomA(item);
  ack_received_ = false;
  if (!PostMessageA(server_, WM_DDE_POKE, reinterpret_cast<WPARAM>(window_),
                    PackDDElParam(WM_DDE_POKE, reinterpret_cast<UINT_PTR>(memory), item_atom))) {
    GlobalFree(memory);
    return false;
  }
  bool answered = PumpUntil([this] { return ack_received_ || server_terminated_; }, timeoutMs, nullptr);
  if (ack_received_ && !ack_positive_) GlobalFree(memory);
  return answered && ack_received_ && ack_positive_;
}

bool DdeClient::WaitForData(DWORD timeoutMs, HANDLE stopHandle, std::vector<uint8_t>* data) {
  PumpUntil([this] { return data_received_ || server_terminated_; }, timeoutMs, stopHandle);
  if (!data_received_) return false;
  *data = data_;
  return true;
}

bool DdeClient::WaitForTerminate(DWORD timeoutMs, HANDLE stopHandle) {
  return PumpUntil([this] { return server_terminated_; }, timeoutMs, stopHandle);
}

void DdeClient::Disconnect() {
  if (!server_ || server_terminated_ || client_terminated_) return;
  client_terminated_ = true;
  PostMessageA(server_, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0);
  PumpUntil([this] { return server_terminated_; }, 2000, nullptr);
  server_terminated_ = true;
}

}  // namespace psui
