#include "test_messages.h"

namespace psui::testing {

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

Bytes ResponseMessage(const std::string& community, int32_t requestId, int32_t errorStatus,
                      int32_t errorIndex, const Bytes& nameContents, const Bytes& valueTlv,
                      uint8_t pduTag) {
  Bytes binding = Tlv(0x30, Concat({Tlv(0x06, nameContents), valueTlv}));
  Bytes pdu = Tlv(pduTag, Concat({IntegerTlv(requestId), IntegerTlv(errorStatus),
                                  IntegerTlv(errorIndex), Tlv(0x30, binding)}));
  return Tlv(0x30, Concat({IntegerTlv(0), OctetStringTlv(community), pdu}));
}

}  // namespace psui::testing
