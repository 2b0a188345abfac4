#include "printer_comm/ber.h"

#include <gtest/gtest.h>

#include <vector>

namespace psui {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const BerElement& element) {
  return Bytes(element.data, element.data + element.length);
}

ObjectId Oid(std::vector<uint32_t>& arcs) {
  return ObjectId{static_cast<uint32_t>(arcs.size()), arcs.data()};
}

TEST(BerEncoding, IntegersUseTheMinimalTwosComplementForm) {
  const std::pair<int32_t, Bytes> cases[] = {
      {0, {0x02, 0x01, 0x00}},
      {255, {0x02, 0x02, 0x00, 0xFF}},
      {-1, {0x02, 0x01, 0xFF}},
      {257, {0x02, 0x02, 0x01, 0x01}},
      {128, {0x02, 0x02, 0x00, 0x80}},
      {127, {0x02, 0x01, 0x7F}},
      {-128, {0x02, 0x01, 0x80}},
      {-129, {0x02, 0x02, 0xFF, 0x7F}},
      {INT32_MIN, {0x02, 0x04, 0x80, 0x00, 0x00, 0x00}},
      {INT32_MAX, {0x02, 0x04, 0x7F, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& [value, expected] : cases) {
    BerElement element = BerElement::MakeInteger(value);
    EXPECT_EQ(BytesOf(element), expected) << value;
    EXPECT_EQ(element.owned, 1u);
  }
}

TEST(BerEncoding, LengthsAboveOneOctetAlwaysUseAtLeastTwoLengthOctets) {
  const std::pair<uint32_t, Bytes> cases[] = {
      {127, {0x04, 0x7F}},
      {128, {0x04, 0x82, 0x00, 0x80}},
      {200, {0x04, 0x82, 0x00, 0xC8}},
      {65535, {0x04, 0x82, 0xFF, 0xFF}},
      {65536, {0x04, 0x83, 0x01, 0x00, 0x00}},
  };
  for (const auto& [length, header] : cases) {
    BerElement element;
    ASSERT_TRUE(element.Encode(0x04, length, nullptr));
    EXPECT_EQ(element.length, header.size() + length);
    EXPECT_EQ(Bytes(element.data, element.data + header.size()), header) << length;
  }
  uint8_t header[6];
  EXPECT_EQ(BerWriteHeader(header, 0x30, 0x01000000), 6u);
  EXPECT_EQ(Bytes(header, header + 6), (Bytes{0x30, 0x84, 0x01, 0x00, 0x00, 0x00}));
}

TEST(BerEncoding, OctetStringNullAndEmptyElements) {
  EXPECT_EQ(BytesOf(BerElement::MakeOctetString("abc")), (Bytes{0x04, 0x03, 'a', 'b', 'c'}));
  EXPECT_EQ(BytesOf(BerElement::MakeOctetString("")), (Bytes{0x04, 0x00}));
  EXPECT_TRUE(BerElement::MakeOctetString(nullptr).Empty());
  EXPECT_EQ(BytesOf(BerElement::MakeNull(kTagNull)), (Bytes{0x05, 0x00}));
  EXPECT_TRUE(BerElement::MakeNull(kTagInteger).Empty());
}

TEST(BerEncoding, ObjectIdentifiersPackTheFirstTwoArcsAndBase128Groups) {
  std::vector<uint32_t> arcs{1, 3, 6, 1, 2, 1, 43, 11, 1, 1, 9, 1, 1};
  EXPECT_EQ(BytesOf(BerElement::MakeObjectId(Oid(arcs))),
            (Bytes{0x06, 0x0C, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x2B, 0x0B, 0x01, 0x01, 0x09, 0x01,
                   0x01}));
  std::vector<uint32_t> wide{2, 39, 0, 128, 32473, 0xFFFFFFFF};
  EXPECT_EQ(BytesOf(BerElement::MakeObjectId(Oid(wide))),
            (Bytes{0x06, 0x0C, 0x77, 0x00, 0x81, 0x00, 0x81, 0xFD, 0x59, 0x8F, 0xFF, 0xFF, 0xFF,
                   0x7F}));
}

TEST(BerEncoding, ObjectIdentifiersThatCannotBeEncodedGiveAnEmptyElement) {
  std::vector<uint32_t> secondTooBig{1, 40, 1};
  std::vector<uint32_t> firstTooBig{3, 1};
  std::vector<uint32_t> oneArc{1};
  EXPECT_TRUE(BerElement::MakeObjectId(Oid(secondTooBig)).Empty());
  EXPECT_TRUE(BerElement::MakeObjectId(Oid(firstTooBig)).Empty());
  EXPECT_TRUE(BerElement::MakeObjectId(Oid(oneArc)).Empty());
  EXPECT_TRUE(BerElement::MakeObjectId(ObjectId{0, nullptr}).Empty());
  // 1 octet for the first two arcs, then 127 one-octet arcs fit; one more does not.
  std::vector<uint32_t> longest(129, 1);
  EXPECT_EQ(BerElement::MakeObjectId(Oid(longest)).length, 4u + 128u);  // 06 82 00 80
  longest.push_back(1);
  EXPECT_TRUE(BerElement::MakeObjectId(Oid(longest)).Empty());
  EXPECT_FALSE(ObjectIdEncodable(Oid(longest)));
}

TEST(BerEncoding, AppendGrowsTheHeaderWhenTheContentsPass127Octets) {
  BerElement sequence;
  ASSERT_TRUE(sequence.Encode(0x30, 0, nullptr));
  ASSERT_TRUE(sequence.Append(BerElement()));  // an empty child adds nothing
  EXPECT_EQ(BytesOf(sequence), (Bytes{0x30, 0x00}));
  BerElement text = BerElement::MakeOctetString(std::string(100, 'x').c_str());
  ASSERT_TRUE(sequence.Append(text));
  EXPECT_EQ(sequence.data[1], 102);
  ASSERT_TRUE(sequence.Append(text));
  ASSERT_EQ(sequence.length, 4u + 204u);
  EXPECT_EQ(Bytes(sequence.data, sequence.data + 6), (Bytes{0x30, 0x82, 0x00, 0xCC, 0x04, 0x64}));
  EXPECT_EQ(sequence.data[4 + 102], 0x04);
}

TEST(BerDecoding, HeadersMustFitTheBytesTheyCameIn) {
  BerHeader header;
  const Bytes shortForm{0x02, 0x01, 0x05, 0xAA};
  ASSERT_TRUE(DecodeBerHeader(shortForm.data(), shortForm.size(), header));
  EXPECT_EQ(header.tag, 0x02);
  EXPECT_EQ(header.contentLength, 1u);
  EXPECT_EQ(header.contents, shortForm.data() + 2);
  // Non-minimal long forms (as the encoder itself writes) are accepted.
  const Bytes longForm{0x04, 0x82, 0x00, 0x02, 'h', 'i'};
  ASSERT_TRUE(DecodeBerHeader(longForm.data(), longForm.size(), header));
  EXPECT_EQ(header.contentLength, 2u);
  EXPECT_EQ(header.headerLength, 4u);

  const Bytes rejected[] = {
      {},
      {0x02},
      {0x02, 0x02, 0x00},                          // contents run past the end
      {0x30, 0x80, 0x00, 0x00},                    // indefinite length
      {0x30, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01},  // five length octets
      {0x04, 0x82, 0x00},                          // length octets cut off
      {0x04, 0x84, 0xFF, 0xFF, 0xFF, 0xFF, 0x00},  // 4 GiB announced
  };
  for (const Bytes& bytes : rejected) {
    EXPECT_FALSE(DecodeBerHeader(bytes.data(), bytes.size(), header)) << bytes.size();
  }
}

TEST(BerDecoding, IntegerContentsAreSignExtendedAndCounterValuesKeepTheirLow32Bits) {
  const std::pair<Bytes, int32_t> cases[] = {
      {{0xFF}, -1},
      {{0x00, 0xFF}, 255},
      {{0x01, 0x01}, 257},
      {{0x80}, -128},
      {{0xFF, 0x7F}, -129},
      {{0x80, 0x00, 0x00, 0x00}, INT32_MIN},
      {{0x00, 0xB2, 0xD0, 0x5E, 0x00}, static_cast<int32_t>(3000000000u)},
      {{0x00, 0xFF, 0xFF, 0xFF, 0xFF}, -1},
  };
  for (const auto& [bytes, expected] : cases) {
    int32_t value = 0;
    ASSERT_TRUE(DecodeIntegerContents(bytes.data(), static_cast<uint32_t>(bytes.size()), value));
    EXPECT_EQ(value, expected) << bytes.size();
  }
  int32_t value = 0;
  const Bytes five{0x01, 0x00, 0x00, 0x00, 0x00};
  const Bytes six{0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
  EXPECT_FALSE(DecodeIntegerContents(five.data(), 5, value));
  EXPECT_FALSE(DecodeIntegerContents(six.data(), 6, value));
  EXPECT_FALSE(DecodeIntegerContents(six.data(), 0, value));
}

TEST(BerDecoding, ObjectIdentifierContentsRoundTripAndLimitsAreEnforced) {
  std::vector<uint32_t> arcs{1, 3, 6, 1, 4, 1, 32473, 0, 0xFFFFFFFF};
  BerElement encoded = BerElement::MakeObjectId(Oid(arcs));
  BerHeader header;
  ASSERT_TRUE(DecodeBerHeader(encoded.data, encoded.length, header));
  ObjectId id{};
  ASSERT_EQ(DecodeObjectIdContents(header.contents, header.contentLength, id), 0);
  EXPECT_EQ(std::vector<uint32_t>(id.arcs, id.arcs + id.count), arcs);
  SnmpMemFree(id.arcs);

  Bytes thirtyTwo(31, 0x01);  // first octet gives two arcs, then 30 more
  ASSERT_EQ(DecodeObjectIdContents(thirtyTwo.data(), 31, id), 0);
  EXPECT_EQ(id.count, 32u);
  SnmpMemFree(id.arcs);

  const Bytes rejected[] = {
      Bytes(32, 0x01),                     // 33 arcs
      {0x2B, 0x06, 0x81},                  // last arc cut off after a continuation octet
      {0x2B, 0x90, 0x80, 0x80, 0x80, 0x00},  // arc of 2^32
  };
  for (const Bytes& bytes : rejected) {
    EXPECT_EQ(DecodeObjectIdContents(bytes.data(), static_cast<uint32_t>(bytes.size()), id),
              kSnmpMalformed);
    EXPECT_EQ(id.count, 0u);
    EXPECT_EQ(id.arcs, nullptr);
  }
  EXPECT_EQ(DecodeObjectIdContents(thirtyTwo.data(), 0, id), kSnmpMalformed);
}

TEST(BerMemory, AllocationFailuresLeaveEmptyElementsAndAreReported) {
  SetSnmpAllocationLimitForTesting(0);
  EXPECT_TRUE(BerElement::MakeInteger(5).Empty());
  BerElement sequence;
  EXPECT_FALSE(sequence.Encode(0x30, 0, nullptr));
  ObjectId id{};
  const Bytes contents{0x2B, 0x06};
  EXPECT_EQ(DecodeObjectIdContents(contents.data(), 2, id), kSnmpNoMemory);
  SetSnmpAllocationLimitForTesting(1);
  ASSERT_TRUE(sequence.Encode(0x30, 0, nullptr));
  BerElement child = BerElement::MakeInteger(1);  // fails: limit used up
  EXPECT_TRUE(child.Empty());
  SetSnmpAllocationLimitForTesting(-1);
  child = BerElement::MakeInteger(1);
  SetSnmpAllocationLimitForTesting(0);
  EXPECT_FALSE(sequence.Append(child));
  SetSnmpAllocationLimitForTesting(-1);
  EXPECT_EQ(BytesOf(sequence), (Bytes{0x30, 0x00}));  // unchanged by the failed append
}

}  // namespace
}  // namespace psui
