// driver_sim's script runner against a sheet of the harness's probe pages
// that runs in a thread of its own, as psui's sheet runs in psui's process:
// every send and post crosses threads as it crosses processes, and the
// verbs whose controls psui's pages do not fill yet (editable combo boxes,
// up-down controls that move, boxes with captions, a page that keeps the
// focus or refuses to be left) meet real controls here.
#include "tools/driver_sim/script_runner.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/ui/harness/external_recorder.h"
#include "tests/ui/harness/probe_dialogs.h"
#include "tests/ui/harness/test_sheet.h"
#include "tools/driver_sim/script_parser.h"

namespace psui {
namespace {

using namespace test::probe;
using test::ProbePage;

// The probe pages in a modeless sheet, with its message loop, in a thread
// of its own until the sheet ends.
class SheetThread {
 public:
  using Prepare = std::function<void(ProbePage& page, ProbePage& second)>;

  explicit SheetThread(Prepare prepare = nullptr) : prepare_(std::move(prepare)) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    // A thread of the system's own: the product's toolchains need not have std::thread.
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    WaitForSingleObject(ready_, 10000);
    CloseHandle(ready_);
  }
  ~SheetThread() {
    // A test that stopped before its script ran still ends the sheet.
    if (thread_) PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    Join();
  }

  // Runs the script, then waits for the sheet to end (the script ends it).
  bool Run(const std::string& text, std::vector<std::string>* report = nullptr) {
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_TRUE(ParseScript(text, &lines, &error)) << error;
    ScriptRunner runner(GetCurrentProcessId(), sheet_, "", [](DWORD ms) { Sleep(ms); });
    bool passed = runner.Run(lines);
    if (report) *report = runner.report();
    Join();
    return passed;
  }

  // Read only after Run: the sheet's thread has ended then.
  ProbePage page{kPage};
  ProbePage second{kSecondPage};
  int applied = 0;
  int cancelled = 0;

