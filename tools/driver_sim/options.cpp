#include "tools/driver_sim/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace psui {

namespace {

using Options = DriverSimOptions;

// One row per option: its name and what it sets. A flag takes no value; a
// number is read up to its maximum; a text may be limited to some words.
struct OptionRow {
  const char* name;
  enum Kind { kFlag, kText, kNumber } kind;
  bool Options::*flag;
  std::string Options::*text;
  uint32_t Options::*number;
  unsigned long long maximum;
  const char* value;  // what the value is, for the usage line
  const char* words;  // for a text: the allowed values, '|'-separated; null: any
};

constexpr unsigned long long kAnyMs = 0x7FFFFFFFull;

OptionRow Flag(const char* name, bool Options::*field) {
  return {name, OptionRow::kFlag, field, nullptr, nullptr, 0, "", nullptr};
}
OptionRow Text(const char* name, std::string Options::*field, const char* value) {
  return {name, OptionRow::kText, nullptr, field, nullptr, 0, value, nullptr};
}
OptionRow OneOf(const char* name, std::string Options::*field, const char* words) {
  return {name, OptionRow::kText, nullptr, field, nullptr, 0, words, words};
}
OptionRow Number(const char* name, uint32_t Options::*field, unsigned long long maximum) {
  return {name, OptionRow::kNumber, nullptr, nullptr, field, maximum, "N", nullptr};
}

const OptionRow kOptions[] = {
    Text("--record", &Options::recordFile, "FILE"),
    Text("--answer", &Options::answerFile, "FILE"),
    Number("--owner", &Options::ownerWindow, 0xFFFFFFFFull),
    Number("--timeout-ms", &Options::timeoutMs, kAnyMs),
    Number("--connect-timeout-ms", &Options::connectTimeoutMs, kAnyMs),
    Flag("--poke28", &Options::poke28),
    Number("--truncate", &Options::truncate, 1u << 20),
    Number("--extend", &Options::extend, 1u << 20),
    Text("--topic", &Options::topic, "NAME"),
    Text("--item", &Options::item, "NAME"),
    Flag("--no-answer", &Options::noAnswer),
    Flag("--no-poke", &Options::noPoke),
    Text("--second-record", &Options::secondRecordFile, "FILE"),
    Text("--launch", &Options::launch, "EXE"),
    Text("--printer-port", &Options::printerPort, "PORT"),
    Text("--printer-address", &Options::printerAddress, "ADDR"),
    OneOf("--press", &Options::press, "ok|cancel|quit"),
    Number("--press-delay-ms", &Options::pressDelayMs, kAnyMs),
    Text("--script", &Options::script, "FILE"),
};

bool ParseNumber(const char* text, unsigned long long max, unsigned long long* out) {
  char* end = nullptr;
  unsigned long long value = std::strtoull(text, &end, 0);
  if (!*text || *end || text[0] == '-' || value > max) return false;
  *out = value;
  return true;
}

bool IsOneOf(const std::string& value, const char* words) {
  std::string list = std::string("|") + words + "|";
  return list.find("|" + value + "|") != std::string::npos;
}

void PrintUsage() {
  std::fprintf(stderr, "usage: driver_sim --record FILE");
  for (const OptionRow& row : kOptions) {
    if (std::strcmp(row.name, "--record")) std::fprintf(stderr, " [%s%s%s]", row.name, *row.value ? " " : "", row.value);
  }
  std::fprintf(stderr, "\n");
}

// Applies one row to its value; false (with a message) when the value is bad.
bool Apply(const OptionRow& row, const char* value, Options* options) {
  switch (row.kind) {
    case OptionRow::kFlag: options->*row.flag = true; return true;
    case OptionRow::kText:
      if (row.words && !IsOneOf(value, row.words)) {
        std::fprintf(stderr, "driver_sim: %s takes %s\n", row.name, row.words);
        return false;
      }
      options->*row.text = value;
      return true;
    case OptionRow::kNumber: {
      unsigned long long n = 0;
      if (!ParseNumber(value, row.maximum, &n)) {
        std::fprintf(stderr, "driver_sim: bad number for %s: %s\n", row.name, value);
        return false;
      }
      options->*row.number = static_cast<uint32_t>(n);
      return true;
    }
  }
  return false;
}

// The rules between options.
bool Consistent(const Options& options) {
  if (!options.printerAddress.empty() && options.printerPort.empty()) {
    std::fprintf(stderr, "driver_sim: --printer-address needs --printer-port\n");
    return false;
  }
  if ((!options.script.empty() || !options.press.empty()) && options.launch.empty()) {
    std::fprintf(stderr, "driver_sim: --script and --press need --launch\n");
    return false;
  }
  if (!options.script.empty() && !options.press.empty()) {
    std::fprintf(stderr, "driver_sim: --script and --press exclude each other\n");
    return false;
  }
  if (options.recordFile.empty()) {
    PrintUsage();
    return false;
  }
  return true;
}

}  // namespace

bool ParseDriverSimOptions(int argc, char** argv, DriverSimOptions* options) {
  for (int i = 1; i < argc; ++i) {
    const OptionRow* row = nullptr;
    for (const OptionRow& candidate : kOptions) {
      if (!std::strcmp(argv[i], candidate.name)) row = &candidate;
    }
    if (!row) {
      std::fprintf(stderr, "driver_sim: unknown option %s\n", argv[i]);
      PrintUsage();
      return false;
    }
    const char* value = nullptr;
    if (row->kind != OptionRow::kFlag) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "driver_sim: %s needs a value\n", row->name);
        return false;
      }
      value = argv[++i];
    }
    if (!Apply(*row, value, options)) return false;
  }
  return Consistent(*options);
}

}  // namespace psui
