// The client's exchange over real loopback sockets against a scripted
// responder: what a real agent would not send, resends and bounded waits.
#include "printer_comm/snmp_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>

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
  void SetUp() override {
    ASSERT_TRUE(SnmpMgrStrToOid(".1.3.6.1.2.1.43.11.1.1.9.1.1", &bind_.name));
    bind_.value.type = kTagNull;
  }
  void TearDown() override {
    VarBindFree(&bind_);
    SnmpSessionClose(session_);
  }

  void Open(const std::string& address, const char* community = "public") {
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

  SocketsScope sockets_;
  ScriptedResponder responder_;
  SnmpSession* session_ = nullptr;
  VarBind bind_{};
  VarBindList list_{&bind_, 1};
  int32_t status_ = -7;
  int32_t index_ = -7;
};

Bytes Reply(const ParsedRequest& request, int64_t value, int32_t id, const char* community = "public",
            uint8_t pdu = 0xA2) {
  return ResponseMessage(community, id, 0, 0, request.nameContents, IntegerTlv(value), pdu);
}

TEST_F(Exchange, RequestIdsStartAt257AndTheAnswerIsStored) {
  std::vector<int32_t> ids;
  std::mutex seen;
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int) {
                                 std::lock_guard<std::mutex> lock(seen);
                                 ids.push_back(request.requestId);
                                 EXPECT_EQ(request.community, "public");
                                 EXPECT_EQ(request.pduType, kPduGetRequest);
                                 EXPECT_EQ(request.oidText, ".1.3.6.1.2.1.43.11.1.1.9.1.1");
                                 return std::vector<Bytes>{Reply(request, 40 + request.requestId,
                                                                 request.requestId)};
                               }));
  Open(PeerAddress(kExchangeResponder));
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Request(), 1) << LastError();
    EXPECT_EQ(bind_.value.type, kTagInteger);
    EXPECT_EQ(bind_.value.number, 40 + 257 + i);
    EXPECT_EQ(status_, 0);
    EXPECT_EQ(index_, 0);
  }
  std::lock_guard<std::mutex> lock(seen);
  EXPECT_EQ(ids, (std::vector<int32_t>{257, 258, 259}));
}

TEST_F(Exchange, StaleAnswersAreSkippedUpToFiveDatagrams) {
  // Request 1: two stale datagrams before the answer. Request 2: five stale.
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int number) {
                                 std::vector<Bytes> out;
                                 int stale = number == 1 ? 2 : 5;
                                 for (int i = 0; i < stale; ++i) {
                                   out.push_back(Reply(request, 1, request.requestId - 100 - i));
                                 }
                                 out.push_back(Reply(request, 77, request.requestId));
                                 return out;
                               }));
  Open(PeerAddress(kExchangeResponder));
  ASSERT_EQ(Request(), 1) << LastError();
  EXPECT_EQ(bind_.value.number, 77);
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpWrongRequestId);
}

TEST_F(Exchange, NothingAfterAStaleAnswerEndsTheWaitWithoutAResend) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int) {
                                 return std::vector<Bytes>{Reply(request, 1, request.requestId + 9)};
                               }));
  Open(PeerAddress(kExchangeResponder));
  auto start = Clock::now();
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpNoAnswer);
  EXPECT_LT(SecondsSince(start), 1.0);
  EXPECT_EQ(responder_.Requests(), 1);
}

TEST_F(Exchange, ANonResponsePduFailsAtOnce) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int) {
                                 return std::vector<Bytes>{
                                     Reply(request, 1, request.requestId, "public", 0xA3),
                                     Reply(request, 2, request.requestId)};
                               }));
  Open(PeerAddress(kExchangeResponder));
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpMalformed);
  EXPECT_EQ(responder_.Requests(), 1);
}

TEST_F(Exchange, ACommunityLongerThanOursIsAMismatch) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int) {
                                 return std::vector<Bytes>{
                                     Reply(request, 1, request.requestId, "public-and-more")};
                               }));
  Open(PeerAddress(kExchangeResponder));
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpCommunityMismatch);
}

TEST_F(Exchange, GarbageAndCutAnswersAreMalformed) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int number) {
                                 Bytes whole = Reply(request, 5, request.requestId);
                                 if (number == 1) whole.resize(whole.size() - 3);
                                 if (number == 2) whole[1] = 0x84;  // four length octets, far too long
                                 if (number == 3) whole = Bytes{0xFF, 0x00, 0x13, 0x37};
                                 return std::vector<Bytes>{whole};
                               }));
  Open(PeerAddress(kExchangeResponder));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Request(), 0) << i;
    EXPECT_EQ(LastError(), kSnmpMalformed) << i;
  }
}

TEST_F(Exchange, AnErrorStatusComesBackThroughTheOutParameters) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder), TableScript({})));
  Open(PeerAddress(kExchangeResponder));
  ASSERT_EQ(Request(), 1) << LastError();
  EXPECT_EQ(bind_.value.type, kTagNull);
  EXPECT_EQ(status_, 2);
  EXPECT_EQ(index_, 1);
}

TEST_F(Exchange, AnUnansweredSendIsRepeatedAndTheWaitIsBounded) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [&](const ParsedRequest& request, const Bytes&, int number) {
                                 if (number < 3) return std::vector<Bytes>{};
                                 return std::vector<Bytes>{Reply(request, 8, request.requestId)};
                               }));
  Open(PeerAddress(kExchangeResponder));
  ASSERT_EQ(Request(), 1) << LastError();
  EXPECT_EQ(bind_.value.number, 8);
  EXPECT_EQ(responder_.Requests(), 3);
}

TEST_F(Exchange, APrinterThatNeverAnswersCostsFiveWaits) {
  ASSERT_TRUE(responder_.Start(PeerAddress(kExchangeResponder),
                               [](const ParsedRequest&, const Bytes&, int) {
                                 return std::vector<Bytes>{};
                               }));
  Open(PeerAddress(kExchangeResponder));
  auto start = Clock::now();
  EXPECT_EQ(Request(), 0);
  double seconds = SecondsSince(start);
  EXPECT_EQ(LastError(), kSnmpNoAnswer);
  EXPECT_EQ(responder_.Requests(), kSnmpSends);
  // Five real waits of 200 ms, not a busy poll that gives up early.
  EXPECT_GE(seconds, 0.9);
  EXPECT_LT(seconds, 5.0);
}

TEST_F(Exchange, ASilentListenerGivesNoAnswer) {
  SilentListener silent;
  ASSERT_TRUE(silent.Start(PeerAddress(kSilentListener)));
  Open(PeerAddress(kSilentListener));
  EXPECT_EQ(Request(), 0);
  EXPECT_EQ(LastError(), kSnmpNoAnswer);
}

TEST_F(Exchange, NobodyListeningFailsTheRequest) {
  Open(PeerAddress(kNobodyListening));
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