 private:
  static DWORD WINAPI ThreadMain(void* self) {
    static_cast<SheetThread*>(self)->RunSheet();
    return 0;
  }
  void RunSheet() {
    if (prepare_) prepare_(page, second);
    test::TestSheet sheet({&page, &second});
    sheet_ = sheet.hwnd();
    SetEvent(ready_);
    MSG message;
    while (PropSheet_GetCurrentPageHwnd(sheet_) && GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (PropSheet_IsDialogMessage(sheet_, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    applied = sheet.applied;
    cancelled = sheet.cancelled;
  }
  void Join() {
    if (!thread_) return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }

  Prepare prepare_;
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  HWND sheet_ = nullptr;
};

// How often the page heard `name` once it was shown (its set-up notifies too).
size_t Count(const std::vector<std::string>& events, const std::string& name) {
  auto shown = std::find(events.begin(), events.end(), "setactive");
  return static_cast<size_t>(std::count(shown, events.end(), name));
}

// The line of the report that failed, or "" when none did.
std::string Failure(const std::vector<std::string>& report) {
  for (const auto& line : report) {
    if (line.rfind("FAIL", 0) == 0) return line;
  }
  return std::string();
}

::testing::AssertionResult Passes(SheetThread& sheet, const std::string& script) {
  std::vector<std::string> report;
  if (sheet.Run(script, &report)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Failure(report);
}

// The line that failed, for a script that must fail ("" when none did).
std::string FailureOf(SheetThread& sheet, const std::string& script, std::vector<std::string>* report = nullptr) {
  std::vector<std::string> lines;
  sheet.Run(script, &lines);
  if (report) *report = lines;
  return Failure(lines);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ScriptRunner, TypesAsKeystrokesIntoNumberEditsAndEditableCombos) {
  SheetThread sheet;
  EXPECT_TRUE(Passes(sheet,
                     "type 114 \"1a2\"\n"
                     "expect-text 114 \"12\"\n"
                     "select 113 \"Beta\"\n"
                     "type 113 \"Nuovo\"\n"
                     "expect-text 113 \"Nuovo\"\n"
                     "expect-selected 113 none\n"
                     "type 113 \"\"\n"
                     "expect-text 113 \"\"\n"
                     "ok\n"));
  EXPECT_EQ(Count(sheet.page.events, "EN_CHANGE:114"), 2u) << "the letter was refused";
  EXPECT_EQ(Count(sheet.page.events, "EDITCHANGE:113"), 6u) << "five keys and a Backspace";
  EXPECT_GE(sheet.applied, 1);
}

TEST(ScriptRunner, ChoosesByKeyWithoutCloseUpAndReadsTheFocus) {
  SheetThread sheet;
  EXPECT_TRUE(Passes(sheet,
                     "select-key 100 \"Letter\"\n"
                     "expect-selected 100 \"Letter\"\n"
                     "expect-focus 100\n"
                     "leave 102\n"
                     "expect-focus 111\n"
                     "ok\n"));
  EXPECT_EQ(Count(sheet.page.events, "SELENDOK"), 1u);
  EXPECT_EQ(Count(sheet.page.events, "SELCHANGE"), 1u);
  EXPECT_EQ(Count(sheet.page.events, "CLOSEUP"), 0u);
  EXPECT_EQ(Count(sheet.page.events, "left:102>111"), 1u);
}

TEST(ScriptRunner, SpinsAndReadsPositionsAndRanges) {
  SheetThread sheet;
  EXPECT_TRUE(Passes(sheet,
                     "expect-pos 115 5\n"
                     "expect-range 115 1 20\n"
                     "spin 115 up 2\n"
                     "expect-pos 115 7\n"
                     "expect-text 114 \"7\"\n"
                     "spin 115 down\n"
                     "expect-pos 115 6\n"
                     "expect-pos 116 70\n"
                     "expect-range 116 0 250\n"
                     "ok\n"));
  EXPECT_EQ(Count(sheet.page.events, "DELTAPOS:1"), 2u);
  EXPECT_EQ(Count(sheet.page.events, "DELTAPOS:-1"), 1u);
  EXPECT_EQ(Count(sheet.page.events, "VSCROLL:" + std::to_string(SB_ENDSCROLL)), 3u);
}

TEST(ScriptRunner, LeaveKeptPassesOnlyWhenThePageKeepsTheFocus) {
  SheetThread kept([](ProbePage& page, ProbePage&) { page.keepFocusIn = kEdit; });
  EXPECT_TRUE(Passes(kept, "leave-kept 102\nexpect-focus 102\ncancel\n"));

  SheetThread moved;
  std::string failure = FailureOf(moved, "leave-kept 102\nok\n");
  EXPECT_TRUE(Has(failure, "the focus moved on to 111")) << failure;
  EXPECT_GE(moved.cancelled, 1) << "a failed script still ends the sheet";
}

TEST(ScriptRunner, AnswersBoxesCheckingTheirCaptionAndNestedDialogs) {
  SheetThread sheet;
  EXPECT_TRUE(Passes(sheet,
                     "click 103\n"
                     "box \"Continuare?\" caption \"Prova\"\n"
                     "press no\n"
                     "click 110\n"
                     "dialog \"Dialogo di prova\"\n"
                     "type 200 \"ciao\"\n"
                     "click 201\n"
                     "dialog \"Secondo dialogo\"\n"
                     "click 210\n"
                     "box \"Sicuro?\"\n"
                     "press cancel\n"
                     "click 1\n"
                     "end-dialog\n"
                     "click 1\n"
                     "end-dialog\n"
                     "ok\n"));
  EXPECT_EQ(sheet.page.boxAnswer, IDNO);
  EXPECT_EQ(sheet.page.dialogValue, "ciao");

  SheetThread other;
  std::string failure = FailureOf(other, "click 103\nbox \"Continuare?\" caption \"Errore\"\npress yes\nok\n");
  EXPECT_TRUE(Has(failure, "the box has the caption \"Prova\", not \"Errore\"")) << failure;
  EXPECT_EQ(other.page.boxAnswer, IDNO) << "the failed script closed the box with No";
}

TEST(ScriptRunner, OkFailsWhenAPageRefusesToBeLeftAndTheSheetIsCancelled) {
  SheetThread sheet([](ProbePage&, ProbePage& second) { second.allowLeave = false; });
  std::vector<std::string> report;
  std::string failure = FailureOf(sheet, "timeout-ms 1000\npage 1\nok\nexpect-focus 1\n", &report);
  EXPECT_TRUE(Has(failure, "the sheet did not close")) << failure;
  EXPECT_EQ(report.back().rfind("skip", 0), 0u) << report.back();
  EXPECT_EQ(sheet.applied, 0);
  EXPECT_GE(sheet.cancelled, 1);
}

TEST(ScriptRunner, TheSheetsHelpButtonAsksForHelp) {
  test::ExternalRecorder recorder;
  SheetThread sheet;
  EXPECT_TRUE(Passes(sheet, "sheet-button help\ncancel\n"));
  EXPECT_EQ(recorder.helpCalls.size(), 1u);
}

// psui may be busy for seconds (a silent printer): expectations wait for it
// within the limit, and a read it does not answer is no answer, not "".
TEST(ScriptRunner, ExpectationsWaitForABusyProgramAndNoAnswerIsNoText) {
  auto busy_for = [](DWORD ms) { return [ms](ProbePage& page, ProbePage&) { page.busyOnClickMs = ms; }; };
  SheetThread waited(busy_for(1500));
  EXPECT_TRUE(Passes(waited, "wait-ms 1\nclick 104\nexpect-checked 104 yes\nok\n"))
      << "wait-ms must not shorten the limit";

  // The click's sync gives up early; the expectation then reads again until
  // the page answers.
  SheetThread later(busy_for(1500));
  EXPECT_TRUE(Passes(later, "timeout-ms 200\nclick 104\ntimeout-ms 5000\nexpect-checked 104 yes\nok\n"));

  SheetThread busy(busy_for(2500));
  std::string failure = FailureOf(busy, "timeout-ms 300\nclick 104\nexpect-text 102 \"\"\nok\n");
  EXPECT_TRUE(Has(failure, "psui did not answer")) << failure;
}

TEST(ScriptRunner, ReadsRegistryValuesItself) {
  const char* path = "Software\\psui-tests\\runner";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const BYTE bytes[] = {0x01, 0x00, 0xFF};
  RegSetValueExA(key, "Valore", 0, REG_BINARY, bytes, sizeof bytes);
  RegCloseKey(key);
  SheetThread sheet;
  EXPECT_TRUE(Passes(sheet, "expect-registry \"Software\\\\psui-tests\\\\runner\" \"Valore\" \"01 00 ff\"\ncancel\n"));
  SheetThread other;
  std::string failure =
      FailureOf(other, "timeout-ms 100\nexpect-registry \"Software\\\\psui-tests\\\\runner\" \"Valore\" \"01\"\n");
  EXPECT_TRUE(Has(failure, "expected \"01\", saw \"01 00 ff\"")) << failure;
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\psui-tests");
}

}  // namespace
}  // namespace psui
