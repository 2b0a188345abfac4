// The settings exchange over real DDE between two processes: driver_sim
// playing the driver and channel_peer running the channel's server side.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/settings_block.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

namespace psui {
namespace {

using test::ChildProcess;
using test::ProgramBeside;
using test::UniqueFileName;

struct Exchange {
  DWORD peerExit = 999;
  DWORD simExit = 999;
  std::string peerOutput;
  std::string simOutput;
  std::vector<uint8_t> answer;
};

std::vector<uint8_t> RandomRecord(uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> record(kSettingsBlockSize);
  for (auto& b : record) b = static_cast<uint8_t>(random());
  return record;
}

std::string WriteRecord(const std::vector<uint8_t>& record) {
  std::string path = UniqueFileName("record", ".bin");
  test::WriteFileBytes(path, record.data(), record.size());
  return path;
}

// Starts the peer, then driver_sim (which retries its connect until the
// peer's service is up), and waits for both.
Exchange RunExchange(const std::string& peer_args, const std::string& sim_args,
                     const std::vector<uint8_t>& record) {
  Exchange result;
  std::string record_file = WriteRecord(record);
  std::string answer_file = UniqueFileName("answer", ".bin");
  ChildProcess peer, sim;
  EXPECT_TRUE(peer.Start(ProgramBeside("channel_peer.exe"), peer_args, UniqueFileName("peer", ".log")));
  if (!sim_args.empty()) {
    std::string args = "--record " + record_file + " --answer " + answer_file +
                       " --timeout-ms 20000 " + sim_args;
    EXPECT_TRUE(sim.Start(ProgramBeside("driver_sim.exe"), args, UniqueFileName("sim", ".log")));
    EXPECT_TRUE(sim.Wait(40000, &result.simExit)) << "driver_sim did not end";
    result.simOutput = sim.Output();
  }
  EXPECT_TRUE(peer.Wait(40000, &result.peerExit)) << "channel_peer did not end";
  result.peerOutput = peer.Output();
  result.answer = test::ReadFileVector(answer_file);
  DeleteFileA(record_file.c_str());
  DeleteFileA(answer_file.c_str());
  return result;
}

uint32_t Le32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t(bytes[at + 3]) << 24);
}

std::vector<uint8_t> RecordOf(const std::vector<uint8_t>& frame) {
  return std::vector<uint8_t>(frame.begin() + 12, frame.end());
}

TEST(ChannelExchange, OkFrameCarriesTheRecordBackByteForByte) {
  std::vector<uint8_t> record = RandomRecord(1);
  Exchange x = RunExchange("--answer ok", "--owner 0x12345", record);
  EXPECT_EQ(x.peerExit, 0u) << x.peerOutput;
  EXPECT_NE(x.peerOutput.find("owner=0x12345"), std::string::npos) << x.peerOutput;
  ASSERT_EQ(x.simExit, 0u) << x.simOutput;
  ASSERT_EQ(x.answer.size(), 1446u);
  EXPECT_EQ(Le32(x.answer, 0), 1446u);
  EXPECT_EQ(Le32(x.answer, 4), 1u);
  EXPECT_EQ(Le32(x.answer, 8), 0u);
  EXPECT_EQ(RecordOf(x.answer), record);
}

TEST(ChannelExchange, CancelSendsTheEightByteFrame) {
  Exchange x = RunExchange("--answer cancel", " ", RandomRecord(2));
  EXPECT_EQ(x.peerExit, 0u) << x.peerOutput;
  EXPECT_EQ(x.simExit, 2u) << x.simOutput;
  EXPECT_EQ(x.answer, (std::vector<uint8_t>{8, 0, 0, 0, 2, 0, 0, 0}));
}

TEST(ChannelExchange, A28BytePokeBeforeTheFrameIsAcknowledgedAndIgnored) {
  std::vector<uint8_t> record = RandomRecord(3);
  Exchange x = RunExchange("--answer ok", "--poke28", record);
  EXPECT_NE(x.simOutput.find("28-byte poke acknowledged"), std::string::npos) << x.simOutput;
  ASSERT_EQ(x.simExit, 0u) << x.simOutput;
  EXPECT_EQ(RecordOf(x.answer), record);
}

TEST(ChannelExchange, AnOverLongFrameGivesItsFirst1446Bytes) {
  std::vector<uint8_t> record = RandomRecord(4);
  Exchange x = RunExchange("--answer ok", "--extend 300", record);
  EXPECT_NE(x.simOutput.find("1746-byte poke acknowledged"), std::string::npos) << x.simOutput;
  ASSERT_EQ(x.simExit, 0u) << x.simOutput;
  EXPECT_EQ(RecordOf(x.answer), record);
}

TEST(ChannelExchange, AShortFrameIsRefusedAndNothingIsSent) {
  for (int size : {1, 27, 29, 1000, 1445}) {
    SCOPED_TRACE(size);
    Exchange x = RunExchange("--answer ok", "--truncate " + std::to_string(size), RandomRecord(5));
    EXPECT_EQ(x.peerExit, 10u) << x.peerOutput;
    EXPECT_NE(x.peerOutput.find("status=-12"), std::string::npos) << x.peerOutput;
    EXPECT_NE(x.simOutput.find("poke refused"), std::string::npos) << x.simOutput;
    EXPECT_EQ(x.simExit, 1u);
    EXPECT_TRUE(x.answer.empty());
  }
}

