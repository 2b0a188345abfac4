#include "exchange/context_help.h"

#include <commctrl.h>

#include <map>

#include "exchange/external_calls.h"

namespace psui {

namespace {

std::vector<int> Range(int first, int last) {
  std::vector<int> ids;
  for (int id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> ids;
  for (const auto& part : parts) ids.insert(ids.end(), part.begin(), part.end());
  return ids;
}

const std::map<int, std::vector<int>>& HelpTable() {
  static const std::map<int, std::vector<int>> table = {
      {200, {200, 1021, 1022, 1024, 1023}},
      {201, {201, 1040, 1041, 1042, 1043, 1044, 1045, 1047}},
      {202, {202, 1090, 1091, 1092, 1096, 1097, 1098, 1102, 1101, 1099, 1100, 1095, 1094}},
      {203, {203, 1314}},
      {204, {204, 1059, 1058, 1057, 1050, 1052, 1051, 1053, 1054, 1055, 1056}},
      {205, {205, 1160, 1161, 1163, 1162}},
      {206, {206, 1112, 1113, 1118, 1119, 1115, 1116, 1122, 1125, 1123, 1126, 1128, 1127, 1111, 1110}},
      {207, Join({{207}, Range(1150, 1157)})},
      {208, {208, 1070, 1071, 1073, 1074, 1075, 1076}},
      {209, Join({{209}, Range(1230, 1235)})},
      {210, Join({{210, 1081, 1080}, Range(1082, 1088)})},
      {211, Join({{211}, Range(1000, 1007), {1093, 1009}})},
      {212, {212, 1130, 1132, 1135, 1136, 1137}},
      {213, Join({{213}, Range(1170, 1194)})},
      {214, {214, 1030, 1031, 1032, 1033, 1035, 1036}},
      {215, Join({{215, 1147}, Range(1140, 1146)})},
      {216, {216, 1245, 1246, 1247, 1248, 1243, 1244, 1240, 1241, 1242}},
      {217, Join({{217}, Range(1200, 1207), {1209}, Range(1211, 1216), {1218, 1219, 1221, 1222, 1224, 1223}})},
  };
  return table;
}

}  // namespace

const std::vector<int>& ContextHelpIdsFor(int dialogId) {
  static const std::vector<int> none;
  auto row = HelpTable().find(dialogId);
  return row == HelpTable().end() ? none : row->second;
}

void SetContextHelpIds(HWND dialog, const int* ids, int count) {
  if (count <= 0) return;
  SetWindowContextHelpId(dialog, ids[0]);
  for (int i = 1; i < count; ++i) {
    if (HWND control = GetDlgItem(dialog, ids[i])) SetWindowContextHelpId(control, ids[i]);
  }
}

void SetContextHelpIds(HWND dialog, const std::vector<int>& ids) {
  SetContextHelpIds(dialog, ids.data(), static_cast<int>(ids.size()));
}

std::string HelpFilePath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string help(path, length);
  size_t slash = help.find_last_of("\\/");
  size_t dot = help.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) help.erase(dot);
  return help + ".HLP";
}

void OpenHelpContents(HWND owner) {
  External().winHelp(owner, HelpFilePath().c_str(), HELP_CONTENTS, 0);
}

void OpenHelpContext(HWND owner, DWORD contextId) {
  External().winHelp(owner, HelpFilePath().c_str(), HELP_CONTEXT, contextId);
}

void OpenHelpForId(HWND owner, DWORD id) {
  if (id >= 3) {
    OpenHelpContext(owner, id);
  } else {
    OpenHelpContents(owner);
  }
}

void DialogHelpRequest(HWND dialog) {
  HWND focused = GetFocus();
  if (!focused || (focused != dialog && !IsChild(dialog, focused))) {
    // Nothing of the dialog has the focus: the dialog's own help.
    OpenHelpForId(dialog, GetWindowContextHelpId(dialog));
    return;
  }
  int id = GetDlgCtrlID(focused);
  if (id == IDOK || id == IDCANCEL) {
    OpenHelpContents(dialog);
    return;
  }
  OpenHelpForId(dialog, GetWindowContextHelpId(focused));
}

void SheetHelpRequest(HWND sheet) {
  HWND focused = GetFocus();
  int id = focused ? GetDlgCtrlID(focused) : 0;
  if (id == 0) return;
  DWORD help_id;
  if (id == IDHELP && GetParent(focused) == sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    help_id = page ? GetWindowContextHelpId(page) : 0;
  } else if (id == IDOK || id == IDCANCEL) {
    help_id = 0;
  } else {
    help_id = GetWindowContextHelpId(focused);
    if (help_id == 0) help_id = GetDlgCtrlID(GetParent(focused));
  }
  OpenHelpForId(sheet, help_id);
}

}  // namespace psui
