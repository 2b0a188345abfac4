// The Consumables page in a real sheet against real printers (snmpd
// profiles, a silent address, none): what each refresh shows, the wait for
// a silent printer, and the two web links.
#include "pages/consumables_page.h"

#include <gtest/gtest.h>

#include <chrono>
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
using test::IsVisible;
using test::Text;

constexpr char kTitle[] = "Informazioni sui materiali di consumo della stampante:";
constexpr char kNotAvailable[] = "Informazioni sui materiali di consumo non disponibili";
constexpr char kPrintUnit[] = "Unit\xE0 di stampa :";

class ConsumablesPageTest : public test::PageTest {
 protected:
  ConsumablesPageTest() {
    EXPECT_TRUE(UsePpdFile(SourceFile("samples/psui-color.ppd")));
    record().deviceMode = 1;
    SetFieldText(record().snmpCommunity, "public");
    app.linkStatus = kPrinterAnswered;
  }
  // Another page first, then this one: its activation asks the printer.
  void Show(const char* address) {
    if (address) SetFieldText(record().printerAddress, address);
    OpenSheet({IDD_ABOUT, IDD_CONSUMABLES});
    ASSERT_TRUE(ShowPage(IDD_CONSUMABLES));
    page = PageWindow(IDD_CONSUMABLES);
  }
  CConsumables& consumables() const { return PageAs<CConsumables>(IDD_CONSUMABLES); }
  void Refresh() { ASSERT_TRUE(Click(page, IDC_CONSUMABLES_REFRESH)); }
  std::string Title() { return kTitle + std::string(FieldText(record().printerName)); }

  // A slot as the user sees it: the visible controls and their contents.
  std::string Slot(int n) const {
    const int name = IDC_CONSUMABLES_NAME_FIRST + n, value = IDC_CONSUMABLES_VALUE_FIRST + n;
    const int bar = IDC_CONSUMABLES_BAR_FIRST + n, level = IDC_CONSUMABLES_LEVEL_FIRST + n;
    std::string out;
    if (IsVisible(page, name)) out += Text(page, name);
    if (IsVisible(page, value)) out += " | value \"" + Text(page, value) + "\"";
    if (IsVisible(page, bar)) {
      auto [low, high] = test::Range(page, bar);
      out += " | bar " + std::to_string(test::Position(page, bar)) + "/" +
             (low == 0 ? "" : std::to_string(low) + "..") + std::to_string(high);
    }
    if (IsVisible(page, level)) out += " | level \"" + Text(page, level) + "\"";
    return out.empty() ? "-" : out;
  }
  std::vector<std::string> Slots() const {
    std::vector<std::string> slots;
    for (int n = 0; n < 12; ++n) slots.push_back(Slot(n));
    return slots;
  }

  HWND page = nullptr;
};

const std::vector<std::string> kNothing(12, "-");

// From a thread of its own, half a second in: notes whether the button is
// enabled, then clicks it (the mouse messages a click puts in the queue).
struct ImpatientUser {
  HWND button;
  LONG enabledWhileWaiting = -1;