TEST(ChannelExchange, AConnectOnAnotherTopicMakesTheReceiveFailAtOnce) {
  Exchange x = RunExchange("--answer ok", "--topic XYZ --connect-timeout-ms 1500", RandomRecord(6));
  EXPECT_EQ(x.simExit, 1u) << x.simOutput;
  EXPECT_NE(x.simOutput.find("no conversation"), std::string::npos) << x.simOutput;
  EXPECT_EQ(x.peerExit, 10u);
  // -9, not the time-out status 2: the refused connect ended the wait.
  EXPECT_NE(x.peerOutput.find("received=0 status=-9"), std::string::npos) << x.peerOutput;
  size_t at = x.peerOutput.find("elapsed-ms=");
  ASSERT_NE(at, std::string::npos);
  EXPECT_LT(std::stoul(x.peerOutput.substr(at + 11)), 4000u) << "the receive must not wait out 5000 ms";
}

TEST(ChannelExchange, APokeOnAnotherItemMakesTheReceiveFail) {
  Exchange x = RunExchange("--answer ok", "--item Other", RandomRecord(7));
  EXPECT_NE(x.simOutput.find("poke refused"), std::string::npos) << x.simOutput;
  EXPECT_EQ(x.simExit, 1u);
  EXPECT_EQ(x.peerExit, 10u);
  EXPECT_NE(x.peerOutput.find("received=0 status=-10"), std::string::npos) << x.peerOutput;
}

TEST(ChannelExchange, NoFrameWithinTheTimeOutIsAFailure) {
  Exchange x = RunExchange("--answer ok", "", RandomRecord(8));
  EXPECT_EQ(x.peerExit, 10u);
  EXPECT_NE(x.peerOutput.find("received=0 status=2"), std::string::npos) << x.peerOutput;
}

TEST(ChannelExchange, ADisconnectBeforeAnyFrameIsAFailure) {
  Exchange x = RunExchange("--answer ok", "--no-poke", RandomRecord(9));
  EXPECT_NE(x.simOutput.find("disconnected without a frame"), std::string::npos) << x.simOutput;
  EXPECT_EQ(x.peerExit, 10u) << x.peerOutput;
  EXPECT_NE(x.peerOutput.find("received=0 status=0"), std::string::npos) << x.peerOutput;
}

TEST(ChannelExchange, ADriverThatNeverTakesTheAnswerStillLetsTheProcessEnd) {
  Exchange x = RunExchange("--answer ok", "--no-answer", RandomRecord(10));
  EXPECT_EQ(x.peerExit, 0u) << x.peerOutput;
  EXPECT_NE(x.peerOutput.find("answered=ok status=1"), std::string::npos) << x.peerOutput;
  size_t at = x.peerOutput.find("answer-ms=");
  ASSERT_NE(at, std::string::npos);
  EXPECT_GE(std::stoul(x.peerOutput.substr(at + 10)), 4900u) << "the answer waits out its 5000 ms";
  EXPECT_NE(x.simOutput.find("server ended the conversation"), std::string::npos) << x.simOutput;
  EXPECT_EQ(x.simExit, 1u);
}

TEST(ChannelExchange, APokeWhileNoReceiveRunsIsIgnored) {
  std::vector<uint8_t> record = RandomRecord(11);
  std::string second = WriteRecord(RandomRecord(12));
  Exchange x = RunExchange("--answer ok --delay-ms 800", "--second-record " + second, record);
  DeleteFileA(second.c_str());
  EXPECT_NE(x.simOutput.find("second poke acknowledged"), std::string::npos) << x.simOutput;
  ASSERT_EQ(x.simExit, 0u) << x.simOutput;
  EXPECT_EQ(RecordOf(x.answer), record) << "the later poke must not replace the record";
}

}  // namespace
}  // namespace psui

namespace psui {
namespace {

bool WaitForOutput(const ChildProcess& process, const char* text, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (process.Output().find(text) != std::string::npos) return true;
    Sleep(50);
  }
  return false;
}

TEST(ChannelExchange, AFailureWhileTheAnswerIsSentIsContained) {
  // A second client connecting on a wrong topic while the sheet is up leaves
  // a negative sticky status, which the answer's wait raises. The answer still
  // reaches the driver and the process still closes and ends normally.
  std::vector<uint8_t> record = RandomRecord(13);
  std::string record_file = WriteRecord(record);
  std::string answer_file = UniqueFileName("answer", ".bin");
  ChildProcess peer, driver, intruder;
  ASSERT_TRUE(peer.Start(ProgramBeside("channel_peer.exe"), "--answer ok --delay-ms 2000",
                         UniqueFileName("peer", ".log")));
  ASSERT_TRUE(driver.Start(ProgramBeside("driver_sim.exe"),
                           "--record " + record_file + " --answer " + answer_file,
                           UniqueFileName("sim", ".log")));
  ASSERT_TRUE(WaitForOutput(driver, "1446-byte poke acknowledged", 10000)) << driver.Output();
  ASSERT_TRUE(intruder.Start(ProgramBeside("driver_sim.exe"),
                             "--record " + record_file + " --topic XYZ --connect-timeout-ms 300",
                             UniqueFileName("intruder", ".log")));
  DWORD peer_exit = 999, driver_exit = 999, intruder_exit = 999;
  EXPECT_TRUE(intruder.Wait(20000, &intruder_exit));
  EXPECT_TRUE(driver.Wait(20000, &driver_exit));
  EXPECT_TRUE(peer.Wait(20000, &peer_exit));
  EXPECT_EQ(intruder_exit, 1u) << intruder.Output();
  EXPECT_EQ(driver_exit, 0u) << driver.Output();
  EXPECT_EQ(peer_exit, 0u) << peer.Output();
  EXPECT_NE(peer.Output().find("answered=ok status=1"), std::string::npos) << peer.Output();
  EXPECT_EQ(RecordOf(test::ReadFileVector(answer_file)), record);
  DeleteFileA(record_file.c_str());
  DeleteFileA(answer_file.c_str());
}

}  // namespace
}  // namespace psui
