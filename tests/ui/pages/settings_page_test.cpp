// The Settings page in a real sheet: the two-way check against real printers
// (snmpd, a silent address, none), the option lists and their rules, the
// accounting edits with their twins, and the author from the registry.
#include "pages/settings_page.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <cstring>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "tests/support/registry_value_guard.h"
#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"
#include "tests/ui/pages/device_page_test_util.h"

namespace psui {
namespace {

using test::Click;
using test::ChooseListEntry;
using test::IsEnabled;
using test::ListItems;
using test::Text;
using Items = std::vector<std::string>;

constexpr char kEstablished[] = "Comunicazione bidirezionale con la stampante stabilita.";
constexpr char kUnavailable[] = "Comunicazione bidirezionale con la stampante non disponibile.";

// The sample PPD's installable options, as the sorted lists show them.
const Items kAllOptions = {"Alimentatore buste",
                           "Alimentatore manuale",
                           "Casella postale a 4 scomparti",
                           "Cassetto inferiore (500 fogli)",
                           "Cassetto opzionale (500 fogli)",
                           "Disco rigido",
                           "Impilatore ad alta capacit\xE0",
                           "Kit alta risoluzione",
                           "Unit\xE0 di finitura",
                           "Unit\xE0 fronte-retro"};

class SettingsPageTest : public test::PageTest {
 protected:
  SettingsPageTest() {
    EXPECT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
    record().deviceMode = 1;
    SetFieldText(record().snmpCommunity, "public");
    SetFieldText(record().portName, "IP_10.1.2.3");
    user_.WriteString("mario.rossi");
  }

  // The sheet with the page first and a second page to leave it for.
  void Show() {
    OpenSheet({IDD_SETTINGS, IDD_ABOUT});
    page = PageWindow(IDD_SETTINGS);
    ASSERT_NE(page, nullptr);
  }
  CSettings& settings() const { return PageAs<CSettings>(IDD_SETTINGS); }
  void LeaveThePage() { ASSERT_TRUE(ShowPage(IDD_ABOUT)); }
  void ComeBack() { ASSERT_TRUE(ShowPage(IDD_SETTINGS)); }
  Items Available() const { return ListItems(page, IDC_SETTINGS_AVAILABLE); }
  Items Installed() const { return ListItems(page, IDC_SETTINGS_INSTALLED); }
  // Item data of every entry of a list, in list order.
  std::vector<LRESULT> Flags(int id) const {
    std::vector<LRESULT> flags;
    int count = static_cast<int>(SendDlgItemMessageA(page, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) flags.push_back(SendDlgItemMessageA(page, id, LB_GETITEMDATA, i, 0));
    return flags;
  }

  test::RegistryValueGuard user_{platform::RegistryRoot::kLocalMachine, "Network\\Logon", "username"};
  HWND page = nullptr;
};

TEST_F(SettingsPageTest, WithoutAnAddressNothingIsAskedAndTheListsStayEditable) {
  app.linkStatus = kPrinterAnswered;  // start-up's outcome does not decide for the page
  Show();
  EXPECT_EQ(settings().linkStatus(), kPrinterNotQueried);
  EXPECT_EQ(Text(page, IDC_SETTINGS_LINK_STATUS), kUnavailable);
  EXPECT_EQ(Text(page, IDC_SETTINGS_PORT), "IP_10.1.2.3");
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_PORT));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_AUTHOR));
  EXPECT_TRUE(IsEnabled(page, IDC_SETTINGS_AVAILABLE));
  EXPECT_TRUE(IsEnabled(page, IDC_SETTINGS_INSTALLED));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_ADD));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_REMOVE));
  EXPECT_EQ(Available(), kAllOptions);
  EXPECT_EQ(Installed(), Items{});
  // The option entries carry the record offsets of their flags.
  std::vector<LRESULT> flags = Flags(IDC_SETTINGS_AVAILABLE);
  EXPECT_EQ(flags[3], 844);  // Cassetto inferiore: OptionalBin
  EXPECT_EQ(flags[5], 842);  // Disco rigido: OptionalDisk
  EXPECT_EQ(flags[1], 858);  // Alimentatore manuale: Optionalfeeder
}

