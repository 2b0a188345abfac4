// A DDE client that speaks the raw DDE messages (WM_DDE_INITIATE, _ADVISE,
// _POKE, _ACK, _DATA, _TERMINATE) instead of DDEML: it sees the server's real
// acknowledgements, which a DDEML client under Wine does not.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace psui {

class DdeClient {
 public:
  DdeClient();
  ~DdeClient();
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;

  // Tries to start a conversation every 100 ms until timeoutMs has passed.
  // While it waits, a non-null stopHandle that becomes signalled (a process
  // that ended) ends the attempt.
  bool Connect(const char* service, const char* topic, DWORD timeoutMs, HANDLE stopHandle);
  // Starts the advise loop on item; true when the server acknowledged it.
  bool StartAdvise(const char* item, UINT format, DWORD timeoutMs);
  // Pokes data on item; true when the server acknowledged it (fAck).
  bool Poke(const char* item, UINT format, const void* data, size_t size, DWORD timeoutMs);
  // Waits for the advise data. False when nothing came within timeoutMs, the
  // server ended the conversation, or stopHandle became signalled.
  bool WaitForData(DWORD timeoutMs, HANDLE stopHandle, std::vector<uint8_t>* data);
  // Waits until the server ends the conversation.
  bool WaitForTerminate(DWORD timeoutMs, HANDLE stopHandle);
  // Ends the conversation and waits briefly for the server's reply.
  void Disconnect();

  bool connected() const { return server_ != nullptr; }
  bool has_data() const { return data_received_; }
  const std::vector<uint8_t>& data() const { return data_; }
  bool server_terminated() const { return server_terminated_; }
  // Messages and other windows the caller may pump for (an automation script).
  // Runs one round of the message loop, waiting at most timeoutMs.
  void PumpFor(DWORD timeoutMs, HANDLE stopHandle);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Pumps messages until done() is true; false on time-out or stop.
  template <typename Done>
  bool PumpUntil(Done done, DWORD timeoutMs, HANDLE stopHandle);

  HWND window_ = nullptr;
  HWND server_ = nullptr;
  bool awaiting_ack_ = false;
  bool ack_received_ = false;
  bool ack_positive_ = false;
  bool data_received_ = false;
  bool server_terminated_ = false;
  bool client_terminated_ = false;
  std::vector<uint8_t> data_;
};

}  // namespace psui
