#include "printer_comm/snmp_message.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "test_messages.h"

namespace psui {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::IntegerTlv;
using testing::OctetStringTlv;
using testing::ResponseMessage;
using testing::Tlv;

const Bytes kLevelName{0x2B, 0x06, 0x01, 0x02, 0x01, 0x2B, 0x0B, 0x01, 0x01, 0x09, 0x01, 0x01};

// A one-entry list whose binding asks for prtMarkerSuppliesLevel.1.1.
struct OneBinding {
  uint32_t arcs[13] = {1, 3, 6, 1, 2, 1, 43, 11, 1, 1, 9, 1, 1};
  VarBind bind{};
  VarBindList list{&bind, 1};
  OneBinding() {
    bind.name = ObjectId{13, arcs};
    bind.value.type = kTagNull;
  }
  ~OneBinding() {
    bind.name = ObjectId{0, nullptr};  // the arcs are not heap memory
    VarBindFree(&bind);
  }
};

struct Decoded {
  int32_t rc = -100;
  VarBind bind{};
  int32_t status = -7;
  int32_t index = -7;
  ~Decoded() { VarBindFree(&bind); }
};

void Decode(const Bytes& datagram, Decoded& out, const char* community = "public",
            int32_t requestId = 257) {
  out.bind.value.type = kTagNull;
  out.rc = DecodeGetResponse(datagram.data(), datagram.size(), community, requestId, out.bind,
                             &out.status, &out.index);
}

Bytes Answer(const Bytes& value, int32_t status = 0, int32_t requestId = 257) {
  return ResponseMessage("public", requestId, status, status ? 1 : 0, kLevelName, value);
}

TEST(GetRequest, TheWholeMessageIsLaidOutAsAgentsExpect) {
  OneBinding request;
  BerElement message;
  ASSERT_EQ(BuildGetRequest(257, "public", kPduGetRequest, request.list, message), 0);
  const Bytes binding{0x30, 0x10, 0x06, 0x0C, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x2B, 0x0B, 0x01,
                      0x01, 0x09, 0x01, 0x01, 0x05, 0x00};
  const Bytes expected = Concat({{0x30, 0x2B, 0x02, 0x01, 0x00, 0x04, 0x06},
                                 Bytes{'p', 'u', 'b', 'l', 'i', 'c'},
                                 {0xA0, 0x1E, 0x02, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02,
                                  0x01, 0x00, 0x30, 0x12},
                                 binding});
  EXPECT_EQ(Bytes(message.data, message.data + message.length), expected);
}

TEST(GetRequest, LongCommunitiesUseLongFormLengthsAndBadNamesAreRefused) {
  OneBinding request;
  BerElement message;
  std::string community(200, 'c');
  ASSERT_EQ(BuildGetRequest(300, community.c_str(), kPduGetRequest, request.list, message), 0);
  EXPECT_EQ(Bytes(message.data, message.data + 4), (Bytes{0x30, 0x82, 0x00, 0xEF}));
  EXPECT_EQ(Bytes(message.data + 7, message.data + 11), (Bytes{0x04, 0x82, 0x00, 0xC8}));

  request.arcs[1] = 40;  // not encodable: nothing would name the object asked
  EXPECT_EQ(BuildGetRequest(300, "public", kPduGetRequest, request.list, message),
            kSnmpInvalidArgument);
}

TEST(GetRequest, EveryAllocationFailureIsReportedWithoutLeaking) {
  OneBinding request;
  for (long limit = 0; limit < 40; ++limit) {
    BerElement message;
    SetSnmpAllocationLimitForTesting(limit);
    int32_t rc = BuildGetRequest(257, "public", kPduGetRequest, request.list, message);
    SetSnmpAllocationLimitForTesting(-1);
    if (rc == 0) {
      EXPECT_EQ(message.length, 45u);
      return;
    }
    EXPECT_EQ(rc, kSnmpNoMemory) << limit;
    EXPECT_TRUE(message.Empty());
  }
  FAIL() << "the message never got built";
}

TEST(GetResponse, ValuesOfEverySupportedTypeAreDecoded) {
  Decoded integer;
  Decode(Answer(IntegerTlv(-5)), integer);
  ASSERT_EQ(integer.rc, 0);
  EXPECT_EQ(integer.bind.value.type, kTagInteger);
  EXPECT_EQ(integer.bind.value.number, -5);
  EXPECT_EQ(integer.status, 0);
  EXPECT_EQ(integer.index, 0);

  Decoded gauge;  // a Gauge of 2^31 and more arrives as five octets
  Decode(Answer(IntegerTlv(3000000000LL, kTagGauge)), gauge);
  ASSERT_EQ(gauge.rc, 0);
  EXPECT_EQ(gauge.bind.value.type, kTagGauge);
  EXPECT_EQ(static_cast<uint32_t>(gauge.bind.value.number), 3000000000u);

  Decoded text;
  Decode(Answer(OctetStringTlv(std::string("Toner\0nero", 10))), text);
  ASSERT_EQ(text.rc, 0);
  EXPECT_EQ(text.bind.value.type, kTagOctetString);
  ASSERT_EQ(text.bind.value.string.length, 10u);
  EXPECT_EQ(text.bind.value.string.owned, 1u);
  EXPECT_EQ(std::memcmp(text.bind.value.string.bytes, "Toner\0nero", 10), 0);

  Decoded address;
  Decode(Answer(Tlv(kTagIpAddress, {127, 0, 0, 1})), address);
  ASSERT_EQ(address.rc, 0);
  EXPECT_EQ(address.bind.value.type, kTagIpAddress);
  EXPECT_EQ(address.bind.value.string.length, 4u);

  Decoded oid;
  Decode(Answer(Tlv(kTagObjectId, kLevelName)), oid);
  ASSERT_EQ(oid.rc, 0);
  ASSERT_EQ(oid.bind.value.type, kTagObjectId);
  ASSERT_EQ(oid.bind.value.oid.count, 13u);
  EXPECT_EQ(oid.bind.value.oid.arcs[12], 1u);
}

TEST(GetResponse, AnErrorStatusIsNotAFailure) {
  Decoded answer;
  answer.bind.value.type = kTagNull;
  Decode(Answer(Tlv(kTagNull, {}), 2), answer);
  EXPECT_EQ(answer.rc, 0);
  EXPECT_EQ(answer.bind.value.type, kTagNull);
  EXPECT_EQ(answer.status, 2);
  EXPECT_EQ(answer.index, 1);
  // A NULL with contents keeps nothing (and so leaks nothing).
  Decoded odd;
  Decode(Answer(Tlv(kTagNull, {1, 2, 3}), 2), odd);
  EXPECT_EQ(odd.rc, 0);
  EXPECT_EQ(odd.bind.value.string.bytes, nullptr);
}

TEST(GetResponse, CommunityMustBeALeadingPartOfOurs) {
  Decoded same, prefix, empty, longer, other;
  Decode(ResponseMessage("public", 257, 0, 0, kLevelName, IntegerTlv(1)), same);
  Decode(ResponseMessage("pub", 257, 0, 0, kLevelName, IntegerTlv(1)), prefix);
  Decode(ResponseMessage("", 257, 0, 0, kLevelName, IntegerTlv(1)), empty);
  Decode(ResponseMessage("publicity", 257, 0, 0, kLevelName, IntegerTlv(1)), longer);
  Decode(ResponseMessage("privat", 257, 0, 0, kLevelName, IntegerTlv(1)), other);
  EXPECT_EQ(same.rc, 0);
  EXPECT_EQ(prefix.rc, 0);
  EXPECT_EQ(empty.rc, 0);
  EXPECT_EQ(longer.rc, kSnmpCommunityMismatch);
  EXPECT_EQ(other.rc, kSnmpCommunityMismatch);
  // Our side may be as short as the empty text.
  Decoded againstEmpty;
  Decode(ResponseMessage("p", 257, 0, 0, kLevelName, IntegerTlv(1)), againstEmpty, "");
  EXPECT_EQ(againstEmpty.rc, kSnmpCommunityMismatch);
}

TEST(GetResponse, AnotherRequestsAnswerStoresNothing) {
  Decoded stale;
  Decode(Answer(IntegerTlv(9), 0, 256), stale);
  EXPECT_EQ(stale.rc, kSnmpWrongRequestId);
  EXPECT_EQ(stale.status, -7);
  EXPECT_EQ(stale.bind.value.type, kTagNull);
}

TEST(GetResponse, UnexpectedTagsAndBadValuesAreMalformed) {
  const Bytes version = IntegerTlv(0);
  const Bytes community = OctetStringTlv("public");
  const Bytes pduBody = Concat({IntegerTlv(257), IntegerTlv(0), IntegerTlv(0),
                                Tlv(0x30, Tlv(0x30, Concat({Tlv(6, kLevelName), IntegerTlv(1)})))});
  const Bytes cases[] = {
      ResponseMessage("public", 257, 0, 0, kLevelName, IntegerTlv(1), 0xA3),  // not a GetResponse
      Tlv(0x31, Concat({version, community, Tlv(0xA2, pduBody)})),
      Tlv(0x30, Concat({community, community, Tlv(0xA2, pduBody)})),
      Tlv(0x30, Concat({version, version, Tlv(0xA2, pduBody)})),
      Answer(Tlv(0x80, {1})),           // unsupported value type
      Answer(Tlv(kTagInteger, {})),     // an INTEGER without contents
      Answer(Tlv(kTagCounter, {1, 0, 0, 0, 0})),
      Answer(Tlv(kTagObjectId, {})),
      Answer(Tlv(kTagObjectId, Bytes(40, 0x01))),  // more than 32 arcs
      {0x30, 0x80, 0x00, 0x00},          // indefinite length
      {},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    Decoded answer;
    Decode(cases[i], answer);
    EXPECT_EQ(answer.rc, kSnmpMalformed) << "case " << i;
  }
  // The version may hold anything, even nothing.
  Decoded anyVersion;
  Decode(Tlv(0x30, Concat({Tlv(2, {}), community, Tlv(0xA2, pduBody)})), anyVersion);
  EXPECT_EQ(anyVersion.rc, 0);
}

TEST(GetResponse, NoCutOfAValidAnswerIsReadPastAndTrailingBytesAreIgnored) {
  const Bytes whole = Answer(OctetStringTlv(std::string(300, 'x')));
  for (size_t size = 0; size < whole.size(); ++size) {
    // A copy of exactly `size` bytes, so that ASan sees any read past it.
    std::unique_ptr<uint8_t[]> cut(new uint8_t[size == 0 ? 1 : size]);
    std::memcpy(cut.get(), whole.data(), size);
    Decoded answer;
    answer.bind.value.type = kTagNull;
    answer.rc = DecodeGetResponse(cut.get(), size, "public", 257, answer.bind, &answer.status,
                                  &answer.index);
    ASSERT_EQ(answer.rc, kSnmpMalformed) << size;
  }
  Decoded padded;
  Decode(Concat({whole, Bytes{0xDE, 0xAD}}), padded);
  EXPECT_EQ(padded.rc, 0);
  EXPECT_EQ(padded.bind.value.string.length, 300u);
}

TEST(GetResponse, InnerLengthsCannotReachOutsideTheirParent) {
  // The binding claims more octets than the list that holds it.
  Bytes binding = Tlv(0x30, Concat({Tlv(6, kLevelName), IntegerTlv(1)}));
  Bytes list = Concat({Bytes{0x30, static_cast<uint8_t>(binding.size() - 1)}, binding});
  Bytes pdu = Tlv(0xA2, Concat({IntegerTlv(257), IntegerTlv(0), IntegerTlv(0), list}));
  Decoded answer;
  Decode(Tlv(0x30, Concat({IntegerTlv(0), OctetStringTlv("public"), pdu})), answer);
  EXPECT_EQ(answer.rc, kSnmpMalformed);
}

TEST(GetResponse, RunningOutOfMemoryForAValueIsReported) {
  Decoded answer;
  SetSnmpAllocationLimitForTesting(0);
  Decode(Answer(OctetStringTlv("Toner")), answer);
  SetSnmpAllocationLimitForTesting(-1);
  EXPECT_EQ(answer.rc, kSnmpNoMemory);
  EXPECT_EQ(answer.bind.value.type, kTagNull);
}

}  // namespace
}  // namespace psui
