#include "printer_comm/ber.h"

#include <cstring>
#include <utility>

namespace psui {

BerElement::BerElement(BerElement&& other) noexcept
    : data(other.data), length(other.length), owned(other.owned) {
  other.data = nullptr;
  other.length = 0;
  other.owned = 0;
}

BerElement& BerElement::operator=(BerElement&& other) noexcept {
  if (this != &other) {
    Free();
    data = other.data;
    length = other.length;
    owned = other.owned;
    other.data = nullptr;
    other.length = 0;
    other.owned = 0;
  }
  return *this;
}

void BerElement::Free() {
  if (owned) SnmpMemFree(data);
  data = nullptr;
  length = 0;
  owned = 0;
}

BerElement BerElement::View(const uint8_t* bytes, uint32_t size) {
  BerElement view;
  view.data = const_cast<uint8_t*>(bytes);
  view.length = size;
  return view;
}

uint32_t BerLengthOctets(uint32_t contentLength) {
  if (contentLength <= 0x7F) return 1;
  if (contentLength <= 0xFFFF) return 3;
  if (contentLength <= 0xFFFFFF) return 4;
  return 5;
}

uint32_t BerWriteHeader(uint8_t* out, uint8_t tag, uint32_t contentLength) {
  out[0] = tag;
  uint32_t octets = BerLengthOctets(contentLength);
  if (octets == 1) {
    out[1] = static_cast<uint8_t>(contentLength);
    return 2;
  }
  uint32_t k = octets - 1;
  out[1] = static_cast<uint8_t>(0x80 + k);
  for (uint32_t i = 0; i < k; ++i) {
    out[2 + i] = static_cast<uint8_t>(contentLength >> (8 * (k - 1 - i)));
  }
  return 1 + octets;
}

bool BerElement::Encode(uint8_t tag, uint32_t contentLength, const uint8_t* content) {
  Free();
  uint32_t header = 1 + BerLengthOctets(contentLength);
  if (contentLength > UINT32_MAX - header) return false;
  auto* bytes = static_cast<uint8_t*>(SnmpMemAlloc(header + contentLength));
  if (bytes == nullptr) return false;
  BerWriteHeader(bytes, tag, contentLength);
  if (content != nullptr && contentLength > 0) std::memcpy(bytes + header, content, contentLength);
  data = bytes;
  length = header + contentLength;
  owned = 1;
  return true;
}

BerElement BerElement::MakeInteger(int32_t value) {
  uint8_t octets[4];
  for (int i = 0; i < 4; ++i) octets[i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (24 - 8 * i));
  int first = 0;
  // Drop a leading 00 before a clear bit 7 and a leading FF before a set one.
  while (first < 3 && ((octets[first] == 0x00 && !(octets[first + 1] & 0x80)) ||
                       (octets[first] == 0xFF && (octets[first + 1] & 0x80)))) {
    ++first;
  }
  BerElement element;
  element.Encode(kTagInteger, static_cast<uint32_t>(4 - first), octets + first);
  return element;
}

BerElement BerElement::MakeOctetString(const char* text) {
  BerElement element;
  if (text == nullptr) return element;
  size_t size = std::strlen(text);
  if (size > UINT32_MAX - 6) return element;
  element.Encode(kTagOctetString, static_cast<uint32_t>(size),
                 reinterpret_cast<const uint8_t*>(text));
  return element;
}

BerElement BerElement::MakeNull(uint8_t valueType) {
  BerElement element;
  if (valueType == kTagNull) element.Encode(kTagNull, 0, nullptr);
  return element;
}

namespace {

// Writes the contents into `out` (room for kMaxObjectIdContents) and returns
// their length, or 0 when the identifier cannot be encoded.
uint32_t ObjectIdContents(const ObjectId& id, uint8_t* out) {
  if (id.count < 2 || id.arcs == nullptr || id.arcs[0] >= 3 || id.arcs[1] >= 40) return 0;
  uint32_t used = 0;
  out[used++] = static_cast<uint8_t>(id.arcs[0] * 40 + id.arcs[1]);
  for (uint32_t i = 2; i < id.count; ++i) {
    uint32_t arc = id.arcs[i];
    uint8_t groups[5];
    uint32_t n = 0;
    do {
      groups[n++] = static_cast<uint8_t>(arc & 0x7F);
      arc >>= 7;
    } while (arc != 0);
    if (used + n > kMaxObjectIdContents) return 0;
    while (n > 0) {
      --n;
      out[used++] = static_cast<uint8_t>(groups[n] | (n > 0 ? 0x80 : 0x00));
    }
  }
  return used;
}

}  // namespace

bool ObjectIdEncodable(const ObjectId& id) {
  uint8_t contents[kMaxObjectIdContents];
  return ObjectIdContents(id, contents) != 0;
}

BerElement BerElement::MakeObjectId(const ObjectId& id) {
  BerElement element;
  uint8_t contents[kMaxObjectIdContents];
  uint32_t used = ObjectIdContents(id, contents);
  if (used != 0) element.Encode(kTagObjectId, used, contents);
  return element;
}

bool BerElement::Append(const BerElement& child) {
  if (child.Empty()) return true;
  BerHeader header;
  if (!DecodeBerHeader(data, length, header)) return false;
  uint32_t oldContent = header.contentLength;
  if (child.length > UINT32_MAX - 16 - oldContent) return false;
  BerElement grown;
  if (!grown.Encode(header.tag, oldContent + child.length, nullptr)) return false;
  uint8_t* at = grown.data + (grown.length - oldContent - child.length);
  if (oldContent > 0) std::memcpy(at, header.contents, oldContent);
  std::memcpy(at + oldContent, child.data, child.length);
  *this = std::move(grown);
  return true;
}

bool DecodeBerHeader(const uint8_t* at, size_t available, BerHeader& header) {
  if (at == nullptr || available < 2) return false;
  uint32_t length = at[1];
  uint32_t headerLength = 2;
  if (length & 0x80) {
    uint32_t count = length & 0x7F;
    // 0x80 alone is the indefinite form, which SNMP never uses.
    if (count == 0 || count > 4 || available < 2 + static_cast<size_t>(count)) return false;
    length = 0;
    for (uint32_t i = 0; i < count; ++i) length = (length << 8) | at[2 + i];
    headerLength = 2 + count;
  }
  if (length > available - headerLength) return false;
  header.tag = at[0];
  header.contentLength = length;
  header.headerLength = headerLength;
  header.contents = at + headerLength;
  return true;
}

bool DecodeIntegerContents(const uint8_t* bytes, uint32_t length, int32_t& value) {
  if (length == 0 || length > 5) return false;
  if (length == 5) {
    if (bytes[0] != 0x00) return false;
    ++bytes;
    length = 4;
  } else if (bytes[0] & 0x80) {
    // Sign-extend a negative value of fewer than four octets.
    uint32_t result = 0xFFFFFFFFu;
    for (uint32_t i = 0; i < length; ++i) result = (result << 8) | bytes[i];
    value = static_cast<int32_t>(result);
    return true;
  }
  uint32_t result = 0;
  for (uint32_t i = 0; i < length; ++i) result = (result << 8) | bytes[i];
  value = static_cast<int32_t>(result);
  return true;
}

int32_t DecodeObjectIdContents(const uint8_t* bytes, uint32_t length, ObjectId& id) {
  id.count = 0;
  id.arcs = nullptr;
  if (bytes == nullptr || length == 0) return kSnmpMalformed;
  uint32_t arcs[kMaxDecodedArcs];
  uint32_t count = 0;
  arcs[count++] = bytes[0] / 40;
  arcs[count++] = bytes[0] % 40;
  uint32_t accumulator = 0;
  bool pending = false;
  for (uint32_t i = 1; i < length; ++i) {
    uint8_t octet = bytes[i];
    if (accumulator > (UINT32_MAX >> 7)) return kSnmpMalformed;  // the arc would not fit 32 bits
    accumulator = (accumulator << 7) | (octet & 0x7F);
    if (octet & 0x80) {
      pending = true;
      continue;
    }
    if (count == kMaxDecodedArcs) return kSnmpMalformed;
    arcs[count++] = accumulator;
    accumulator = 0;
    pending = false;
  }
  if (pending) return kSnmpMalformed;
  auto* heap = static_cast<uint32_t*>(SnmpMemAlloc(kMaxDecodedArcs * sizeof(uint32_t)));
  if (heap == nullptr) return kSnmpNoMemory;
  std::memcpy(heap, arcs, count * sizeof(uint32_t));
  id.count = count;
  id.arcs = heap;
  return 0;
}

}  // namespace psui
