#include "test_peers.h"

#include "platform/udp_socket.h"
#include "printer_comm/printer_queries.h"

namespace psui::testing {

std::string PeerAddress(int offset) {
  return "127.0.0." + std::to_string(PSUI_TEST_ADDRESS_BASE + offset);
}

int32_t RespondedRequestsSince(const std::string& address) {
  OptionQuery count[] = {{".1.3.6.1.4.1.32473.99.1.0", nullptr, 0, -1, -1},
                         {nullptr, nullptr, 0, -1, -1}};
  if (QueryInstalledOptions("count", address.c_str(), count) != 0) return -1;
  return count[0].value;
}

SocketsScope::SocketsScope() {
  uint8_t major, minor;
  platform::StartSockets(major, minor);
}

SocketsScope::~SocketsScope() { platform::StopSockets(); }

}  // namespace psui::testing
