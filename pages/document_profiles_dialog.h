// Document profiles (dialog 205): the printer's stored document profiles by
// name; save the current settings under a name, delete one, or apply one to
// the record with OK. The Features page puts the record back unless the
// dialog ends with OK.
#pragma once

#include <string>

#include "resources/resource.h"
#include "ui/dialog.h"

namespace psui {

class CDocumentProfiles : public Dialog {
 public:
  CDocumentProfiles() : Dialog(IDD_DOCUMENT_PROFILES) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Applies the named profile, or stores the current settings under a name
  // that has none; "Nessuno" applies nothing.
  void OnOK() override;

 private:
  ComboBox Names() const { return Item<ComboBox>(IDC_DOCPROFILES_NAME); }
  // The stored names and "Nessuno", the name in force selected; "Salva" and
  // "Elimina" only for a profile name while some profile is stored.
  void FillList();
  void EnableButtons(bool enable);
  // The name field's text as the record holds it (at most 31 bytes).
  std::string TakeTypedName();
  void OnChosen();
  void OnSave();
  void OnDelete();
};

}  // namespace psui
