// Both query drivers against the scripted responder (scripts/snmp-responder.py:
// the community "table" answers from its table, see there for the values).
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

class Drivers : public ::testing::Test {
 protected:
  void SetUp() override {
    RespondedRequestsSince(address_);
    // A fresh copy of the shared list, so tests do not disturb each other.
    std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), options_);
  }
  int32_t Requests() const { return RespondedRequestsSince(address_); }

  SocketsScope sockets_;
  std::string address_ = PeerAddress(kDriverResponder);
  OptionQuery options_[kInstalledOptionCount + 1];
  SupplyRow rows_[kSupplyRowCount];
};

TEST_F(Drivers, InstalledOptionsTakeOnlyPlainIntegers) {
  ASSERT_EQ(QueryInstalledOptions("table", address_.c_str(), options_), 0);
  // Entry 3 is a Gauge, 6 a Counter, 7 a text, 9 missing, 10 TimeTicks; 11
  // is asked with its last arc replaced by the index 0.
  const int32_t expected[kInstalledOptionCount] = {1, 0, -1, -2, 40, -1, -1, 4, -1, -1, 2};
  for (size_t i = 0; i < kInstalledOptionCount; ++i) {
    EXPECT_EQ(options_[i].value, expected[i]) << "entry " << i + 1;
    EXPECT_EQ(options_[i].secondValue, -1) << "entry " << i + 1;
  }
  EXPECT_EQ(Requests(), 11);
}

TEST_F(Drivers, ASecondObjectIsAskedOnlyAfterAValueAndCanVetoIt) {
  OptionQuery list[] = {
      {".1.3.6.1.2.1.1.1.0", ".1.3.6.1.2.1.1.2.0", 7, 0, 0},  // 3, then 9
      {".1.3.6.1.2.1.1.3.0", ".1.3.6.1.2.1.1.4.0", 7, 0, 0},  // 3, then -4
      {".1.3.6.1.2.1.1.5.0", ".1.3.6.1.2.1.1.2.0", 7, 0, 0},  // missing
      {nullptr, nullptr, 0, 0, 0},
  };
  ASSERT_EQ(QueryInstalledOptions("table", address_.c_str(), list), 0);
  EXPECT_EQ(list[0].value, 3);
  EXPECT_EQ(list[0].secondValue, 9);
  EXPECT_EQ(list[1].value, -1);
  EXPECT_EQ(list[1].secondValue, -4);
  EXPECT_EQ(list[2].value, -1);
  EXPECT_EQ(list[2].secondValue, -1);
  EXPECT_EQ(Requests(), 5);
}

TEST_F(Drivers, AFailureEndsTheRunWithItsCodeAndLeavesTheRestReset) {
  platform::SetLastErrorValue(0);
  // "fail3" answers three requests with 6, then falls silent.
  EXPECT_EQ(QueryInstalledOptions("fail3", address_.c_str(), options_), kSnmpNoAnswer);
  EXPECT_EQ(platform::GetLastErrorValue(), static_cast<uint32_t>(kSnmpNoAnswer));
  for (size_t i = 0; i < kInstalledOptionCount; ++i) {
    EXPECT_EQ(options_[i].value, i < 3 ? 6 : -1) << "entry " << i + 1;
  }
}

TEST_F(Drivers, OidTextThatDoesNotConvertGivesInvalidArgument) {
  OptionQuery list[] = {{"1.3.6.1.2.1.1.1.0", nullptr, 0, 5, 5}, {nullptr, nullptr, 0, 0, 0}};
  platform::SetLastErrorValue(0);
  EXPECT_EQ(QueryInstalledOptions("table", address_.c_str(), list), kSnmpInvalidArgument);
  EXPECT_EQ(list[0].value, -1);
  EXPECT_EQ(Requests(), 0);
}