TEST_F(SettingsPageTest, APrinterThatAnswersMakesTheListsReadOnly) {
  SetFieldText(record().printerAddress, test::kFullAgent);
  record().hardDiskInstalled = 1;
  record().duplexerInstalled = 1;
  Show();
  EXPECT_EQ(settings().linkStatus(), kPrinterAnswered);
  EXPECT_EQ(Text(page, IDC_SETTINGS_LINK_STATUS), kEstablished);
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_AVAILABLE));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_INSTALLED));
  EXPECT_EQ(Installed(), (Items{"Disco rigido", "Unit\xE0 fronte-retro"}));
  // The check asked the printer: the shared query list holds its answers.
  EXPECT_EQ(kInstalledOptionQueries[2].value, 4096);
}

TEST_F(SettingsPageTest, ASilentPrinterIsReportedAsUnavailableAfterItsWait) {
  SetFieldText(record().printerAddress, test::kSilentPrinter);
  auto start = std::chrono::steady_clock::now();
  Show();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(settings().linkStatus(), kPrinterQueryFailed);
  EXPECT_EQ(Text(page, IDC_SETTINGS_LINK_STATUS), kUnavailable);
  EXPECT_TRUE(IsEnabled(page, IDC_SETTINGS_AVAILABLE));
  // Both drivers waited for the printer (about a second each).
  EXPECT_GE(seconds, 1.5) << "the check did not wait for the printer";
}

TEST_F(SettingsPageTest, SelectingAnEntryChoosesWhichButtonWorks) {
  record().bin1Installed = 1;
  Show();
  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_AVAILABLE, "Disco rigido"));
  EXPECT_TRUE(IsEnabled(page, IDC_SETTINGS_ADD));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_REMOVE));
  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_INSTALLED, "Cassetto inferiore (500 fogli)"));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_ADD));
  EXPECT_TRUE(IsEnabled(page, IDC_SETTINGS_REMOVE));
}

TEST_F(SettingsPageTest, AddingTheSecondTrayAloneInstallsBothTrays) {
  Show();
  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_AVAILABLE, "Cassetto opzionale (500 fogli)"));
  ASSERT_TRUE(Click(page, IDC_SETTINGS_ADD));
  EXPECT_EQ(+record().bin1Installed, 1);
  EXPECT_EQ(+record().bin2Installed, 1);
  EXPECT_EQ(Installed(), (Items{"Cassetto inferiore (500 fogli)", "Cassetto opzionale (500 fogli)"}));
  EXPECT_EQ(Available().size(), 8u);
  EXPECT_EQ(Flags(IDC_SETTINGS_INSTALLED), (std::vector<LRESULT>{844, 845}));
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_ADD));
  EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_SETTINGS_AVAILABLE));

  // Removing the first tray takes the second with it.
  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_INSTALLED, "Cassetto inferiore (500 fogli)"));
  ASSERT_TRUE(Click(page, IDC_SETTINGS_REMOVE));
  EXPECT_EQ(+record().bin1Installed, 0);
  EXPECT_EQ(+record().bin2Installed, 0);
  EXPECT_EQ(Available(), kAllOptions);
  EXPECT_EQ(Installed(), Items{});
  EXPECT_FALSE(IsEnabled(page, IDC_SETTINGS_REMOVE));
  EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_SETTINGS_INSTALLED));
}

TEST_F(SettingsPageTest, AnOrdinaryOptionMovesAloneAndKeepsItsFlag) {
  Show();
  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_AVAILABLE, "Kit alta risoluzione"));
  ASSERT_TRUE(Click(page, IDC_SETTINGS_ADD));
  EXPECT_EQ(+record().multiResInstalled, 1);
  EXPECT_EQ(Installed(), Items{"Kit alta risoluzione"});
  EXPECT_EQ(Flags(IDC_SETTINGS_INSTALLED), std::vector<LRESULT>{857});
  // A second click with nothing selected moves nothing.
  SendDlgItemMessageA(page, IDC_SETTINGS_AVAILABLE, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_ADD, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_SETTINGS_ADD)));
  EXPECT_EQ(Installed(), Items{"Kit alta risoluzione"});
  EXPECT_EQ(Available().size(), 9u);
}

