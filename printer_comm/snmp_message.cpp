#include "printer_comm/snmp_message.h"

#include <cstring>
#include <initializer_list>

namespace psui {

namespace {

// Appends every child in turn to a constructed element that starts empty.
int32_t Construct(uint8_t tag, BerElement& element, std::initializer_list<const BerElement*> children) {
  if (!element.Encode(tag, 0, nullptr)) return kSnmpNoMemory;
  for (const BerElement* child : children) {
    if (!element.Append(*child)) return kSnmpNoMemory;
  }
  return 0;
}

bool Made(const BerElement& element) { return !element.Empty(); }

// Walks the elements inside one parent; every element must fit in what is
// left of the parent.
class Cursor {
 public:
  Cursor(const uint8_t* begin, size_t size) : at_(begin), left_(size) {}
  explicit Cursor(const BerHeader& parent) : at_(parent.contents), left_(parent.contentLength) {}

  // Decodes the next element, whatever its tag, and steps behind it; false
  // when it does not fit.
  bool NextAny(BerHeader& header) {
    if (!DecodeBerHeader(at_, left_, header)) return false;
    at_ += header.TotalLength();
    left_ -= header.TotalLength();
    return true;
  }
  bool Next(uint8_t expectedTag, BerHeader& header) {
    return NextAny(header) && header.tag == expectedTag;
  }

 private:
  const uint8_t* at_;
  size_t left_;
};

int32_t DecodeValue(const BerHeader& element, SnmpValue& value) {
  SnmpValue decoded;
  std::memset(&decoded, 0, sizeof decoded);
  decoded.type = element.tag;
  if (IsIntegerType(element.tag)) {
    if (!DecodeIntegerContents(element.contents, element.contentLength, decoded.number)) {
      return kSnmpMalformed;
    }
  } else if (element.tag == kTagNull) {
    // Nothing kept: a NULL has no value, whatever octets it carries.
  } else if (IsByteStringType(element.tag)) {
    if (element.contentLength > 0) {
      auto* copy = static_cast<uint8_t*>(SnmpMemAlloc(element.contentLength));
      if (copy == nullptr) return kSnmpNoMemory;
      std::memcpy(copy, element.contents, element.contentLength);
      decoded.string.bytes = copy;
      decoded.string.length = element.contentLength;
      decoded.string.owned = 1;
    }
  } else if (element.tag == kTagObjectId) {
    int32_t rc = DecodeObjectIdContents(element.contents, element.contentLength, decoded.oid);
    if (rc != 0) return rc;
  } else {
    return kSnmpMalformed;
  }
  value = decoded;
  return 0;
}

}  // namespace

int32_t BuildGetRequest(int32_t requestId, const char* community, uint8_t pduType,
                        const VarBindList& bindings, BerElement& message) {
  message.Free();
  BerElement list;
  if (!list.Encode(kTagSequence, 0, nullptr)) return kSnmpNoMemory;
  for (uint32_t i = 0; i < bindings.len; ++i) {
    const VarBind& bind = bindings.list[i];
    BerElement name = BerElement::MakeObjectId(bind.name);
    if (!ObjectIdEncodable(bind.name)) return kSnmpInvalidArgument;
    if (!Made(name)) return kSnmpNoMemory;
    BerElement value = BerElement::MakeNull(bind.value.type);
    if (bind.value.type == kTagNull && !Made(value)) return kSnmpNoMemory;
    BerElement binding;
    int32_t rc = Construct(kTagSequence, binding, {&name, &value});
    if (rc == 0 && !list.Append(binding)) rc = kSnmpNoMemory;
    if (rc != 0) return rc;
  }
  BerElement id = BerElement::MakeInteger(requestId);
  BerElement status = BerElement::MakeInteger(0);
  BerElement index = BerElement::MakeInteger(0);
  BerElement version = BerElement::MakeInteger(0);
  BerElement name = BerElement::MakeOctetString(community != nullptr ? community : "");
  if (!Made(id) || !Made(status) || !Made(index) || !Made(version) || !Made(name)) {
    return kSnmpNoMemory;
  }
  BerElement pdu;
  int32_t rc = Construct(pduType, pdu, {&id, &status, &index, &list});
  if (rc == 0) rc = Construct(kTagSequence, message, {&version, &name, &pdu});
  if (rc != 0) message.Free();
  return rc;
}

int32_t DecodeGetResponse(const uint8_t* datagram, size_t size, const char* community,
                          int32_t requestId, VarBind& bind, int32_t* errorStatus,
                          int32_t* errorIndex) {
  BerHeader message;
  if (!DecodeBerHeader(datagram, size, message) || message.tag != kTagSequence) {
    return kSnmpMalformed;
  }
  Cursor inMessage(message);
  BerHeader version, name, pdu;
  if (!inMessage.Next(kTagInteger, version)) return kSnmpMalformed;
  if (!inMessage.Next(kTagOctetString, name)) return kSnmpMalformed;
  // The received community must be a leading part of ours (an empty one is).
  const char* ours = community != nullptr ? community : "";
  size_t oursLength = std::strlen(ours);
  if (name.contentLength > oursLength ||
      std::memcmp(name.contents, ours, name.contentLength) != 0) {
    return kSnmpCommunityMismatch;
  }
  if (!inMessage.Next(kPduGetResponse, pdu)) return kSnmpMalformed;

  Cursor inPdu(pdu);
  BerHeader id, status, index, list;
  int32_t number = 0;
  if (!inPdu.Next(kTagInteger, id) || !DecodeIntegerContents(id.contents, id.contentLength, number)) {
    return kSnmpMalformed;
  }
  if (number != requestId) return kSnmpWrongRequestId;
  if (!inPdu.Next(kTagInteger, status) ||
      !DecodeIntegerContents(status.contents, status.contentLength, number)) {
    return kSnmpMalformed;
  }
  if (errorStatus != nullptr) *errorStatus = number;
  if (!inPdu.Next(kTagInteger, index) ||
      !DecodeIntegerContents(index.contents, index.contentLength, number)) {
    return kSnmpMalformed;
  }
  if (errorIndex != nullptr) *errorIndex = number;
  if (!inPdu.Next(kTagSequence, list)) return kSnmpMalformed;

  Cursor inList(list);
  BerHeader binding, oid, value;
  if (!inList.Next(kTagSequence, binding)) return kSnmpMalformed;
  Cursor inBinding(binding);
  if (!inBinding.Next(kTagObjectId, oid)) return kSnmpMalformed;
  if (!inBinding.NextAny(value)) return kSnmpMalformed;
  return DecodeValue(value, bind.value);
}

}  // namespace psui
