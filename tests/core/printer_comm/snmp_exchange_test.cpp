// The client's exchange over real loopback sockets against the scripted
// responder: what a real agent would not send, resends and bounded waits.
#include "printer_comm/snmp_session.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/last_error.h"
#include "printer_comm/snmp_oid.h"
#include "test_peers.h"

#ifndef _WIN32
#include <dirent.h>
#endif

namespace psui {
namespace {

using namespace psui::testing;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class Exchange : public ::testing::Test {
 protected:
  void SetUp() override { RespondedRequestsSince(responder_); }
  void TearDown() override {
    VarBindFree(&bind_);
    SnmpSessionClose(session_);
  }

  // A session whose community picks the responder's behaviour.
  void Open(const char* community, const std::string& address = PeerAddress(kExchangeResponder)) {
    SnmpSessionClose(session_);
    session_ = SnmpMgrOpen(address.c_str(), community, 1000, 1);
    ASSERT_NE(session_, nullptr) << platform::GetLastErrorValue();
  }
  int Request() {
    VarBindFree(&bind_);
    SnmpMgrStrToOid(".1.3.6.1.2.1.43.11.1.1.9.1.1", &bind_.name);
    status_ = index_ = -7;
    return SnmpMgrRequest(session_, kPduGetRequest, &list_, &status_, &index_);
  }
  int32_t LastError() const { return static_cast<int32_t>(platform::GetLastErrorValue()); }
  int32_t Requests() const { return RespondedRequestsSince(responder_); }

  SocketsScope sockets_;
  std::string responder_ = PeerAddress(kExchangeResponder);
  SnmpSession* session_ = nullptr;
  VarBind bind_{};
  VarBindList list_{&bind_, 1};
  int32_t status_ = -7;
  int32_t index_ = -7;
};

TEST_F(Exchange, RequestIdsStartAt257AndTheAnswerIsStored) {
  Open("ids");  // answers each request with its request-id
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Request(), 1) << LastError();
    EXPECT_EQ(bind_.value.type, kTagInteger);
    EXPECT_EQ(bind_.value.number, 257 + i);
    EXPECT_EQ(status_, 0);
    EXPECT_EQ(index_, 0);
  }
  EXPECT_EQ(Requests(), 3);
}

TEST_F(Exchange, StaleAnswersAreSkippedUpToFiveDatagrams) {
  Open("stale2");  // two answers to older requests come first
  ASSERT_EQ(Request(), 1) << LastError();
  EXPECT_EQ(bind_.value.number, 257);
  Open("stale5");
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpWrongRequestId);
}

TEST_F(Exchange, NothingAfterAStaleAnswerEndsTheWaitWithoutAResend) {
  Open("staleonly");
  auto start = Clock::now();
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpNoAnswer);
  EXPECT_LT(SecondsSince(start), 1.0);
  EXPECT_EQ(Requests(), 1);
}

TEST_F(Exchange, ANonResponsePduFailsAtOnce) {
  Open("trap");  // an A3 PDU, then the right answer
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpMalformed);
  EXPECT_EQ(Requests(), 1);
}

TEST_F(Exchange, ACommunityLongerThanOursIsAMismatch) {
  Open("longer");
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpCommunityMismatch);
}

TEST_F(Exchange, GarbageAndCutAnswersAreMalformed) {
  for (const char* community : {"cut", "longlen", "garbage"}) {
    Open(community);
    EXPECT_EQ(Request(), 0) << community;
    EXPECT_EQ(LastError(), kSnmpMalformed) << community;
  }
}

TEST_F(Exchange, AnErrorStatusComesBackThroughTheOutParameters) {
  Open("nosuch");
  ASSERT_EQ(Request(), 1) << LastError();
  EXPECT_EQ(bind_.value.type, kTagNull);
  EXPECT_EQ(status_, 2);
  EXPECT_EQ(index_, 1);
}

TEST_F(Exchange, AnUnansweredSendIsRepeated) {
  Open("third");  // answers the third send of a request
  ASSERT_EQ(Request(), 1) << LastError();
  EXPECT_EQ(bind_.value.number, 8);
  EXPECT_EQ(Requests(), 3);
}

TEST_F(Exchange, APrinterThatNeverAnswersCostsFiveBoundedWaits) {
  Open("silent");
  auto start = Clock::now();
  EXPECT_EQ(Request(), 0);
  double seconds = SecondsSince(start);
  EXPECT_EQ(LastError(), kSnmpNoAnswer);
  EXPECT_EQ(Requests(), kSnmpSends);
  // Five real waits of 200 ms, not a busy poll that gives up early.
  EXPECT_GE(seconds, 0.9);
  EXPECT_LT(seconds, 5.0);
}

TEST_F(Exchange, NobodyListeningFailsTheRequest) {
  Open("public", PeerAddress(kNobodyListening));
  auto start = Clock::now();
  EXPECT_EQ(Request(), 0);
#ifdef _WIN32
  // Wine reports the refused port as a would-block receive; Windows as a reset.
  EXPECT_TRUE(LastError() == kSnmpSocketFailure || LastError() == kSnmpNoAnswer) << LastError();
#else
  EXPECT_EQ(LastError(), kSnmpSocketFailure);
  EXPECT_LT(SecondsSince(start), 0.5);
#endif
  (void)start;
}

#ifndef _WIN32
int OpenDescriptors() {
  int count = 0;
  DIR* dir = opendir("/proc/self/fd");
  while (dir != nullptr && readdir(dir) != nullptr) ++count;
  if (dir != nullptr) closedir(dir);
  return count;
}
#endif

TEST(ExchangeOpen, AnUnresolvableNameFailsAndLeavesNoSocketOpen) {
#ifndef _WIN32
  int before = OpenDescriptors();
#endif
  platform::SetLastErrorValue(0);
  EXPECT_EQ(SnmpMgrOpen("no-such-printer.invalid", "public", 1000, 1), nullptr);
  EXPECT_NE(platform::GetLastErrorValue(), 0u);
#ifndef _WIN32
  EXPECT_EQ(OpenDescriptors(), before);
#endif
  EXPECT_EQ(SnmpMgrOpen(nullptr, "public", 1000, 1), nullptr);
  EXPECT_EQ(platform::GetLastErrorValue(), static_cast<uint32_t>(kSnmpInvalidArgument));
}

TEST(ExchangeOpen, ARequestNeedsASessionAndABinding) {
  SnmpSession* session = SnmpMgrOpen("127.0.0.1", "public", 1000, 1);
  ASSERT_NE(session, nullptr);
  VarBindList empty{nullptr, 0};
  EXPECT_EQ(SnmpMgrRequest(session, kPduGetRequest, &empty, nullptr, nullptr), 0);
  EXPECT_EQ(platform::GetLastErrorValue(), static_cast<uint32_t>(kSnmpInvalidArgument));
  EXPECT_EQ(SnmpMgrRequest(nullptr, kPduGetRequest, &empty, nullptr, nullptr), 0);
  EXPECT_EQ(SnmpSessionClose(session), 1);
  EXPECT_EQ(SnmpSessionClose(nullptr), 1);
}

}  // namespace
}  // namespace psui
