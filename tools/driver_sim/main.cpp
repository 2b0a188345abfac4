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
constexpr size_t kRecordSize = kSettingsBlockSize;
constexpr size_t kFrameSize = kStartFrameSize;
constexpr DWORD kAckTimeoutMs = 5000;

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

void PutLe32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetLe32(const uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

bool LoadFrame(const std::string& record_file, uint32_t owner, std::vector<uint8_t>* frame) {
  std::vector<uint8_t> record;
  if (!ReadBytes(record_file, &record) || record.size() != kRecordSize) {
    std::fprintf(stderr, "driver_sim: %s is not a %u-byte record\n", record_file.c_str(),
                 static_cast<unsigned>(kRecordSize));
    return false;
  }
  frame->assign(kFrameSize, 0);
  PutLe32(frame->data(), kFrameSize);
  PutLe32(frame->data() + 4, 0);
  PutLe32(frame->data() + 8, owner);
  std::memcpy(frame->data() + 12, record.data(), kRecordSize);
  return true;
}

int ClassifyAnswer(const std::vector<uint8_t>& answer) {
  if (answer.size() == kFrameSize && GetLe32(answer.data()) == kFrameSize &&
      GetLe32(answer.data() + 4) == 1 && GetLe32(answer.data() + 8) == 0) {
    return kExitSettings;
  }
  if (answer.size() == 8 && GetLe32(answer.data()) == 8 && GetLe32(answer.data() + 4) == 2) {
    return kExitCancel;
  }
  return kExitOther;
}

// The printer's name as the record holds it (up to its NUL, within 64 bytes).
std::string PrinterNameOf(const std::vector<uint8_t>& frame) {
  const char* name = reinterpret_cast<const char*>(frame.data() + 12 + 1);
  size_t length = 0;
  while (length < 64 && name[length]) ++length;
  return std::string(name, length);
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
  std::vector<uint8_t> frame;
  if (!LoadFrame(options.recordFile, options.ownerWindow, &frame)) return kExitOther;
  std::string printer_name = PrinterNameOf(frame);
  if (options.truncate >= 0 && static_cast<size_t>(options.truncate) < frame.size()) {
    frame.resize(static_cast<size_t>(options.truncate));
  }
  frame.insert(frame.end(), options.extend, 0xA5);
  std::vector<uint8_t> second_frame;
  if (!options.secondRecordFile.empty() &&
      !LoadFrame(options.secondRecordFile, options.ownerWindow, &second_frame)) {
    return kExitOther;
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
    bool advised = client.StartAdvise(options.item.c_str(), format, kAckTimeoutMs);
    std::printf("advise on %s %s\n", options.item.c_str(), advised ? "acknowledged" : "refused");
    if (!advised) return kExitOther;
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
