// Datagram sockets for the SNMP client and its test peers: Windows Sockets
// 1.1 on Windows, BSD sockets natively. Addresses are IPv4 in network byte
// order; ports are in host byte order. Failures leave the reason in
// LastSocketError() (the Windows Sockets error, or errno natively).
#pragma once

#include <cstddef>
#include <cstdint>

namespace psui::platform {

// Starts the sockets layer asking for version 1.1 and reports the version
// granted. Returns 0 or the start-up error. Every successful start is paired
// with one StopSockets().
uint32_t StartSockets(uint8_t& grantedMajor, uint8_t& grantedMinor);
void StopSockets();

uint32_t LastSocketError();

// Dotted IPv4 text first, then a host-name look-up (first address). Returns
// 0 or the look-up error.
uint32_t ResolveIpv4(const char* host, uint32_t& address);

enum class WaitResult { kReadable, kTimedOut, kFailed };

class UdpSocket {
 public:
  UdpSocket() = default;
  ~UdpSocket() { Close(); }
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;
  UdpSocket(UdpSocket&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoHandle; }
  UdpSocket& operator=(UdpSocket&& other) noexcept;

  bool Open();
  bool IsOpen() const { return handle_ != kNoHandle; }
  void Close();

  bool Connect(uint32_t address, uint16_t port);
  bool Bind(uint32_t address, uint16_t port);

  // Returns the number of bytes sent, or -1.
  long Send(const void* data, size_t size);
  long SendTo(const void* data, size_t size, uint32_t address, uint16_t port);

  // Waits until a datagram (or a pending error) can be read, at most
  // timeoutMs milliseconds, without spinning.
  WaitResult WaitReadable(uint32_t timeoutMs);

  // Receives one datagram (cut to capacity); returns its size or -1.
  long Receive(void* buffer, size_t capacity);
  long ReceiveFrom(void* buffer, size_t capacity, uint32_t& address, uint16_t& port);

 private:
  static constexpr uintptr_t kNoHandle = ~static_cast<uintptr_t>(0);
  uintptr_t handle_ = kNoHandle;
};

// Network-order address of a dotted IPv4 text, for tests and tools; false
// when the text is not one.
bool ParseIpv4(const char* text, uint32_t& address);

}  // namespace psui::platform
