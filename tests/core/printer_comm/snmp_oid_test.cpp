#include "printer_comm/snmp_oid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace psui {
namespace {

std::vector<uint32_t> Arcs(const char* text) {
  ObjectId id{99, nullptr};
  if (!SnmpMgrStrToOid(text, &id)) {
    EXPECT_EQ(id.count, 0u);
    EXPECT_EQ(id.arcs, nullptr);
    return {};
  }
  std::vector<uint32_t> arcs(id.arcs, id.arcs + id.count);
  SnmpMemFree(id.arcs);
  return arcs;
}

TEST(OidText, DottedTextBecomesArcs) {
  EXPECT_EQ(Arcs(".1.3.6.1.2.1.43.11.1.1.9.1.0"),
            (std::vector<uint32_t>{1, 3, 6, 1, 2, 1, 43, 11, 1, 1, 9, 1, 0}));
  EXPECT_EQ(Arcs(".2.39.4294967295"), (std::vector<uint32_t>{2, 39, 4294967295u}));
  EXPECT_EQ(Arcs(".1.3.000000000000005"), (std::vector<uint32_t>{1, 3, 5}));  // 15 digits
}

TEST(OidText, EmptyArcsCountAsZero) {
  EXPECT_EQ(Arcs(".1.3.6.1."), (std::vector<uint32_t>{1, 3, 6, 1, 0}));
  EXPECT_EQ(Arcs(".1..3"), (std::vector<uint32_t>{1, 0, 3}));
}

TEST(OidText, MalformedTextIsRejected) {
  const char* rejected[] = {
      "1.3.6.1",              // no leading dot
      "",
      ".",                    // one arc
      ".1",
      ".1.3.6a",              // a letter
      ".1.3.-6",
      ".3.1",                 // first arc above 2
      ".1.40",                // second arc above 39
      ".1.3.4294967296",      // above 2^32-1
      ".1.3.0000000000000001",  // 16 digits
  };
  for (const char* text : rejected) EXPECT_TRUE(Arcs(text).empty()) << text;
  ObjectId id{};
  EXPECT_EQ(SnmpMgrStrToOid(nullptr, &id), 0);
}

TEST(OidText, AtMost128Arcs) {
  std::string text = ".1.3";
  for (int i = 2; i < 128; ++i) text += ".7";
  EXPECT_EQ(Arcs(text.c_str()).size(), 128u);
  text += ".7";
  EXPECT_TRUE(Arcs(text.c_str()).empty());
}

TEST(OidText, IdentifiersPrintAsDottedText) {
  uint32_t arcs[] = {1, 3, 6, 1, 4, 1, 32473, 0};
  EXPECT_EQ(ObjectIdText(ObjectId{8, arcs}), ".1.3.6.1.4.1.32473.0");
  EXPECT_EQ(ObjectIdText(ObjectId{0, nullptr}), "");
}

}  // namespace
}  // namespace psui
