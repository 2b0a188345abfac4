#include "pages/document_profiles_dialog.h"

#include <vector>

#include "pages/document_profile.h"
#include "ui/app_state.h"
#include "ui/context_help.h"

namespace psui {

namespace {

constexpr int kNameLimit = static_cast<int>(sizeof(SettingsBlock::documentProfileName)) - 1;

SettingsBlock& Record() { return TheApp().settings; }

std::string NameInForce() { return std::string(FieldText(Record().documentProfileName)); }

}  // namespace

bool CDocumentProfiles::OnInitDialog() {
  Names().LimitText(kNameLimit);
  FillList();
  return true;
}

bool CDocumentProfiles::OnCommand(int id, int code, HWND) {
  if (id == IDC_DOCPROFILES_NAME) {
    if (code == CBN_SELCHANGE) {
      OnChosen();
      return true;
    }
    if (code == CBN_EDITCHANGE) {
      EnableButtons(!IsNoDocumentProfile(Names().Text()));
      return true;
    }
    return false;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_DOCPROFILES_SAVE: OnSave(); return true;
    case IDC_DOCPROFILES_DELETE: OnDelete(); return true;
    case IDC_DOCPROFILES_HELP: OpenHelpContext(hwnd_, IDD_DOCUMENT_PROFILES); return true;
    default: return false;
  }
}

void CDocumentProfiles::FillList() {
  const ComboBox names = Names();
  names.ResetContent();
  const std::vector<std::string> stored = DocumentProfileNames(Record());
  for (const std::string& name : stored) names.AddString(name.c_str());
  names.AddString(kNoDocumentProfileName);

  const std::string inForce = NameInForce();
  int index = names.FindStringExact(-1, inForce.c_str());
  if (index < 0) index = names.FindStringExact(-1, kNoDocumentProfileName);
  names.SetCurSel(index);
  EnableButtons(!IsNoDocumentProfile(inForce) && !stored.empty());
}

void CDocumentProfiles::EnableButtons(bool enable) {
  Item(IDC_DOCPROFILES_SAVE).Enable(enable);
  Item(IDC_DOCPROFILES_DELETE).Enable(enable);
}

std::string CDocumentProfiles::TakeTypedName() {
  SetFieldText(Record().documentProfileName, Names().Text());
  return NameInForce();
}

void CDocumentProfiles::OnChosen() {
  // While the choice is announced the edit field still shows the old text:
  // the entry's own text is the name. Choosing applies nothing.
  const int selected = Names().CurSel();
  if (selected < 0) return;
  SetFieldText(Record().documentProfileName, Names().ItemText(selected));
  FillList();
}

void CDocumentProfiles::OnSave() {
  const std::string name = TakeTypedName();
  if (!name.empty()) SaveDocumentProfile(Record(), name);
  FillList();
}

void CDocumentProfiles::OnDelete() {
  const std::string name = TakeTypedName();
  const ComboBox names = Names();
  if (DeleteDocumentProfile(Record(), name)) {
    const int index = names.FindStringExact(-1, name.c_str());
    if (index >= 0) names.DeleteString(index);
  }
  // Whether or not a value went, the first entry becomes the name.
  if (names.Count() == 0) {
    names.AddString(kNoDocumentProfileName);
    SetFieldText(Record().documentProfileName, kNoDocumentProfileName);
  } else {
    SetFieldText(Record().documentProfileName, names.ItemText(0));
  }
  FillList();
}

void CDocumentProfiles::OnOK() {
  ApplyOrSaveDocumentProfile(Record(), TakeTypedName());
  EndDialog(IDOK);
}

}  // namespace psui
