#include "platform/udp_socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace psui::platform {

namespace {

thread_local uint32_t socket_error = 0;

// The Windows Sockets codes for a failed look-up, so callers see the same
// numbers on both platforms.
constexpr uint32_t kHostNotFound = 11001;
constexpr uint32_t kTryAgain = 11002;

void Remember() { socket_error = static_cast<uint32_t>(errno); }

sockaddr_in Ipv4(uint32_t address, uint16_t port) {
  sockaddr_in peer;
  std::memset(&peer, 0, sizeof peer);
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  peer.sin_addr.s_addr = address;
  return peer;
}

}  // namespace

uint32_t StartSockets(uint8_t& grantedMajor, uint8_t& grantedMinor) {
  grantedMajor = 1;
  grantedMinor = 1;
  return 0;
}

void StopSockets() {}

uint32_t LastSocketError() { return socket_error; }

bool ParseIpv4(const char* text, uint32_t& address) {
  if (text == nullptr) return false;
  in_addr parsed;
  if (inet_aton(text, &parsed) == 0) return false;
  address = parsed.s_addr;
  return true;
}

uint32_t ResolveIpv4(const char* host, uint32_t& address) {
  if (ParseIpv4(host, address)) return 0;
  addrinfo hints;
  std::memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  int rc = getaddrinfo(host, nullptr, &hints, &found);
  if (rc != 0 || found == nullptr || found->ai_addr == nullptr) {
    if (found != nullptr) freeaddrinfo(found);
    socket_error = rc == EAI_AGAIN ? kTryAgain : kHostNotFound;
    return socket_error;
  }
  address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
  freeaddrinfo(found);
  return 0;
}

bool UdpSocket::Open() {
  Close();
  int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    Remember();
    return false;
  }
  handle_ = static_cast<uintptr_t>(fd);
  return true;
}

void UdpSocket::Close() {
  if (handle_ == kNoHandle) return;
  ::close(static_cast<int>(handle_));
  handle_ = kNoHandle;
}

bool UdpSocket::Connect(uint32_t address, uint16_t port) {
  sockaddr_in peer = Ipv4(address, port);
  if (::connect(static_cast<int>(handle_), reinterpret_cast<sockaddr*>(&peer), sizeof peer) != 0) {
    Remember();
    return false;
  }
  return true;
}

bool UdpSocket::Bind(uint32_t address, uint16_t port) {
  int fd = static_cast<int>(handle_);
  int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in self = Ipv4(address, port);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&self), sizeof self) != 0) {
    Remember();
    return false;
  }
  return true;
}

long UdpSocket::Send(const void* data, size_t size) {
  ssize_t sent = ::send(static_cast<int>(handle_), data, size, MSG_NOSIGNAL);
  if (sent < 0) Remember();
  return sent < 0 ? -1 : static_cast<long>(sent);
}

long UdpSocket::SendTo(const void* data, size_t size, uint32_t address, uint16_t port) {
  sockaddr_in peer = Ipv4(address, port);
  ssize_t sent = ::sendto(static_cast<int>(handle_), data, size, MSG_NOSIGNAL,
                          reinterpret_cast<sockaddr*>(&peer), sizeof peer);
  if (sent < 0) Remember();
  return sent < 0 ? -1 : static_cast<long>(sent);
}

WaitResult UdpSocket::WaitReadable(uint32_t timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd entry{static_cast<int>(handle_), POLLIN, 0};
    int rc = ::poll(&entry, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (rc > 0) return WaitResult::kReadable;
    if (rc == 0) return WaitResult::kTimedOut;
    if (errno != EINTR) {
      Remember();
      return WaitResult::kFailed;
    }
  }
}

long UdpSocket::Receive(void* buffer, size_t capacity) {
  ssize_t got;
  do {
    got = ::recv(static_cast<int>(handle_), buffer, capacity, 0);
  } while (got < 0 && errno == EINTR);
  if (got < 0) Remember();
  return got < 0 ? -1 : static_cast<long>(got);
}

long UdpSocket::ReceiveFrom(void* buffer, size_t capacity, uint32_t& address, uint16_t& port) {
  sockaddr_in peer;
  socklen_t size = sizeof peer;
  ssize_t got;
  do {
    got = ::recvfrom(static_cast<int>(handle_), buffer, capacity, 0,
                     reinterpret_cast<sockaddr*>(&peer), &size);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    Remember();
    return -1;
  }
  address = peer.sin_addr.s_addr;
  port = ntohs(peer.sin_port);
  return static_cast<long>(got);
}

}  // namespace psui::platform