TEST_F(Drivers, RunningOutOfMemoryAnywhereIsAFailureNeverASuccess) {
  OptionQuery list[] = {{".1.3.6.1.2.1.1.1.7", nullptr, 7, 0, 0}, {nullptr, nullptr, 0, 0, 0}};
  for (long limit = 0;; ++limit) {
    ASSERT_LT(limit, 100) << "the run never succeeded";
    list[0].value = 42;
    SetSnmpAllocationLimitForTesting(limit);
    int32_t rc = QueryInstalledOptions("table", address_.c_str(), list);
    SetSnmpAllocationLimitForTesting(-1);
    if (rc == 0) {
      EXPECT_EQ(list[0].value, 3);
      break;
    }
    EXPECT_EQ(rc, kSnmpNoMemory) << "limit " << limit;
    // Reset once the session is open, untouched when the run failed before.
    EXPECT_TRUE(list[0].value == -1 || list[0].value == 42) << list[0].value;
  }
}

TEST_F(Drivers, ARunThatCannotOpenItsSessionKeepsThePreviousResults) {
  OptionQuery list[] = {{".1.3.6.1.2.1.1.1.7", nullptr, 7, 5, 6}, {nullptr, nullptr, 0, 0, 0}};
  SetSnmpAllocationLimitForTesting(0);  // not even the address can be copied
  EXPECT_EQ(QueryInstalledOptions("table", address_.c_str(), list), kSnmpNoMemory);
  SetSnmpAllocationLimitForTesting(-1);
  EXPECT_EQ(list[0].value, 5);
  EXPECT_EQ(list[0].secondValue, 6);

  rows_[0].level = 77;
  SetSnmpAllocationLimitForTesting(0);
  EXPECT_EQ(QuerySupplyTable("table", address_.c_str(), kSupplyColumns, rows_), kSnmpNoMemory);
  SetSnmpAllocationLimitForTesting(-1);
  EXPECT_EQ(rows_[0].level, 77);
  EXPECT_EQ(Requests(), 0);
}

TEST_F(Drivers, TheSupplyWalkJumpsTo51And101AndFillsRowsInOrder) {
  ASSERT_EQ(QuerySupplyTable("table", address_.c_str(), kSupplyColumns, rows_), 0);
  const int indexes[] = {1, 2, 3, 4, 51, 52, 101};
  for (int row = 0; row < 7; ++row) {
    int index = indexes[row];
    if (index != 52) {
      EXPECT_STREQ(rows_[row].description, ("Cartuccia " + std::to_string(index)).c_str());
    }
    EXPECT_EQ(rows_[row].level, index);  // a Gauge is a number here
    EXPECT_EQ(rows_[row].maxCapacity, 100 * index);
    EXPECT_STREQ(rows_[row].unitText, index == 2 ? "" : "pagine");  // 2: a numeric unit
    EXPECT_EQ(rows_[row].type, row);
  }
  EXPECT_EQ(std::string(rows_[5].description), std::string(255, 'z'));  // 300 sent
  for (size_t row = 7; row < kSupplyRowCount; ++row) {
    EXPECT_STREQ(rows_[row].description, "");
    EXPECT_EQ(rows_[row].level, 0);
  }
  // Per column: 1-4, 5 (error), 51-52, 53 (error), 101, 102 (error).
  EXPECT_EQ(Requests(), 5 * 10);
}

TEST_F(Drivers, AnAgentThatAnswersEveryIndexFillsTwelveRowsAndNoMore) {
  ASSERT_EQ(QuerySupplyTable("every", address_.c_str(), kSupplyColumns, rows_), 0);
  for (const SupplyRow& row : rows_) {
    EXPECT_EQ(row.level, 7);
    EXPECT_EQ(row.type, 7);
    EXPECT_STREQ(row.description, "");  // integers are no text
  }
  EXPECT_EQ(Requests(), 5 * 12);
}

TEST_F(Drivers, ASilentPrinterEndsTheWalkWithNoAnswer) {
  std::memset(rows_, 0x55, sizeof rows_);
  EXPECT_EQ(QuerySupplyTable("silent", address_.c_str(), kSupplyColumns, rows_), kSnmpNoAnswer);
  EXPECT_STREQ(rows_[0].description, "");
  EXPECT_EQ(rows_[11].type, 0);
  EXPECT_EQ(Requests(), kSnmpSends);
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
