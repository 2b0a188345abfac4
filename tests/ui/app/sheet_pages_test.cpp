// The eight real pages in a real sheet: each page and its controls carry
// their help ids, and help requests reach the help engine once each.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/application.h"
#include "ui/context_help.h"
#include "app/sheet_pages.h"
#include "resources/resource.h"
#include "tests/ui/harness/external_recorder.h"
#include "tests/ui/harness/test_sheet.h"

namespace psui {
namespace {

class SheetPagesTest : public ::testing::Test {
 protected:
  SheetPagesTest() : pages(MakeSheetPages()) {
    for (const auto& page : pages) raw.push_back(page.get());
    // A record the pages let the user leave: the Overlay page refuses a
    // complex overlay cycle outside 1 to 99.
    app.settings.complexOverlayFirst = 1;
    app.settings.complexOverlayCycle = 1;
  }
  Application app;  // the record and image the pages use
  std::vector<std::unique_ptr<PropertyPage>> pages;
  std::vector<PropertyPage*> raw;
};

TEST_F(SheetPagesTest, EveryPageRegistersItsHelpIdsWhenFirstShown) {
  test::TestSheet sheet(raw);
  const int order[] = {211, 214, 208, 213, 209, 203, 216, 200};
  for (int index = 0; index < 8; ++index) {
    ASSERT_TRUE(sheet.SelectPage(index)) << index;
    HWND page = sheet.CurrentPage();
    EXPECT_EQ(pages[index]->templateId(), order[index]);
    EXPECT_EQ(GetWindowContextHelpId(page), static_cast<DWORD>(order[index]));
    const std::vector<int>& ids = ContextHelpIdsFor(order[index]);
    for (size_t i = 1; i < ids.size(); ++i) {
      HWND control = GetDlgItem(page, ids[i]);
      if (control) {
        EXPECT_EQ(GetWindowContextHelpId(control), static_cast<DWORD>(ids[i])) << ids[i];
      }
    }
  }
}

TEST_F(SheetPagesTest, TheHelpButtonIsEnabledAndOpensThePageHelp) {
  test::TestSheet sheet(raw);
  ASSERT_TRUE(sheet.SelectPage(1));  // Paper
  test::ExternalRecorder recorder;
  HWND help = GetDlgItem(sheet.hwnd(), IDHELP);
  ASSERT_TRUE(IsWindowEnabled(help));
  SetFocus(help);
  sheet.PressButton(PSBTN_HELP);
  ASSERT_EQ(recorder.helpCalls.size(), 1u);
  EXPECT_EQ(recorder.helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(recorder.helpCalls[0].data, 214u);
  SetFocus(GetDlgItem(sheet.CurrentPage(), 1031));
  SendMessageA(sheet.CurrentPage(), WM_HELP, 0, 0);  // F1 on the source list
  ASSERT_EQ(recorder.helpCalls.size(), 2u);
  EXPECT_EQ(recorder.helpCalls[1].data, 1031u);
}

// Presses OK as soon as the sheet shows it, and tells when it is destroyed.
class ClosingPage : public PropertyPage {
 public:
  explicit ClosingPage(bool* destroyed) : PropertyPage(IDD_LAYOUT), destroyed_(destroyed) {}
  ~ClosingPage() override { *destroyed_ = true; }

 protected:
  bool OnSetActive() override {
    PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    return true;
  }

 private:
  bool* destroyed_;
};

// The driver gets its answer before the pages end: a page's destruction must
// not come between the user's OK and the answer.
TEST(ApplicationRun, ThePagesLiveUntilTheAnswerHasBeenSent) {
  Application app;
  bool destroyed = false;
  app.RunSheet([&destroyed] {
    std::vector<std::unique_ptr<PropertyPage>> pages;
    pages.push_back(std::make_unique<ClosingPage>(&destroyed));
    return pages;
  });
  EXPECT_EQ(app.outcome(), SheetOutcome::kOk);
  EXPECT_FALSE(destroyed) << "the sheet has closed, the answer is not sent yet";
  EXPECT_NE(app.Page(IDD_LAYOUT), nullptr);
  app.DestroyPages();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(app.Page(IDD_LAYOUT), nullptr);
}

}  // namespace
}  // namespace psui