TEST_F(SettingsPageTest, TheHardDiskRulesRunAtAddRemoveAndLeaving) {
  for (OverlayEntry& overlay : record().overlays) overlay.enabled = 1;
  record().collate = 1;
  record().collateDefaulted = 1;
  Show();
  // Just showing the page without a disk switches collating off.
  EXPECT_EQ(int{record().collate}, 0);
  EXPECT_EQ(+record().collateDefaulted, 0);

  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_AVAILABLE, "Disco rigido"));
  ASSERT_TRUE(Click(page, IDC_SETTINGS_ADD));
  EXPECT_EQ(int{record().collate}, 1);
  EXPECT_EQ(+record().collateDefaulted, 1);

  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_INSTALLED, "Disco rigido"));
  ASSERT_TRUE(Click(page, IDC_SETTINGS_REMOVE));
  EXPECT_EQ(int{record().collate}, 0);
  EXPECT_EQ(+record().collateDefaulted, 0);
  EXPECT_EQ(int{record().overlays[4].enabled}, 1) << "reset only when the page is left";

  LeaveThePage();
  for (const OverlayEntry& overlay : record().overlays) EXPECT_EQ(int{overlay.enabled}, 0);
}

TEST_F(SettingsPageTest, LeavingWithTheSecondTrayAloneClearsIt) {
  record().bin2Installed = 1;
  Show();
  EXPECT_EQ(Installed(), Items{"Cassetto opzionale (500 fogli)"});
  LeaveThePage();
  EXPECT_EQ(+record().bin2Installed, 0);
}

TEST_F(SettingsPageTest, TheEditsShowTheFieldsAndTheirLimits) {
  SetFieldText(record().host, "server");
  SetFieldText(record().accountNumber, "12");
  Show();
  EXPECT_EQ(Text(page, IDC_SETTINGS_AUTHOR), "mario.rossi");
  EXPECT_EQ(Text(page, IDC_SETTINGS_HOST), "server");
  EXPECT_EQ(Text(page, IDC_SETTINGS_ACCOUNT), "12");
  EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETTINGS_AUTHOR, EM_GETLIMITTEXT, 0, 0), 63);
  EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETTINGS_HOST, EM_GETLIMITTEXT, 0, 0), 15);
  EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETTINGS_ACCOUNT, EM_GETLIMITTEXT, 0, 0), 7);
}

TEST_F(SettingsPageTest, LeavingAnEditStoresItsTextAndTheUtf8Twin) {
  Show();
  ASSERT_TRUE(test::Type(page, IDC_SETTINGS_HOST, "citt\xE0-\x80-lunghissimo"));
  ASSERT_TRUE(test::Leave(page, IDC_SETTINGS_HOST));
  EXPECT_EQ(FieldText(record().host), "citt\xE0-\x80-lunghis");  // cut by the edit at 15
  EXPECT_EQ(FieldText(record().hostUtf8), "citt\xC3\xA0-\xE2\x82\xAC-lunghis");
  ASSERT_TRUE(test::Type(page, IDC_SETTINGS_ACCOUNT, "0012345678"));
  ASSERT_TRUE(test::Leave(page, IDC_SETTINGS_ACCOUNT));
  EXPECT_EQ(FieldText(record().accountNumber), "0012345");
  EXPECT_EQ(FieldText(record().accountNumberUtf8), "0012345");
}

TEST_F(SettingsPageTest, OkWhileTheCaretIsInAnEditKeepsWhatWasTyped) {
  Show();
  ASSERT_TRUE(test::Type(page, IDC_SETTINGS_HOST, "nuovohost"));
  ASSERT_TRUE(test::Type(page, IDC_SETTINGS_ACCOUNT, "77"));
  ASSERT_EQ(GetFocus(), GetDlgItem(page, IDC_SETTINGS_ACCOUNT));
  EXPECT_TRUE(sheet->PressOk());
  EXPECT_EQ(FieldText(record().host), "nuovohost");
  EXPECT_EQ(FieldText(record().hostUtf8), "nuovohost");
  EXPECT_EQ(FieldText(record().accountNumber), "77");
  EXPECT_EQ(FieldText(record().accountNumberUtf8), "77");
}

