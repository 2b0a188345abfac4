#include "tests/ui/harness/probe_dialogs.h"

#include <commctrl.h>

#include "tests/ui/harness/ui_actions.h"
#include "ui/context_help.h"
#include "ui/link_button.h"

namespace psui::test {

using namespace probe;

namespace {

const char* ComboCodeName(int code) {
  switch (code) {
    case CBN_DROPDOWN: return "DROPDOWN";
    case CBN_SELENDOK: return "SELENDOK";
    case CBN_SELENDCANCEL: return "SELENDCANCEL";
    case CBN_CLOSEUP: return "CLOSEUP";
    case CBN_SELCHANGE: return "SELCHANGE";
    case CBN_EDITUPDATE: return "EDITUPDATE";
    case CBN_EDITCHANGE: return "EDITCHANGE";
    default: return nullptr;  // focus notifications are not part of a choice
  }
}

const char* EditCodeName(int code) {
  switch (code) {
    case EN_UPDATE: return "EN_UPDATE";
    case EN_CHANGE: return "EN_CHANGE";
    case EN_MAXTEXT: return "EN_MAXTEXT";
    default: return nullptr;
  }
}

}  // namespace

bool SecondProbeDialog::OnCommand(int id, int code, HWND) {
  if (id != kSecondDialogAsk || code != BN_CLICKED) return false;
  boxAnswer = MessageBoxA(hwnd(), "Sicuro?", "Prova", MB_OKCANCEL);
  return true;
}

bool ProbeDialog::OnInitDialog() {
  SetContextHelpIds(hwnd(), std::vector<int>{kDialog, kDialogEdit});
  return true;
}

bool ProbeDialog::OnCommand(int id, int code, HWND) {
  if (id != kOpenSecondDialog || code != BN_CLICKED) return false;
  SecondProbeDialog second;
  secondResult = second.DoModal(hwnd());
  secondBoxAnswer = second.boxAnswer;
  return true;
}

void ProbeDialog::OnOK() {
  events.push_back("ok");
  value = Text(hwnd(), kDialogEdit);
  EndDialog(IDOK);
}

void ProbeDialog::OnCancel() {
  events.push_back("cancel");
  EndDialog(IDCANCEL);
}

std::vector<std::string> ProbePage::EventsAfter(size_t mark) const {
  return std::vector<std::string>(events.begin() + mark, events.end());
}

bool ProbePage::OnInitDialog() {
  events.push_back("init");
  if (templateId() != kPage) return true;
  SetContextHelpIds(hwnd(), std::vector<int>{kPage, kCombo, kEdit});
  for (const char* size : {"A4", "Letter", "a4", "Legal", "Legal"}) {
    SendDlgItemMessageA(hwnd(), kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
  }
  for (const char* name : {"Alfa", "Beta", "Gamma"}) {
    SendDlgItemMessageA(hwnd(), kEditableCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  for (const char* tray : {"Superiore", "Inferiore"}) {
    SendDlgItemMessageA(hwnd(), kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tray));
  }
  SendDlgItemMessageA(hwnd(), kSpin, UDM_SETRANGE, 0, MAKELPARAM(20, 1));
  SendDlgItemMessageA(hwnd(), kSpin, UDM_SETPOS, 0, MAKELPARAM(5, 0));
  SendDlgItemMessageA(hwnd(), kProgress, PBM_SETRANGE, 0, MAKELPARAM(0, 250));
  SendDlgItemMessageA(hwnd(), kProgress, PBM_SETPOS, 70, 0);
  MakeLinkButton(GetDlgItem(hwnd(), kLink));
  return true;
}

bool ProbePage::OnSetActive() {
  events.push_back("setactive");
  return true;
}

bool ProbePage::OnKillActive() {
  events.push_back("killactive");
  return allowLeave;
}

void ProbePage::OnEditFocusLost(int id, HWND focusTo) {
  lastFocusTo = focusTo;
  events.push_back("left:" + std::to_string(id) + ">" + std::to_string(focusTo ? GetDlgCtrlID(focusTo) : 0));
  if (id == keepFocusIn) SetFocus(GetDlgItem(hwnd(), id));
}

bool ProbePage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  DrawLinkButton(item);
  return true;
}

bool ProbePage::OnCommand(int id, int code, HWND) {
  if ((id == kCombo || id == kEditableCombo) && ComboCodeName(code)) {
    events.push_back(std::string(ComboCodeName(code)) + (id == kCombo ? "" : ":" + std::to_string(id)));
  }
  if (id == kList && code == LBN_SELCHANGE) events.push_back("LBN_SELCHANGE");
  if (EditCodeName(code) && (id == kEdit || id == kNumberEdit)) {
    events.push_back(std::string(EditCodeName(code)) + ":" + std::to_string(id));
  }
  if (code != BN_CLICKED) return false;
  events.push_back("clicked:" + std::to_string(id));
  if (id == kCheck && busyOnClickMs) Sleep(busyOnClickMs);
  if (id == kAsk) boxAnswer = MessageBoxA(hwnd(), "Continuare?", "Prova", MB_YESNO | MB_ICONQUESTION);
  if (id == kOpenDialog) {
    ProbeDialog dialog;
    dialogResult = dialog.DoModal(hwnd());
    dialogValue = dialog.value;
    dialogEvents = dialog.events;
  }
  return true;
}

bool ProbePage::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->code != UDN_DELTAPOS) return false;
  const auto* change = reinterpret_cast<const NMUPDOWN*>(header);
  events.push_back("DELTAPOS:" + std::to_string(change->iDelta));
  *result = 0;
  return true;
}

INT_PTR ProbePage::OnMessage(UINT message, WPARAM wparam, LPARAM, bool* handled) {
  if (message == WM_VSCROLL || message == WM_HSCROLL) {
    events.push_back(std::string(message == WM_VSCROLL ? "VSCROLL:" : "HSCROLL:") + std::to_string(LOWORD(wparam)));
    *handled = true;
  }
  return 0;
}

}  // namespace psui::test