  static DWORD WINAPI Run(void* self) {
    auto* user = static_cast<ImpatientUser*>(self);
    Sleep(500);
    InterlockedExchange(&user->enabledWhileWaiting, IsWindowEnabled(user->button) ? 1 : 0);
    PostMessageA(user->button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(user->button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    return 0;
  }
};

TEST_F(ConsumablesPageTest, TheFullPrinterShowsItsTonerThenItsPrintUnit) {
  Show(test::kFullAgent);
  EXPECT_EQ(Text(page, IDC_CONSUMABLES_TITLE), Title());
  EXPECT_TRUE(IsVisible(page, IDC_CONSUMABLES_TITLE));
  EXPECT_EQ(Text(page, IDC_CONSUMABLES_HEADER), "Toner: ");
  std::vector<std::string> expected = kNothing;
  expected[0] = "Toner nero | bar 60/100 | level \"60%\"";
  expected[1] = kPrintUnit;
  expected[2] = "Tamburo | bar 80/100 | level \"80%\"";
  // The waste box of this printer has a type the page does not show.
  EXPECT_EQ(Slots(), expected);
  EXPECT_EQ(consumables().printerQueries(), 1);
}

TEST_F(ConsumablesPageTest, LevelsAgainstTheirCapacityAndStatusWords) {
  Show(test::kLevelsAgent);
  EXPECT_EQ(Text(page, IDC_CONSUMABLES_HEADER), "Toner: ");
  const std::vector<std::string> expected = {
      "Toner ciano | bar 25000/100000 | level \"25%\"",  // a range above 65535
      "Toner nero | bar 45/100 | level \"45%\"",         // no capacity: the level is the share
      "Vaschetta di recupero | value \"Quasi pieno\"",
      "Collettore toner | value \"Pronto\"",
      "Vaschetta vuota | value \"Pieno\"",
      kPrintUnit,
      "Tamburo | bar 5000/20000 | level \"25%\"",
      "Cinghia di trasferimento | bar 150/300 | level \"50%\"",
      "Unita di fusione | bar 0/100 | level \"\"",  // an unknown level
      "-",  // rows 10 to 12 are never shown, though slots are free
      "-",
      "-",
  };
  EXPECT_EQ(Slots(), expected);
}

TEST_F(ConsumablesPageTest, TheSuppliesPrinterShowsOnlyItsTonerRows) {
  Show(test::kSuppliesAgent);
  std::vector<std::string> expected = kNothing;
  expected[0] = "Cartuccia 1 | bar 10/100 | level \"10%\"";
  expected[1] = "Cartuccia 2 | bar 20/200 | level \"10%\"";
  EXPECT_EQ(Slots(), expected);
}

TEST_F(ConsumablesPageTest, ASilentPrinterEndsInNotAvailableAndItsClicksAreDropped) {
  Show(test::kFullAgent);
  ASSERT_EQ(Slot(0), "Toner nero | bar 60/100 | level \"60%\"");
  SetFieldText(record().printerAddress, test::kSilentPrinter);

  // While the page waits, a user looks at "Aggiorna" and clicks it.
  ImpatientUser user{GetDlgItem(page, IDC_CONSUMABLES_REFRESH)};
  HANDLE thread = CreateThread(nullptr, 0, ImpatientUser::Run, &user, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  auto start = std::chrono::steady_clock::now();
  Refresh();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  test::PumpMessages();

  EXPECT_GE(seconds, 1.5) << "the refresh did not wait for the printer";
  EXPECT_EQ(user.enabledWhileWaiting, 0);
  EXPECT_TRUE(IsWindowEnabled(user.button));
  EXPECT_EQ(consumables().printerQueries(), 2) << "the click made during the wait started another one";
  EXPECT_EQ(Text(page, IDC_CONSUMABLES_HEADER), kNotAvailable);
  EXPECT_FALSE(IsVisible(page, IDC_CONSUMABLES_TITLE));
  EXPECT_EQ(Slots(), kNothing);
  for (int id = IDC_CONSUMABLES_NAME_FIRST; id < IDC_CONSUMABLES_NAME_FIRST + 60; ++id) {
    if (GetDlgItem(page, id)) {
      EXPECT_FALSE(IsVisible(page, id)) << id;
    }
  }

  // The printer is back: the refresh shows the title again.
  SetFieldText(record().printerAddress, test::kFullAgent);
  Refresh();
  EXPECT_TRUE(IsVisible(page, IDC_CONSUMABLES_TITLE));
  EXPECT_EQ(Text(page, IDC_CONSUMABLES_HEADER), "Toner: ");
}

TEST_F(ConsumablesPageTest, WithoutCommunityOrAddressNothingIsAskedAndTheRowsStay) {
  Show(test::kFullAgent);
  SetFieldText(record().snmpCommunity, "");
  Refresh();
  EXPECT_EQ(consumables().printerQueries(), 1);
  EXPECT_EQ(Slot(0), "Toner nero | bar 60/100 | level \"60%\"");
}

TEST_F(ConsumablesPageTest, WithNoAddressAnywhereThePageIsNotAvailableAtOnce) {
  auto start = std::chrono::steady_clock::now();
  Show(nullptr);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(consumables().printerQueries(), 0);
  EXPECT_EQ(Text(page, IDC_CONSUMABLES_HEADER), kNotAvailable);
  EXPECT_FALSE(IsVisible(page, IDC_CONSUMABLES_TITLE));
  EXPECT_LT(seconds, 1.0);
}

TEST_F(ConsumablesPageTest, AnEmptyAddressIsFoundFromThePortAndKept) {
  const std::string port = "IP_CONSUMABLES_" + std::to_string(GetCurrentProcessId());
  const std::string monitor = "System\\CurrentControlSet\\Control\\Print\\Monitors\\Tiller Port+\\Ports\\" + port;
  DeleteAfterTest(platform::RegistryRoot::kLocalMachine, monitor);
  platform::RegistryKey key;
  ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, PrinterKey(), key), 0u);
  ASSERT_EQ(key.WriteString("Port", port), 0u);
  ASSERT_EQ(platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, monitor, key), 0u);
  ASSERT_EQ(key.WriteString("IPAddress", test::kFullAgent), 0u);
  Show(nullptr);
  EXPECT_EQ(FieldText(record().printerAddress), test::kFullAgent);
  EXPECT_EQ(Slot(0), "Toner nero | bar 60/100 | level \"60%\"");
}

