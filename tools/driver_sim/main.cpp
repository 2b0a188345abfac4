// driver_sim: plays the printer driver's side of the DDE conversation.
// Connects to psui's service, starts the advise loop, pokes the start frame
// built from a record file, waits for the answer and writes it to a file.
// Exit code: 0 for an OK frame (1446 bytes: 1446, 1, 0), 2 for a cancel frame
// (8 bytes: 8, 2), 1 for anything else, nothing, or an error; 3 when a line
// of the automation script (--script) failed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "exchange/dde_channel.h"
#include "exchange/frames.h"
#include "tools/driver_sim/dde_client.h"
#include "tools/driver_sim/options.h"
#include "tools/driver_sim/printer_registry.h"
#include "tools/driver_sim/psui_process.h"
#include "tools/driver_sim/script_parser.h"
#include "tools/driver_sim/script_runner.h"

namespace psui {
namespace {

// The names and sizes are the channel's own: the driver must speak them too.
constexpr const char* kService = kDdeServiceName;
constexpr const char* kFormat = kDdeFormatName;
constexpr DWORD kAckTimeoutMs = 5000;
// psui answers the advise as soon as its start-up wait runs; on a loaded
// machine a just-started program may take seconds to get there.
constexpr DWORD kAdviseTimeoutMs = 15000;

enum ExitCode { kExitSettings = 0, kExitOther = 1, kExitCancel = 2, kExitScriptFailed = 3 };

bool ReadBytes(const std::string& path, std::vector<uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool LoadRecord(const std::string& record_file, SettingsBlock* record) {
  std::vector<uint8_t> bytes;
  if (!ReadBytes(record_file, &bytes) || bytes.size() != kSettingsBlockSize) {
    std::fprintf(stderr, "driver_sim: %s is not a %u-byte record\n", record_file.c_str(),
                 static_cast<unsigned>(kSettingsBlockSize));
    return false;
  }
  std::memcpy(record, bytes.data(), kSettingsBlockSize);
  return true;
}

int ClassifyAnswer(const std::vector<uint8_t>& answer) {
  switch (ClassifyFrame(answer.data(), answer.size())) {
    case FrameKind::kSettings: return kExitSettings;
    case FrameKind::kCancel: return kExitCancel;
    default: return kExitOther;
  }
}

// Ends psui's sheet as a user (or a leaving driver) would: PSM_PRESSBUTTON
// on OK or Cancel, or a WM_QUIT to its thread for an end that is neither.
void PressSheet(HWND sheet, const std::string& press) {
  if (press == "quit") {
    PostThreadMessageA(GetWindowThreadProcessId(sheet, nullptr), WM_QUIT, 0, 0);
    std::printf("sheet ended without OK or Cancel\n");
    return;
  }
  PostMessageA(sheet, PSM_PRESSBUTTON, press == "ok" ? PSBTN_OK : PSBTN_CANCEL, 0);
  std::printf("pressed %s\n", press == "ok" ? "OK" : "Cancel");
}

constexpr DWORD kFirstSheetWaitMs = 30000;  // start-up may ask the printer first

// Runs the script against the sheet once it shows; false when a line failed
// or the sheet never came.
bool RunScript(const DriverSimOptions& options, DdeClient& client, const PsuiProcess& psui) {
  std::vector<ScriptLine> lines;
  std::string text, error;
  std::ifstream in(options.script, std::ios::binary);
  if (!in) {
    std::printf("FAIL cannot read %s\n", options.script.c_str());
    return false;
  }
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!ParseScript(text, &lines, &error)) {
    std::printf("FAIL %s: %s\n", options.script.c_str(), error.c_str());
    PostMessageA(psui.FindSheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return false;
  }
  HWND sheet = nullptr;
  DWORD start = GetTickCount();
  while (!(sheet = psui.FindSheet())) {
    if (psui.Ended() || client.server_terminated() || GetTickCount() - start >= kFirstSheetWaitMs) {
      std::printf("FAIL the sheet did not appear\n");
      return false;
    }
    client.PumpFor(50, psui.handle());
  }
  ScriptRunner runner(GetProcessId(psui.handle()), sheet, options.script,
                      [&](DWORD ms) { client.PumpFor(ms, psui.handle()); });
  return runner.Run(lines);
}

// Waits for the answer while psui runs, pressing the sheet's button when
// asked. False when no answer came (time-out, psui ended, conversation over).
bool AwaitAnswer(const DriverSimOptions& options, DdeClient& client, const PsuiProcess* psui) {
  HANDLE stop = psui ? psui->handle() : nullptr;
  DWORD start = GetTickCount();
  DWORD sheet_seen = 0;
  bool pressed = options.press.empty();
  while (!client.has_data() && !client.server_terminated()) {
    if (GetTickCount() - start >= options.timeoutMs) return false;
    if (psui && psui->Ended()) break;
    if (!pressed && psui) {
      HWND sheet = psui->FindSheet();
      if (sheet && !sheet_seen) sheet_seen = GetTickCount();
      if (sheet && GetTickCount() - sheet_seen >= options.pressDelayMs) {
        PressSheet(sheet, options.press);
        pressed = true;
      }
    }
    client.PumpFor(50, stop);
  }
  // A last look: the data may have come with the process's end.
  client.PumpFor(0, nullptr);
  return client.has_data();
}

int Run(const DriverSimOptions& options) {
  SettingsBlock record;
  if (!LoadRecord(options.recordFile, &record)) return kExitOther;
  std::vector<uint8_t> frame = BuildStartFrame(options.ownerWindow, record);
  std::string printer_name(FieldText(record.printerName));
  if (options.truncate != DriverSimOptions::kWholeFrame && options.truncate < frame.size()) {
    frame.resize(options.truncate);
  }
  frame.insert(frame.end(), options.extend, 0xA5);
  std::vector<uint8_t> second_frame;
  if (!options.secondRecordFile.empty()) {
    SettingsBlock second;
    if (!LoadRecord(options.secondRecordFile, &second)) return kExitOther;
    second_frame = BuildStartFrame(options.ownerWindow, second);
  }

  std::unique_ptr<PsuiProcess> psui;
  if (!options.launch.empty()) {
    if (!SeedPrinterRegistry(printer_name, options.printerPort, options.printerAddress)) return kExitOther;
    psui.reset(new PsuiProcess);
    if (!psui->Launch(options.launch)) {
      std::printf("cannot start %s\n", options.launch.c_str());
      return kExitOther;
    }
  }
  auto report_psui_end = [&]() {
    if (psui && psui->WaitForEnd(0)) std::printf("psui ended with exit code %lu\n", psui->ExitCode());
  };

  UINT format = RegisterClipboardFormatA(kFormat);
  DdeClient client;
  if (!client.Connect(kService, options.topic.c_str(), options.connectTimeoutMs,
                      psui ? psui->handle() : nullptr)) {
    std::printf("no conversation with %s on topic %s\n", kService, options.topic.c_str());
    report_psui_end();
    return kExitOther;
  }
  std::printf("connected on topic %s\n", options.topic.c_str());

  if (!options.noAnswer) {
    bool advised = client.StartAdvise(options.item.c_str(), format, kAdviseTimeoutMs);
    std::printf("advise on %s %s\n", options.item.c_str(), advised ? "acknowledged" : "refused");
    if (!advised) {
      // Leave no psui behind holding the service name for the next run.
      client.Disconnect();
      if (psui && !psui->WaitForEnd(15000)) std::printf("psui did not end\n");
      report_psui_end();
      return kExitOther;
    }
  }
  if (options.noPoke) {
    client.Disconnect();
    std::printf("disconnected without a frame\n");
    return kExitOther;
  }
  if (options.poke28) {
    uint8_t small[28] = {};
    bool acked = client.Poke(options.item.c_str(), format, small, sizeof small, kAckTimeoutMs);
    std::printf("28-byte poke %s\n", acked ? "acknowledged" : "refused");
  }
  bool acked = client.Poke(options.item.c_str(), format, frame.data(), frame.size(), kAckTimeoutMs);
  std::printf("%u-byte poke %s\n", static_cast<unsigned>(frame.size()), acked ? "acknowledged" : "refused");
  if (!second_frame.empty()) {
    bool again = client.Poke(options.item.c_str(), format, second_frame.data(), second_frame.size(),
                             kAckTimeoutMs);
    std::printf("second poke %s\n", again ? "acknowledged" : "refused");
  }

  if (options.noAnswer) {
    bool ended = client.WaitForTerminate(options.timeoutMs, psui ? psui->handle() : nullptr);
    std::printf("%s\n", ended ? "server ended the conversation" : "no end of conversation");
    report_psui_end();
    return kExitOther;
  }

  bool script_ok = options.script.empty() || RunScript(options, client, *psui);
  bool got = AwaitAnswer(options, client, psui.get());
  std::vector<uint8_t> answer = client.data();
  client.Disconnect();
  if (psui && !psui->WaitForEnd(15000)) std::printf("psui did not end\n");
  if (!got) {
    std::printf("no answer\n");
    report_psui_end();
    return script_ok ? kExitOther : kExitScriptFailed;
  }
  if (!options.answerFile.empty() && !WriteBytes(options.answerFile, answer)) {
    std::fprintf(stderr, "driver_sim: cannot write %s\n", options.answerFile.c_str());
    return kExitOther;
  }
  int code = ClassifyAnswer(answer);
  std::printf("answer: %u bytes (%s)\n", static_cast<unsigned>(answer.size()),
              code == kExitSettings ? "settings" : code == kExitCancel ? "cancel" : "unexpected");
  report_psui_end();
  return script_ok ? code : kExitScriptFailed;
}

}  // namespace
}  // namespace psui

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  psui::DriverSimOptions options;
  if (!psui::ParseDriverSimOptions(argc, argv, &options)) return 1;
  return psui::Run(options);
}
