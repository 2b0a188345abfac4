#include "tools/driver_sim/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace psui {

namespace {

bool ParseNumber(const char* text, unsigned long long max, unsigned long long* out) {
  char* end = nullptr;
  unsigned long long value = std::strtoull(text, &end, 0);
  if (!*text || *end || text[0] == '-' || value > max) return false;
  *out = value;
  return true;
}

void PrintUsage() {
  std::fprintf(stderr,
               "usage: driver_sim --record FILE [--answer FILE] [--owner N] [--timeout-ms N]\n"
               "                  [--connect-timeout-ms N] [--poke28] [--truncate N] [--extend N]\n"
               "                  [--topic NAME] [--item NAME] [--no-answer] [--no-poke]\n"
               "                  [--second-record FILE] [--launch EXE] [--printer-port PORT]\n"
               "                  [--printer-address ADDR] [--press ok|cancel|quit] [--press-delay-ms N]\n"
               "                  [--script FILE]\n");
}

}  // namespace

bool ParseDriverSimOptions(int argc, char** argv, DriverSimOptions* options) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    auto value = [&](const char** out) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "driver_sim: %s needs a value\n", arg);
        return false;
      }
      *out = argv[++i];
      return true;
    };
    auto number = [&](unsigned long long max, unsigned long long* out) {
      const char* text;
      if (!value(&text)) return false;
      if (!ParseNumber(text, max, out)) {
        std::fprintf(stderr, "driver_sim: bad number for %s: %s\n", arg, text);
        return false;
      }
      return true;
    };
    const char* text = nullptr;
    unsigned long long n = 0;
    if (!std::strcmp(arg, "--record")) {
      if (!value(&text)) return false;
      options->recordFile = text;
    } else if (!std::strcmp(arg, "--answer")) {
      if (!value(&text)) return false;
      options->answerFile = text;
    } else if (!std::strcmp(arg, "--owner")) {
      if (!number(0xFFFFFFFFull, &n)) return false;
      options->ownerWindow = static_cast<uint32_t>(n);
    } else if (!std::strcmp(arg, "--timeout-ms")) {
      if (!number(0x7FFFFFFFull, &n)) return false;
      options->timeoutMs = static_cast<uint32_t>(n);
    } else if (!std::strcmp(arg, "--connect-timeout-ms")) {
      if (!number(0x7FFFFFFFull, &n)) return false;
      options->connectTimeoutMs = static_cast<uint32_t>(n);
    } else if (!std::strcmp(arg, "--poke28")) {
      options->poke28 = true;
    } else if (!std::strcmp(arg, "--truncate")) {
      if (!number(1u << 20, &n)) return false;
      options->truncate = static_cast<long>(n);
    } else if (!std::strcmp(arg, "--extend")) {
      if (!number(1u << 20, &n)) return false;
      options->extend = static_cast<uint32_t>(n);
    } else if (!std::strcmp(arg, "--topic")) {
      if (!value(&text)) return false;
      options->topic = text;
    } else if (!std::strcmp(arg, "--item")) {
      if (!value(&text)) return false;
      options->item = text;
    } else if (!std::strcmp(arg, "--no-answer")) {
      options->noAnswer = true;
    } else if (!std::strcmp(arg, "--no-poke")) {
      options->noPoke = true;
    } else if (!std::strcmp(arg, "--second-record")) {
      if (!value(&text)) return false;
      options->secondRecordFile = text;
    } else if (!std::strcmp(arg, "--launch")) {
      if (!value(&text)) return false;
      options->launch = text;
    } else if (!std::strcmp(arg, "--printer-port")) {
      if (!value(&text)) return false;
      options->printerPort = text;
    } else if (!std::strcmp(arg, "--printer-address")) {
      if (!value(&text)) return false;
      options->printerAddress = text;
    } else if (!std::strcmp(arg, "--press")) {
      if (!value(&text)) return false;
      options->press = text;
      if (options->press != "ok" && options->press != "cancel" && options->press != "quit") {
        std::fprintf(stderr, "driver_sim: --press takes ok, cancel or quit\n");
        return false;
      }
    } else if (!std::strcmp(arg, "--script")) {
      if (!value(&text)) return false;
      options->script = text;
    } else if (!std::strcmp(arg, "--press-delay-ms")) {
      if (!number(0x7FFFFFFFull, &n)) return false;
      options->pressDelayMs = static_cast<uint32_t>(n);
    } else {
      std::fprintf(stderr, "driver_sim: unknown option %s\n", arg);
      PrintUsage();
      return false;
    }
  }
  if (!options->printerAddress.empty() && options->printerPort.empty()) {
    std::fprintf(stderr, "driver_sim: --printer-address needs --printer-port\n");
    return false;
  }
  if ((!options->script.empty() || !options->press.empty()) && options->launch.empty()) {
    std::fprintf(stderr, "driver_sim: --script and --press need --launch\n");
    return false;
  }
  if (!options->script.empty() && !options->press.empty()) {
    std::fprintf(stderr, "driver_sim: --script and --press exclude each other\n");
    return false;
  }
  if (options->recordFile.empty()) {
    PrintUsage();
    return false;
  }
  return true;
}

}  // namespace psui