TEST_F(SettingsPageTest, FieldsSentWithoutTerminatorStayAsSentWhenNotEdited) {
  std::memcpy(record().host, "HOST567890123456", 16);
  std::memcpy(record().accountNumber, "ACC45678", 8);
  SetFieldText(record().authorUtf8, "stale");
  Show();
  EXPECT_EQ(Text(page, IDC_SETTINGS_HOST), "HOST567890123456");
  ASSERT_TRUE(test::Leave(page, IDC_SETTINGS_HOST));
  ASSERT_TRUE(test::Leave(page, IDC_SETTINGS_ACCOUNT));
  LeaveThePage();
  EXPECT_EQ(std::string(record().host, 16), "HOST567890123456");
  EXPECT_EQ(std::string(record().accountNumber, 8), "ACC45678");
  // Leaving rebuilt every twin, edited or not.
  EXPECT_EQ(FieldText(record().hostUtf8), "HOST567890123456");
  EXPECT_EQ(FieldText(record().authorUtf8), "mario.rossi");
}

TEST_F(SettingsPageTest, TheAuthorIsReadAgainAtEveryActivation) {
  SetFieldText(record().author, "dal driver");
  Show();
  EXPECT_EQ(FieldText(record().author), "mario.rossi");
  LeaveThePage();
  user_.WriteString("anna.bianchi");
  ComeBack();
  EXPECT_EQ(Text(page, IDC_SETTINGS_AUTHOR), "anna.bianchi");
  // A value that is no string, or one too long for the field, leaves the author.
  LeaveThePage();
  const uint8_t binary[] = {'x', 0, 1, 2};
  user_.Write(platform::kRegBinary, binary, sizeof binary);
  ComeBack();
  EXPECT_EQ(Text(page, IDC_SETTINGS_AUTHOR), "anna.bianchi");
  LeaveThePage();
  user_.WriteString(std::string(64, 'z'));
  ComeBack();
  EXPECT_EQ(Text(page, IDC_SETTINGS_AUTHOR), "anna.bianchi");
  LeaveThePage();
  user_.Delete();
  ComeBack();
  EXPECT_EQ(FieldText(record().author), "anna.bianchi");
}

TEST_F(SettingsPageTest, TheListsScrollSidewaysToTheirWidestEntry) {
  Show();
  HWND list = GetDlgItem(page, IDC_SETTINGS_AVAILABLE);
  RECT client;
  GetClientRect(list, &client);
  LRESULT extent = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
  // "Casella postale a 4 scomparti" is wider than the list.
  EXPECT_GT(extent, client.right);
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
  // The installed list is empty: nothing to scroll to.
  EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETTINGS_INSTALLED, LB_GETHORIZONTALEXTENT, 0, 0), 0);
  // Once an entry wider than the list moves there, it scrolls as far as that entry.
  ASSERT_TRUE(ChooseListEntry(page, IDC_SETTINGS_AVAILABLE, "Casella postale a 4 scomparti"));
  ASSERT_TRUE(Click(page, IDC_SETTINGS_ADD));
  HWND installed = GetDlgItem(page, IDC_SETTINGS_INSTALLED);
  LRESULT moved = SendMessageA(installed, LB_GETHORIZONTALEXTENT, 0, 0);
  EXPECT_GT(moved, client.right);
  EXPECT_LE(moved, extent);
  EXPECT_TRUE(GetWindowLongA(installed, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(SettingsPageTest, AKeywordWithoutTranslationIsListedUnderItsName) {
  static const char kPpd[] = R"(*PPD-Adobe: "4.3"
*OpenGroup: InstallableOptions/Opzioni
*OpenUI *Optionalenvelope: PickOne
*Optionalenvelope True/Installato: ""
*Optionalenvelope False/Non installato: ""
*CloseUI: *Optionalenvelope
*OpenUI *optionalbin/Cassetto minuscolo: PickOne
*optionalbin True/Installato: ""
*CloseUI: *optionalbin
*CloseGroup: InstallableOptions
)";
  ASSERT_TRUE(UsePpdText(kPpd));
  Show();
  EXPECT_EQ(Available(), Items{"Optionalenvelope"});
}

}  // namespace
}  // namespace psui
