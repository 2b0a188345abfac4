// Progress bars and up-down controls driven through the wrappers with the
// 16-bit messages of Windows 95's comctl32, and the wait for the printer,
// on real controls.
#include "ui/controls.h"
#include "ui/printer_wait.h"

#include <gtest/gtest.h>

#include <string>

namespace psui {
namespace {

class Window {
 public:
  Window(const char* windowClass, DWORD style, HWND parent = nullptr)
      : hwnd_(CreateWindowExA(0, windowClass, "", style, 0, 0, 200, 20, parent, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {}
  ~Window() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

class ControlsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }
  Window parent_{"STATIC", WS_OVERLAPPED};
};

TEST_F(ControlsTest, AProgressBarTakesTheWhole16BitRangeUnsigned) {
  Window window(PROGRESS_CLASSA, WS_CHILD, parent_.hwnd());
  ProgressBar bar(window.hwnd());
  bar.SetRange(0, 60000);
  PBRANGE range = {};
  SendMessageA(window.hwnd(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 60000);

  bar.SetPos(50000);
  EXPECT_EQ(bar.Pos(), 50000);
  EXPECT_EQ(bar.Pos(), 50000) << "reading the position moved it";
  bar.SetPos(70000);
  EXPECT_EQ(bar.Pos(), 60000);
}

TEST_F(ControlsTest, AProgressBarRangeBeyond65535NeedsTheWideMessage) {
  Window window(PROGRESS_CLASSA, WS_CHILD, parent_.hwnd());
  ProgressBar bar(window.hwnd());
  bar.SetRange32(0, 200000);
  bar.SetPos(150000);
  EXPECT_EQ(bar.Pos(), 150000);
}

TEST_F(ControlsTest, AnUpDownKeepsNegativeLimitsInTheirOrder) {
  Window window(UPDOWN_CLASSA, WS_CHILD, parent_.hwnd());
  UpDown spin(window.hwnd());
  spin.SetRange(-100, 100);
  int low = 0, high = 0;
  SendMessageA(window.hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, -100);
  EXPECT_EQ(high, 100);

  spin.SetPos(-50);
  EXPECT_EQ(spin.Pos(), -50);
  spin.SetPos(500);
  EXPECT_EQ(spin.Pos(), 100);
}

TEST_F(ControlsTest, AnUpDownReadsItsBuddyAndKeepsTheLastGoodNumber) {
  Window edit("EDIT", WS_CHILD, parent_.hwnd());
  Window window(UPDOWN_CLASSA, WS_CHILD | UDS_SETBUDDYINT, parent_.hwnd());
  UpDown spin(window.hwnd());
  spin.SetBuddy(edit.hwnd());
  spin.SetRange(0, 999);

  spin.SetPos(42);
  EXPECT_EQ(Control(edit.hwnd()).Text(), "42");
  SetWindowTextA(edit.hwnd(), "17");
  EXPECT_EQ(spin.Pos(), 17);
  SetWindowTextA(edit.hwnd(), "abc");
  EXPECT_EQ(spin.Pos(), 17);
}

// While a page waits for the printer: the wait cursor, the refresh button
// disabled, and the input that piled up meanwhile dropped at the end (other
// messages kept), so a click made while waiting starts no second wait.
TEST_F(ControlsTest, APrinterWaitShowsTheWaitCursorAndDropsTheInputOfTheWait) {
  Window button("BUTTON", WS_CHILD | WS_VISIBLE, parent_.hwnd());
  const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  SetCursor(arrow);
  {
    PrinterWait wait(button.hwnd());
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_FALSE(IsWindowEnabled(button.hwnd()));
    PostMessageA(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(button.hwnd(), WM_LBUTTONUP, 0, 0);
    PostMessageA(button.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(button.hwnd(), WM_USER, 0, 0);
  }
  EXPECT_EQ(GetCursor(), arrow);
  EXPECT_TRUE(IsWindowEnabled(button.hwnd()));
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_REMOVE)) << "not input: kept";
}

TEST_F(ControlsTest, APrinterWaitLeavesADisabledButtonDisabled) {
  Window button("BUTTON", WS_CHILD | WS_DISABLED, parent_.hwnd());
  { PrinterWait wait(button.hwnd()); }
  EXPECT_FALSE(IsWindowEnabled(button.hwnd()));
}

}  // namespace
}  // namespace psui
