// Both query drivers against a scripted agent on loopback.
#include "printer_comm/printer_queries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "platform/last_error.h"
#include "test_peers.h"

namespace psui {
namespace {

using namespace psui::testing;

const std::string kMaker = ".1.3.6.1.4.1.32473";
const std::string kColumn[5] = {".1.3.6.1.2.1.43.11.1.1.6.1.", ".1.3.6.1.2.1.43.11.1.1.9.1.",
                                ".1.3.6.1.2.1.43.11.1.1.8.1.", ".1.3.6.1.2.1.43.11.1.1.7.1.",
                                ".1.3.6.1.2.1.43.11.1.1.5.1."};

class Drivers : public ::testing::Test {
 protected:
  void Serve(std::map<std::string, Bytes> table) {
    ASSERT_TRUE(responder_.Start(address_, TableScript(std::move(table))));
  }
  // A fresh copy of the shared list, so tests do not disturb each other.
  void CopyOptionList() { std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), options_); }

  SocketsScope sockets_;
  ScriptedResponder responder_;
  std::string address_ = PeerAddress(kDriverResponder);
  OptionQuery options_[kInstalledOptionCount + 1];
  SupplyRow rows_[kSupplyRowCount];
};

TEST_F(Drivers, InstalledOptionsTakeOnlyPlainIntegers) {
  Serve({
      {kMaker + ".2.1.3.1.0", IntegerTlv(1)},
      {kMaker + ".1.1.1001.0", IntegerTlv(0)},
      {".1.3.6.1.2.1.25.2.3.1.4.2", IntegerTlv(4096, kTagGauge)},  // Gauge: not a value
      {kMaker + ".1.1.1011.0", IntegerTlv(-2)},
      {".1.3.6.1.2.1.43.13.4.1.2.1.2", IntegerTlv(40)},
      {kMaker + ".1.304.1015.0", IntegerTlv(1, kTagCounter)},
      {kMaker + ".1.304.1010.0", OctetStringTlv("1")},
      {".1.3.6.1.2.1.43.8.2.1.2.1.3", IntegerTlv(4)},
      {".1.3.6.1.2.1.43.8.2.1.2.1.5", IntegerTlv(5, kTagTimeTicks)},
      {kMaker + ".2.1.1.4.1.0", IntegerTlv(2)},  // last arc 5 replaced by index 0
  });
  CopyOptionList();
  ASSERT_EQ(QueryInstalledOptions("public", address_.c_str(), options_), 0);
  const int32_t expected[kInstalledOptionCount] = {1, 0, -1, -2, 40, -1, -1, 4, -1, -1, 2};
  for (size_t i = 0; i < kInstalledOptionCount; ++i) {
    EXPECT_EQ(options_[i].value, expected[i]) << "entry " << i + 1;
    EXPECT_EQ(options_[i].secondValue, -1) << "entry " << i + 1;
  }
  EXPECT_EQ(responder_.Requests(), 11);
}

TEST_F(Drivers, ASecondObjectIsAskedOnlyAfterAValueAndCanVetoIt) {
  Serve({{".1.3.6.1.2.1.1.1.7", IntegerTlv(3)},
         {".1.3.6.1.2.1.1.2.7", IntegerTlv(9)},
         {".1.3.6.1.2.1.1.3.7", IntegerTlv(3)},
         {".1.3.6.1.2.1.1.4.7", IntegerTlv(-4)}});
  OptionQuery list[] = {
      {".1.3.6.1.2.1.1.1.0", ".1.3.6.1.2.1.1.2.0", 7, 0, 0},  // both answer
      {".1.3.6.1.2.1.1.3.0", ".1.3.6.1.2.1.1.4.0", 7, 0, 0},  // second negative
      {".1.3.6.1.2.1.1.5.0", ".1.3.6.1.2.1.1.2.0", 7, 0, 0},  // first missing
      {nullptr, nullptr, 0, 0, 0},
  };
  ASSERT_EQ(QueryInstalledOptions("public", address_.c_str(), list), 0);
  EXPECT_EQ(list[0].value, 3);
  EXPECT_EQ(list[0].secondValue, 9);
  EXPECT_EQ(list[1].value, -1);
  EXPECT_EQ(list[1].secondValue, -4);
  EXPECT_EQ(list[2].value, -1);
  EXPECT_EQ(list[2].secondValue, -1);
  EXPECT_EQ(responder_.Requests(), 5);
}

TEST_F(Drivers, AFailureEndsTheRunWithItsCodeAndLeavesTheRestReset) {
  ASSERT_TRUE(responder_.Start(address_, [](const ParsedRequest& request, const Bytes&, int n) {
    if (n > 3) return std::vector<Bytes>{};  // falls silent after three answers
    return std::vector<Bytes>{
        ResponseMessage("public", request.requestId, 0, 0, request.nameContents, IntegerTlv(6))};
  }));
  CopyOptionList();
  platform::SetLastErrorValue(0);
  EXPECT_EQ(QueryInstalledOptions("public", address_.c_str(), options_), kSnmpNoAnswer);
  EXPECT_EQ(platform::GetLastErrorValue(), static_cast<uint32_t>(kSnmpNoAnswer));
  for (size_t i = 0; i < kInstalledOptionCount; ++i) {
    EXPECT_EQ(options_[i].value, i < 3 ? 6 : -1) << "entry " << i + 1;
  }
}

TEST_F(Drivers, OidTextThatDoesNotConvertGivesInvalidArgument) {
  Serve({});
  OptionQuery list[] = {{"1.3.6.1.2.1.1.1.0", nullptr, 0, 5, 5}, {nullptr, nullptr, 0, 0, 0}};
  platform::SetLastErrorValue(0);
  EXPECT_EQ(QueryInstalledOptions("public", address_.c_str(), list), kSnmpInvalidArgument);
  EXPECT_EQ(list[0].value, -1);
  EXPECT_EQ(responder_.Requests(), 0);
}

