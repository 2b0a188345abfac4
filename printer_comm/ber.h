// BER encoding of the few element types a GetRequest needs, and decoding
// primitives that check every length against the bytes they were given.
#pragma once

#include <cstddef>
#include <cstdint>

#include "printer_comm/snmp_types.h"

namespace psui {

// The longest OBJECT IDENTIFIER contents the encoder produces.
constexpr uint32_t kMaxObjectIdContents = 128;

// One encoded element: tag, length octets and contents. An element that
// only views received bytes has owned = 0 and frees nothing.
class BerElement {
 public:
  uint8_t* data = nullptr;
  uint32_t length = 0;  // total encoded size, header included
  uint32_t owned = 0;

  BerElement() = default;
  ~BerElement() { Free(); }
  BerElement(BerElement&& other) noexcept;
  BerElement& operator=(BerElement&& other) noexcept;
  BerElement(const BerElement&) = delete;
  BerElement& operator=(const BerElement&) = delete;

  bool Empty() const { return data == nullptr && length == 0; }
  void Free();

  // Allocates header plus contents; with null content only the header is
  // written and the contents are left zeroed for the caller. False when
  // memory ran out (the element is then empty).
  bool Encode(uint8_t tag, uint32_t contentLength, const uint8_t* content);

  static BerElement MakeInteger(int32_t value);
  static BerElement MakeOctetString(const char* text);  // null text: empty element
  static BerElement MakeNull(uint8_t valueType);  // 05 00 only for kTagNull
  // Empty when the identifier is not encodable (fewer than two arcs, first
  // arc above 2, second above 39, contents over 128 octets).
  static BerElement MakeObjectId(const ObjectId& id);

  // Adds the child's whole encoding behind this element's contents and
  // re-encodes the header. Appending an empty child changes nothing.
  bool Append(const BerElement& child);

  static BerElement View(const uint8_t* bytes, uint32_t size);
};

// Whether MakeObjectId can encode the identifier (memory permitting).
bool ObjectIdEncodable(const ObjectId& id);

// Size of the length octets for a content length: 1, or 1 + 2..4.
uint32_t BerLengthOctets(uint32_t contentLength);
// Writes tag and length octets at `out` (room for 6 bytes); returns the count.
uint32_t BerWriteHeader(uint8_t* out, uint8_t tag, uint32_t contentLength);

struct BerHeader {
  uint8_t tag = 0;
  uint32_t contentLength = 0;
  uint32_t headerLength = 0;
  const uint8_t* contents = nullptr;
  uint32_t TotalLength() const { return headerLength + contentLength; }
};

// Decodes the header at `at` and checks that the whole element fits in the
// `available` bytes. Rejects the indefinite form and more than 4 length
// octets; accepts long forms that are not minimal.
bool DecodeBerHeader(const uint8_t* at, size_t available, BerHeader& header);

// 1 to 4 octets, sign-extended; 5 octets with a leading zero keep their low
// 32 bits (a Counter or Gauge of 2^31 and more). Anything else is rejected.
bool DecodeIntegerContents(const uint8_t* bytes, uint32_t length, int32_t& value);

// First octet gives two arcs (/40 and %40), then base-128 groups. Rejects
// empty contents, more than kMaxDecodedArcs arcs, an arc beyond 32 bits and
// a last arc cut off in the middle (kSnmpMalformed); kSnmpNoMemory when the
// arcs, which come from SnmpMemAlloc, cannot be allocated. 0 on success.
int32_t DecodeObjectIdContents(const uint8_t* bytes, uint32_t length, ObjectId& id);

}  // namespace psui
