// Test-side SNMP messages, written independently of the client's encoder.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace psui::testing {

using Bytes = std::vector<uint8_t>;

// Minimal-length TLV.
Bytes Tlv(uint8_t tag, const Bytes& contents);
Bytes IntegerTlv(int64_t value, uint8_t tag = 0x02);
Bytes OctetStringTlv(const std::string& text, uint8_t tag = 0x04);
Bytes Concat(std::initializer_list<Bytes> parts);

Bytes ResponseMessage(const std::string& community, int32_t requestId, int32_t errorStatus,
                      int32_t errorIndex, const Bytes& nameContents, const Bytes& valueTlv,
                      uint8_t pduTag = 0xA2);

}  // namespace psui::testing
