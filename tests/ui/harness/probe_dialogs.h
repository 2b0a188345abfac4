// Small pages and dialogs of our own (probe_dialogs.rc) that record what
// reaches them, for the tests of the harness and of the framework.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/harness/modal_responder.h"
#include "tests/ui/harness/test_sheet.h"
#include "ui/dialog.h"
#include "ui/property_page.h"

namespace psui::test {

namespace probe {
constexpr int kPage = 9001, kSecondPage = 9002, kDialog = 9003, kSecondDialog = 9004, kOldStyleDialog = 9005;
// Controls of the first page.
constexpr int kCombo = 100, kList = 101, kEdit = 102, kOtherEdit = 111, kAsk = 103, kCheck = 104,
              kRadioOne = 105, kRadioTwo = 106, kDisabled = 107, kHidden = 108, kOpenDialog = 110,
              kLink = 112, kEditableCombo = 113, kNumberEdit = 114, kSpin = 115, kProgress = 116;
// Controls of the dialogs.
constexpr int kDialogEdit = 200, kOpenSecondDialog = 201, kSecondDialogAsk = 210;
}  // namespace probe

// Dialog 9004: its button asks "Sicuro?" (OK/Cancel) and keeps the answer.
class SecondProbeDialog : public Dialog {
 public:
  SecondProbeDialog() : Dialog(probe::kSecondDialog) {}
  int boxAnswer = 0;

 protected:
  bool OnCommand(int id, int code, HWND) override;
};

// Dialog 9003: OK keeps the edit's text; "Altro" opens dialog 9004. Records
// "ok" and "cancel" as they reach it.
class ProbeDialog : public Dialog {
 public:
  ProbeDialog() : Dialog(probe::kDialog) {}
  std::string value;
  std::vector<std::string> events;
  INT_PTR secondResult = 0;
  int secondBoxAnswer = 0;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND) override;
  void OnOK() override;
  void OnCancel() override;
};

// Page 9001 (or the plain page 9002): records its sheet notifications and
// the notifications of its controls as short names ("setactive",
// "SELCHANGE", "EN_CHANGE:102", "left:102>111", "VSCROLL:4", ...).
class ProbePage : public PropertyPage {
 public:
  explicit ProbePage(int id) : PropertyPage(id) {}
  std::vector<std::string> events;
  bool allowLeave = true;
  // An edit whose focus loss puts the focus back into it (0: none).
  int keepFocusIn = 0;
  // How long a click on the check box keeps the page busy (a silent printer).
  DWORD busyOnClickMs = 0;
  int boxAnswer = 0;
  INT_PTR dialogResult = 0;
  std::string dialogValue;
  std::vector<std::string> dialogEvents;
  HWND lastFocusTo = nullptr;

  // The events from position `mark` on.
  std::vector<std::string> EventsAfter(size_t mark) const;

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  bool OnKillActive() override;
  void OnEditFocusLost(int id, HWND focusTo) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnCommand(int id, int code, HWND) override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool* handled) override;
};

// Both probe pages in a sheet, and a responder that leaves the sheet alone.
class ProbeSheetTest : public ::testing::Test {
 protected:
  ProbeSheetTest() : page(probe::kPage), second(probe::kSecondPage), sheet({&page, &second}) {
    responder.Ignore(sheet.hwnd());
  }
  HWND Page() const { return page.hwnd(); }

  ProbePage page;
  ProbePage second;
  TestSheet sheet;
  ModalResponder responder;
};

}  // namespace psui::test
