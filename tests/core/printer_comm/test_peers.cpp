#include "test_peers.h"

namespace psui::testing {

std::string PeerAddress(int offset) {
  return "127.0.0." + std::to_string(PSUI_TEST_ADDRESS_BASE + offset);
}

Bytes Tlv(uint8_t tag, const Bytes& contents) {
  Bytes out{tag};
  size_t n = contents.size();
  if (n < 0x80) {
    out.push_back(static_cast<uint8_t>(n));
  } else if (n <= 0xFF) {
    out.insert(out.end(), {0x81, static_cast<uint8_t>(n)});
  } else {
    out.insert(out.end(), {0x82, static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)});
  }
  out.insert(out.end(), contents.begin(), contents.end());
  return out;
}

Bytes IntegerTlv(int64_t value, uint8_t tag) {
  Bytes octets;
  for (int shift = 56; shift >= 0; shift -= 8) octets.push_back(static_cast<uint8_t>(value >> shift));
  size_t first = 0;
  while (first + 1 < octets.size() &&
         ((octets[first] == 0x00 && !(octets[first + 1] & 0x80)) ||
          (octets[first] == 0xFF && (octets[first + 1] & 0x80)))) {
    ++first;
  }
  return Tlv(tag, Bytes(octets.begin() + static_cast<long>(first), octets.end()));
}

Bytes OctetStringTlv(const std::string& text, uint8_t tag) {
  return Tlv(tag, Bytes(text.begin(), text.end()));
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

namespace {

// Reads one TLV at `at` inside [at, end); false when it does not fit.
bool ReadTlv(const uint8_t*& at, const uint8_t* end, uint8_t& tag, const uint8_t*& contents,
             size_t& length) {
  if (end - at < 2) return false;
  tag = at[0];
  size_t n = at[1];
  const uint8_t* p = at + 2;
  if (n & 0x80) {
    size_t count = n & 0x7F;
    if (count == 0 || count > 4 || static_cast<size_t>(end - p) < count) return false;
    n = 0;
    for (size_t i = 0; i < count; ++i) n = (n << 8) | *p++;
  }
  if (static_cast<size_t>(end - p) < n) return false;
  contents = p;
  length = n;
  at = p + n;
  return true;
}

std::string OidText(const Bytes& contents) {
  if (contents.empty()) return "";
  std::string text = "." + std::to_string(contents[0] / 40) + "." + std::to_string(contents[0] % 40);
  uint64_t arc = 0;
  for (size_t i = 1; i < contents.size(); ++i) {
    arc = (arc << 7) | (contents[i] & 0x7F);
    if (!(contents[i] & 0x80)) {
      text += "." + std::to_string(arc);
      arc = 0;
    }
  }
  return text;
}

}  // namespace

bool ParseRequest(const Bytes& datagram, ParsedRequest& request) {
  const uint8_t* at = datagram.data();
  const uint8_t* end = at + datagram.size();
  uint8_t tag;
  const uint8_t* c;
  size_t n;
  if (!ReadTlv(at, end, tag, c, n) || tag != 0x30) return false;
  const uint8_t* mEnd = c + n;
  at = c;
  if (!ReadTlv(at, mEnd, tag, c, n) || tag != 0x02) return false;  // version
  if (!ReadTlv(at, mEnd, tag, c, n) || tag != 0x04) return false;
  request.community.assign(reinterpret_cast<const char*>(c), n);
  if (!ReadTlv(at, mEnd, tag, c, n)) return false;
  request.pduType = tag;
  const uint8_t* pEnd = c + n;
  at = c;
  if (!ReadTlv(at, pEnd, tag, c, n) || tag != 0x02 || n == 0 || n > 4) return false;
  uint32_t id = (c[0] & 0x80) ? 0xFFFFFFFFu : 0;
  for (size_t i = 0; i < n; ++i) id = (id << 8) | c[i];
  request.requestId = static_cast<int32_t>(id);
  if (!ReadTlv(at, pEnd, tag, c, n) || !ReadTlv(at, pEnd, tag, c, n)) return false;
  if (!ReadTlv(at, pEnd, tag, c, n) || tag != 0x30) return false;
  at = c;
  const uint8_t* lEnd = c + n;
  if (!ReadTlv(at, lEnd, tag, c, n) || tag != 0x30) return false;
  at = c;
  const uint8_t* bEnd = c + n;
  if (!ReadTlv(at, bEnd, tag, c, n) || tag != 0x06) return false;
  request.nameContents.assign(c, c + n);
  request.oidText = OidText(request.nameContents);
  return true;
}

Bytes ResponseMessage(const std::string& community, int32_t requestId, int32_t errorStatus,
                      int32_t errorIndex, const Bytes& nameContents, const Bytes& valueTlv,
                      uint8_t pduTag) {
  Bytes binding = Tlv(0x30, Concat({Tlv(0x06, nameContents), valueTlv}));
  Bytes pdu = Tlv(pduTag, Concat({IntegerTlv(requestId), IntegerTlv(errorStatus),
                                  IntegerTlv(errorIndex), Tlv(0x30, binding)}));
  return Tlv(0x30, Concat({IntegerTlv(0), OctetStringTlv(community), pdu}));
}

Script TableScript(std::map<std::string, Bytes> table, const std::string& community) {
  return [table = std::move(table), community](const ParsedRequest& request, const Bytes&, int) {
    auto found = table.find(request.oidText);
    if (found == table.end()) {
      return std::vector<Bytes>{ResponseMessage(community, request.requestId, 2, 1,
                                                request.nameContents, Tlv(0x05, {}))};
    }
    return std::vector<Bytes>{
        ResponseMessage(community, request.requestId, 0, 0, request.nameContents, found->second)};
  };
}

bool ScriptedResponder::Start(const std::string& address, Script script) {
  uint32_t ip = 0;
  if (!platform::ParseIpv4(address.c_str(), ip) || !socket_.Open() || !socket_.Bind(ip, 161)) {
    return false;
  }
  script_ = std::move(script);
  stop_ = false;
  thread_ = std::thread([this] { Run(); });
  started_ = true;
  return true;
}

void ScriptedResponder::Stop() {
  if (!started_) return;
  stop_ = true;
  thread_.join();
  socket_.Close();
  started_ = false;
}

void ScriptedResponder::Run() {
  uint8_t buffer[8192];
  while (!stop_) {
    if (socket_.WaitReadable(20) != platform::WaitResult::kReadable) continue;
    uint32_t from = 0;
    uint16_t port = 0;
    long got = socket_.ReceiveFrom(buffer, sizeof buffer, from, port);
    if (got < 0) continue;
    Bytes raw(buffer, buffer + got);
    ParsedRequest request;
    if (!ParseRequest(raw, request)) continue;
    int number = ++requests_;
    for (const Bytes& reply : script_(request, raw, number)) {
      socket_.SendTo(reply.data(), reply.size(), from, port);
    }
  }
}

bool SilentListener::Start(const std::string& address) {
  uint32_t ip = 0;
  started_ = platform::ParseIpv4(address.c_str(), ip) && socket_.Open() && socket_.Bind(ip, 161);
  return started_;
}

SocketsScope::SocketsScope() {
  uint8_t major, minor;
  platform::StartSockets(major, minor);
}

SocketsScope::~SocketsScope() { platform::StopSockets(); }

}  // namespace psui::testing
