// The printer profile management dialog (212) on its real template, with a
// sorted drop-down list standing for the detailed dialog's list of the kind.
#include "color/printer_profile_dialog.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/ui/color/color_dialog_test.h"

namespace psui::test {
namespace {

constexpr char kDosMessage[] =
    "Il nome del file scaricato deve rispettare le convenzioni di assegnazione dei nomi DOS (8.3.\n "
    "Reimmetterlo. ";

class PrinterProfileTest : public ColorDialogTest {
 protected:
  // The opener's list as the detailed dialog fills it.
  void FillParent(int kind, const std::string& selected) {
    parent.ResetContent();
    for (const std::string& name : Registered(kind)) {
      parent.SetItemData(parent.AddString(name.c_str()), kind);
    }
    parent.SetItemData(parent.AddString("Nessuno"), 0);
    parent.SetCurSel(parent.FindStringExact(-1, selected.c_str()));
  }
  std::vector<std::string> ParentItems() const { return parentList_.Items(); }
  std::string ParentSelection() const { return parentList_.Selection(); }

  INT_PTR Run(int kind, ModalResponder::Action script) {
    CPrinterProfile dialog(kind, parent.hwnd());
    return RunModal(kPrinterProfile, dialog, std::move(script));
  }

  SortedList parentList_;
  const ComboBox& parent = parentList_.combo;
};

TEST_F(PrinterProfileTest, OpeningShowsTheFirstRegistrationAndChoicesShowTheirs) {
  Register(kDestinationProfileKind, "Lucida", 1, "LUCIDA.ICC");
  Register(kDestinationProfileKind, "Carta opaca", 0, "OPACA.ICC");
  EXPECT_EQ(Run(kDestinationProfileKind,
                [](HWND dialog) {
                  EXPECT_EQ(ComboItems(dialog, IDC_PROFILE_DESCRIPTION),
                            (std::vector<std::string>{"Carta opaca", "Lucida"}));
                  EXPECT_EQ(ComboSelection(dialog, IDC_PROFILE_DESCRIPTION), "Carta opaca");
                  EXPECT_EQ(Text(dialog, IDC_PROFILE_FILE_NAME), "OPACA.ICC");
                  EXPECT_EQ(ComboItems(dialog, IDC_PROFILE_LOCATION), (std::vector<std::string>{"Flash", "Disco"}));
                  EXPECT_EQ(ComboSelection(dialog, IDC_PROFILE_LOCATION), "Flash");
                  EXPECT_FALSE(IsVisible(dialog, IDC_PROFILE_LOCATION));
                  ASSERT_TRUE(ChooseComboEntry(dialog, IDC_PROFILE_DESCRIPTION, "Lucida"));
                  EXPECT_EQ(Text(dialog, IDC_PROFILE_FILE_NAME), "LUCIDA.ICC");
                  EXPECT_EQ(ComboSelection(dialog, IDC_PROFILE_LOCATION), "Disco");
                  EXPECT_TRUE(Click(dialog, IDOK));
                }),
            IDOK);
}

TEST_F(PrinterProfileTest, WithoutTheDiskOnlyFlashIsOfferedAndDiskRegistrationsAreHidden) {
  Register(kRgbSourceProfileKind, "Su disco", 1);
  record().hardDiskInstalled = 0;
  Run(kRgbSourceProfileKind, [](HWND dialog) {
    EXPECT_TRUE(ComboItems(dialog, IDC_PROFILE_DESCRIPTION).empty());
    EXPECT_EQ(ComboItems(dialog, IDC_PROFILE_LOCATION), std::vector<std::string>{"Flash"});
    EXPECT_EQ(ComboSelection(dialog, IDC_PROFILE_LOCATION), "Flash");
    EXPECT_EQ(Text(dialog, IDC_PROFILE_FILE_NAME), "");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
}

TEST_F(PrinterProfileTest, AddChecksTheFileNameThenEmptinessThenDuplicates) {
  Register(kSimulationProfileKind, "Swop", 0, "SWOP.ICC");
  FillParent(kSimulationProfileKind, "Nessuno");
  Run(kSimulationProfileKind, [&](HWND dialog) {
    // Nine characters before a two-letter extension: twelve in all, not 8.3.
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "Nuovo"));
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_FILE_NAME, "NOMELUNGO.IC"));
    // Task-modal: though it belongs to no window, the dialog is disabled under it.
    responder.ExpectMessageBox(kDosMessage, IDOK, [dialog](HWND) { EXPECT_FALSE(IsWindowEnabled(dialog)); });
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_ADD));
    EXPECT_EQ(responder.boxes().back().caption, "Error") << "the system's default caption";
    EXPECT_TRUE(HasFocus(dialog, IDC_PROFILE_FILE_NAME));