TEST_F(Drivers, RunningOutOfMemoryAnywhereIsAFailureNeverASuccess) {
  Serve({{".1.3.6.1.2.1.1.1.0", IntegerTlv(1)}});
  OptionQuery list[] = {{".1.3.6.1.2.1.1.1.0", nullptr, 0, 0, 0}, {nullptr, nullptr, 0, 0, 0}};
  for (long limit = 0;; ++limit) {
    ASSERT_LT(limit, 100) << "the run never succeeded";
    SetSnmpAllocationLimitForTesting(limit);
    int32_t rc = QueryInstalledOptions("public", address_.c_str(), list);
    SetSnmpAllocationLimitForTesting(-1);
    if (rc == 0) {
      EXPECT_EQ(list[0].value, 1);
      break;
    }
    EXPECT_EQ(rc, kSnmpNoMemory) << "limit " << limit;
    EXPECT_EQ(list[0].value, -1);
  }
}

TEST_F(Drivers, TheSupplyWalkJumpsTo51And101AndFillsRowsInOrder) {
  std::map<std::string, Bytes> table;
  int rowNumber = 0;
  for (int index : {1, 2, 3, 4, 51, 52, 101}) {
    std::string i = std::to_string(index);
    table[kColumn[0] + i] = OctetStringTlv("Cartuccia " + i);
    table[kColumn[1] + i] = IntegerTlv(index, kTagGauge);
    table[kColumn[2] + i] = IntegerTlv(100 * index);
    table[kColumn[3] + i] = index == 2 ? IntegerTlv(19) : OctetStringTlv("pagine");
    table[kColumn[4] + i] = IntegerTlv(rowNumber++);
  }
  table[kColumn[0] + "52"] = OctetStringTlv(std::string(300, 'z'));
  Serve(table);
  ASSERT_EQ(QuerySupplyTable("public", address_.c_str(), kSupplyColumns, rows_), 0);
  const int indexes[] = {1, 2, 3, 4, 51, 52, 101};
  for (int row = 0; row < 7; ++row) {
    std::string i = std::to_string(indexes[row]);
    if (indexes[row] != 52) {
      EXPECT_STREQ(rows_[row].description, ("Cartuccia " + i).c_str());
    }
    EXPECT_EQ(rows_[row].level, indexes[row]);
    EXPECT_EQ(rows_[row].maxCapacity, 100 * indexes[row]);
    EXPECT_STREQ(rows_[row].unitText, indexes[row] == 2 ? "" : "pagine");
    EXPECT_EQ(rows_[row].type, row);
  }
  EXPECT_EQ(std::string(rows_[5].description), std::string(255, 'z'));
  for (size_t row = 7; row < kSupplyRowCount; ++row) {
    EXPECT_STREQ(rows_[row].description, "");
    EXPECT_EQ(rows_[row].level, 0);
  }
  // Per column: 1-4, 5 (error), 51-52, 53 (error), 101, 102 (error).
  EXPECT_EQ(responder_.Requests(), 5 * 10);
}

TEST_F(Drivers, AnAgentThatAnswersEveryIndexFillsTwelveRowsAndNoMore) {
  ASSERT_TRUE(responder_.Start(address_, [](const ParsedRequest& request, const Bytes&, int) {
    return std::vector<Bytes>{ResponseMessage("public", request.requestId, 0, 0,
                                              request.nameContents, IntegerTlv(7))};
  }));
  ASSERT_EQ(QuerySupplyTable("public", address_.c_str(), kSupplyColumns, rows_), 0);
  for (const SupplyRow& row : rows_) {
    EXPECT_EQ(row.level, 7);
    EXPECT_EQ(row.type, 7);
    EXPECT_STREQ(row.description, "");  // integers are no text
  }
  EXPECT_EQ(responder_.Requests(), 5 * 12);
}

TEST_F(Drivers, ASilentPrinterEndsTheWalkWithNoAnswer) {
  SilentListener silent;
  ASSERT_TRUE(silent.Start(PeerAddress(kDriverSilent)));
  std::memset(rows_, 0x55, sizeof rows_);
  EXPECT_EQ(QuerySupplyTable("public", PeerAddress(kDriverSilent).c_str(), kSupplyColumns, rows_),
            kSnmpNoAnswer);
  EXPECT_STREQ(rows_[0].description, "");
  EXPECT_EQ(rows_[11].type, 0);
}

TEST(DriverValues, IntegerAndTextNeedAnAnswerWithoutError) {
  uint8_t text[] = {'a', 'b'};
  VarBind bind{};
  VarBindList list{&bind, 1};
  bind.value.type = kTagTimeTicks;
  bind.value.number = 12;
  EXPECT_EQ(VarBindInteger(list, 0, 0), 12);
  EXPECT_EQ(VarBindInteger(list, 2, 0), -1);
  EXPECT_EQ(VarBindInteger(list, 0, 1), -1);
  char out[kSnmpTextSize];
  EXPECT_FALSE(VarBindText(list, 0, 0, out));
  bind.value.type = kTagOpaque;
  bind.value.string = SnmpBytes{text, 2, 0};
  ASSERT_TRUE(VarBindText(list, 0, 0, out));
  EXPECT_STREQ(out, "ab");
  EXPECT_FALSE(VarBindText(list, 0, 3, out));
  EXPECT_STREQ(out, "");
  EXPECT_EQ(VarBindInteger(list, 0, 0), -1);
  bind.value.type = kTagNull;
  EXPECT_FALSE(VarBindText(list, 0, 0, out));
}

}  // namespace
}  // namespace psui
