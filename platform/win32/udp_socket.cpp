#include "platform/udp_socket.h"

#include <winsock.h>

#include <cstring>

namespace psui::platform {

namespace {

thread_local uint32_t socket_error = 0;

void Remember() { socket_error = static_cast<uint32_t>(WSAGetLastError()); }

sockaddr_in Ipv4(uint32_t address, uint16_t port) {
  sockaddr_in peer;
  std::memset(&peer, 0, sizeof peer);
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  peer.sin_addr.s_addr = address;
  return peer;
}

SOCKET Handle(uintptr_t handle) { return static_cast<SOCKET>(handle); }

}  // namespace

uint32_t StartSockets(uint8_t& grantedMajor, uint8_t& grantedMinor) {
  WSADATA data;
  int rc = WSAStartup(MAKEWORD(1, 1), &data);
  if (rc != 0) return static_cast<uint32_t>(rc);
  grantedMajor = LOBYTE(data.wVersion);
  grantedMinor = HIBYTE(data.wVersion);
  return 0;
}

void StopSockets() { WSACleanup(); }

uint32_t LastSocketError() { return socket_error; }

bool ParseIpv4(const char* text, uint32_t& address) {
  if (text == nullptr) return false;
  unsigned long parsed = inet_addr(text);
  if (parsed == INADDR_NONE) return false;
  address = static_cast<uint32_t>(parsed);
  return true;
}

uint32_t ResolveIpv4(const char* host, uint32_t& address) {
  if (ParseIpv4(host, address)) return 0;
  hostent* entry = gethostbyname(host);
  if (entry == nullptr || entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr ||
      entry->h_length < 4) {
    Remember();
    if (socket_error == 0) socket_error = WSAHOST_NOT_FOUND;
    return socket_error;
  }
  std::memcpy(&address, entry->h_addr_list[0], 4);
  return 0;
}

bool UdpSocket::Open() {
  Close();
  SOCKET s = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (s == INVALID_SOCKET) {
    Remember();
    return false;
  }
  handle_ = static_cast<uintptr_t>(s);
  return true;
}

void UdpSocket::Close() {
  if (handle_ == kNoHandle) return;
  ::closesocket(Handle(handle_));
  handle_ = kNoHandle;
}

bool UdpSocket::Connect(uint32_t address, uint16_t port) {
  sockaddr_in peer = Ipv4(address, port);
  if (::connect(Handle(handle_), reinterpret_cast<sockaddr*>(&peer), sizeof peer) != 0) {
    Remember();
    return false;
  }
  return true;
}

bool UdpSocket::Bind(uint32_t address, uint16_t port) {
  BOOL on = TRUE;
  ::setsockopt(Handle(handle_), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on),
               sizeof on);
  sockaddr_in self = Ipv4(address, port);
  if (::bind(Handle(handle_), reinterpret_cast<sockaddr*>(&self), sizeof self) != 0) {
    Remember();
    return false;
  }
  return true;
}

long UdpSocket::Send(const void* data, size_t size) {
  int sent = ::send(Handle(handle_), static_cast<const char*>(data), static_cast<int>(size), 0);
  if (sent == SOCKET_ERROR) {
    Remember();
    return -1;
  }
  return sent;
}

long UdpSocket::SendTo(const void* data, size_t size, uint32_t address, uint16_t port) {
  sockaddr_in peer = Ipv4(address, port);
  int sent = ::sendto(Handle(handle_), static_cast<const char*>(data), static_cast<int>(size), 0,
                      reinterpret_cast<sockaddr*>(&peer), sizeof peer);
  if (sent == SOCKET_ERROR) {
    Remember();
    return -1;
  }
  return sent;
}

WaitResult UdpSocket::WaitReadable(uint32_t timeoutMs) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Handle(handle_), &readable);
  timeval limit;
  limit.tv_sec = static_cast<long>(timeoutMs / 1000);
  limit.tv_usec = static_cast<long>((timeoutMs % 1000) * 1000);
  int rc = ::select(0, &readable, nullptr, nullptr, &limit);
  if (rc > 0) return WaitResult::kReadable;
  if (rc == 0) return WaitResult::kTimedOut;
  Remember();
  return WaitResult::kFailed;
}

long UdpSocket::Receive(void* buffer, size_t capacity) {
  int got = ::recv(Handle(handle_), static_cast<char*>(buffer), static_cast<int>(capacity), 0);
  if (got == SOCKET_ERROR) {
    Remember();
    return -1;
  }
  return got;
}

long UdpSocket::ReceiveFrom(void* buffer, size_t capacity, uint32_t& address, uint16_t& port) {
  sockaddr_in peer;
  int size = sizeof peer;
  int got = ::recvfrom(Handle(handle_), static_cast<char*>(buffer), static_cast<int>(capacity), 0,
                       reinterpret_cast<sockaddr*>(&peer), &size);
  if (got == SOCKET_ERROR) {
    Remember();
    return -1;
  }
  address = peer.sin_addr.s_addr;
  port = ntohs(peer.sin_port);
  return got;
}

}  // namespace psui::platform