    // An empty file name passes the 8.3 rule and is refused as empty.
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_FILE_NAME, ""));
    responder.ExpectMessageBox("Specificare il nome del file della descrizione del profilo", "Error", IDOK);
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_ADD));
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_FILE_NAME, "NUOVO.ICC"));
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, ""));
    responder.ExpectMessageBox("Specificare il nome del file della descrizione del profilo", "Error", IDOK);
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_ADD));

    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "SWOP"));
    responder.ExpectMessageBox("Impossibile aggiungere descrizioni di profilo duplici", "Error", IDOK);
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_ADD));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Registered(kSimulationProfileKind), std::vector<std::string>{"Swop"});
  EXPECT_EQ(ParentItems(), (std::vector<std::string>{"Nessuno", "Swop"}));
  ASSERT_EQ(responder.boxes().size(), 4u);
  EXPECT_EQ(responder.boxes()[0].owner, nullptr) << "the 8.3 box belongs to no window";
  EXPECT_NE(responder.boxes()[1].owner, nullptr);
}

TEST_F(PrinterProfileTest, ANewRegistrationTakesTheLocationLastShownAndJoinsBothListsSorted) {
  Register(kRgbSourceProfileKind, "Adobe RGB", 1, "ADOBE.ICC");
  FillParent(kRgbSourceProfileKind, "Adobe RGB");
  Run(kRgbSourceProfileKind, [](HWND dialog) {
    EXPECT_EQ(ComboSelection(dialog, IDC_PROFILE_LOCATION), "Disco");
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "Apple RGB"));
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_FILE_NAME, "APPLE.ICC"));
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_ADD));
    EXPECT_EQ(ComboItems(dialog, IDC_PROFILE_DESCRIPTION), (std::vector<std::string>{"Adobe RGB", "Apple RGB"}));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(ParentItems(), (std::vector<std::string>{"Adobe RGB", "Apple RGB", "Nessuno"}));
  EXPECT_EQ(ParentSelection(), "Adobe RGB");
  EXPECT_EQ(parent.ItemData(1), kRgbSourceProfileKind);
  std::vector<uint8_t> want(362, 0);
  want[4] = 1;
  std::memcpy(&want[6], "Apple RGB", 9);
  std::memcpy(&want[102], "APPLE.ICC", 9);
  EXPECT_TRUE(RegistryValueIs(ResidentProfileKeyPath(record(), kRgbSourceProfileKind), "Apple RGB",
                              platform::kRegBinary, want));
}

TEST_F(PrinterProfileTest, DeleteRemovesTheWholeDescriptionEverywhereAndKeepsTheParentInStep) {
  Register(kSimulationProfileKind, "Foto", 0, "FOTO.ICC");
  Register(kSimulationProfileKind, "Foto calda", 0, "CALDA.ICC");
  Register(kSimulationProfileKind, "Giornale", 0, "GIORN.ICC");
  FillParent(kSimulationProfileKind, "Giornale");
  Run(kSimulationProfileKind, [&](HWND dialog) {
    // Not the selected entry of the parent list: its selection stays.
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "Foto"));
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_DELETE));
    EXPECT_EQ(ComboItems(dialog, IDC_PROFILE_DESCRIPTION), (std::vector<std::string>{"Foto calda", "Giornale"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_PROFILE_DESCRIPTION), "Foto calda");
    EXPECT_EQ(Text(dialog, IDC_PROFILE_FILE_NAME), "CALDA.ICC");
    EXPECT_EQ(ParentSelection(), "Giornale");

    // Typed in another case, the selected one: the registration goes too and
    // the parent list moves to its first entry.
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "GIORNALE"));
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_DELETE));
    EXPECT_EQ(ParentSelection(), "Foto calda");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(Registered(kSimulationProfileKind), std::vector<std::string>{"Foto calda"});
  EXPECT_EQ(ParentItems(), (std::vector<std::string>{"Foto calda", "Nessuno"}));
}

TEST_F(PrinterProfileTest, DeleteRefusesAnEmptyOrUnknownDescriptionAndClearsTheNameWhenNoneIsLeft) {
  Register(kDestinationProfileKind, "Unica", 0, "UNICA.ICC");
  FillParent(kDestinationProfileKind, "Unica");
  Run(kDestinationProfileKind, [&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, ""));
    responder.ExpectMessageBox("Specificare la descrizione del profilo", "Error", IDOK);
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_DELETE));
    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "Unic"));
    responder.ExpectMessageBox("Il nome del file del profilo non esiste", "Error", IDOK);
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_DELETE));
    EXPECT_EQ(Registered(kDestinationProfileKind), std::vector<std::string>{"Unica"});

    ASSERT_TRUE(Type(dialog, IDC_PROFILE_DESCRIPTION, "Unica"));
    ASSERT_TRUE(Click(dialog, IDC_PROFILE_DELETE));
    EXPECT_TRUE(ComboItems(dialog, IDC_PROFILE_DESCRIPTION).empty());
    EXPECT_EQ(Text(dialog, IDC_PROFILE_FILE_NAME), "");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_TRUE(Registered(kDestinationProfileKind).empty());
  EXPECT_EQ(ParentItems(), std::vector<std::string>{"Nessuno"});
  EXPECT_EQ(ParentSelection(), "Nessuno");
}

}  // namespace
}  // namespace psui::test