class ConsumablesLinks : public ConsumablesPageTest {
 protected:
  test::RegistryValueGuard browser_{platform::RegistryRoot::kLocalMachine,
                                     "SOFTWARE\\CLASSES\\htmlfile\\shell\\open\\command", ""};
};

TEST_F(ConsumablesLinks, BothLinksAreOwnerDrawnInBlue) {
  Show(nullptr);
  for (int id : {IDC_CONSUMABLES_SHOP_LINK, IDC_CONSUMABLES_PRINTER_LINK}) {
    HWND button = GetDlgItem(page, id);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
    RECT area;
    GetClientRect(button, &area);
    HDC screen = GetDC(button);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = id;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button;
    item.hDC = dc;
    item.rcItem = area;
    SendMessageA(page, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item));
    int blue = 0;
    for (int y = 0; y < area.bottom; ++y) {
      for (int x = 0; x < area.right; ++x) blue += GetPixel(dc, x, y) == RGB(0, 0, 255);
    }
    EXPECT_GT(blue, 10) << "no blue caption on " << id;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(button, screen);
  }
}

TEST_F(ConsumablesLinks, TheLinksOpenTheShopAndThePrinterInTheBrowser) {
  ASSERT_EQ(browser_.WriteString("\"C:\\browser.exe\" \"%1\""), 0u);
  Show(test::kFullAgent);
  test::ExternalRecorder& recorder = external;
  ASSERT_TRUE(Click(page, IDC_CONSUMABLES_SHOP_LINK));
  ASSERT_TRUE(Click(page, IDC_CONSUMABLES_PRINTER_LINK));
  ASSERT_EQ(recorder.execCalls.size(), 2u);
  EXPECT_EQ(recorder.execCalls[0].commandLine, "\"C:\\browser.exe\" \"http://negozio.stampanti.example/\"");
  EXPECT_EQ(recorder.execCalls[1].commandLine, "\"C:\\browser.exe\" \"127.0.0.40\"");
  EXPECT_EQ(recorder.execCalls[0].show, static_cast<UINT>(SW_SHOWNORMAL));

  // A command that is not a string starts nothing.
  const uint8_t binary[] = {'C', ':', 0};
  ASSERT_EQ(browser_.Write(platform::kRegBinary, binary, sizeof binary), 0u);
  ASSERT_TRUE(Click(page, IDC_CONSUMABLES_SHOP_LINK));
  EXPECT_EQ(recorder.execCalls.size(), 2u);
}

}  // namespace
}  // namespace psui
