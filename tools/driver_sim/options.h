// driver_sim's command line.
#pragma once

#include <cstdint>
#include <string>

namespace psui {

struct DriverSimOptions {
  std::string recordFile;        // --record: the 1434-byte record to send
  std::string answerFile;        // --answer: where the received frame goes
  uint32_t ownerWindow = 0;      // --owner: the frame's window-handle field
  uint32_t timeoutMs = 60000;    // --timeout-ms: wait for the answer
  uint32_t connectTimeoutMs = 5000;  // --connect-timeout-ms
  bool poke28 = false;           // --poke28: a 28-byte poke before the frame
  static constexpr uint32_t kWholeFrame = 0xFFFFFFFF;
  uint32_t truncate = kWholeFrame;  // --truncate N: send only the first N bytes
  uint32_t extend = 0;           // --extend N: append N extra bytes
  std::string topic = "DDI";     // --topic
  std::string item = "Data";     // --item
  bool noAnswer = false;         // --no-answer: no advise loop, never disconnect
  bool noPoke = false;           // --no-poke: connect and leave without a frame
  std::string secondRecordFile;  // --second-record: poke another frame right after
  std::string launch;            // --launch EXE: start psui first
  std::string printerPort;       // --printer-port: the printer's "Port" value
  std::string printerAddress;    // --printer-address: the port monitor's "IPAddress"
  std::string press;             // --press ok|cancel|quit: end psui's sheet from outside
  uint32_t pressDelayMs = 500;   // --press-delay-ms
  std::string script;            // --script FILE: drive the sheet by a script
};

// Parses argv by a table of the options above; on a bad command line prints
// the reason (and the usage) to stderr and returns false. Portable.
bool ParseDriverSimOptions(int argc, char** argv, DriverSimOptions* options);

}  // namespace psui
