// The look of each page template: controls inside the page, texts not cut by
// their controls, and no control covering another, measured with the font
// the page is shown in.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "page_expectations.h"
#include "resource.h"
#include "template_host.h"

namespace psui::test {
namespace {

struct Measure {
  explicit Measure(HWND dialog) : dc_(GetDC(dialog)), dialog_(dialog) {
    old_ = SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  }
  ~Measure() {
    SelectObject(dc_, old_);
    ReleaseDC(dialog_, dc_);
  }
  int Width(const std::wstring& text) const {
    SIZE size = {};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  int LineHeight() const {
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
  }
  // Height of the text broken into lines as a static control breaks it.
  int WrappedHeight(const std::wstring& text, int width) const {
    RECT r = {0, 0, width, 0};
    DrawTextW(dc_, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return r.bottom;
  }

 private:
  HDC dc_;
  HWND dialog_;
  HGDIOBJ old_;
};

RECT RectInDialog(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(HWND control) {
  return "control " + std::to_string(ControlIdOf(control)) + " \"" + Utf8(WindowTextW(control)) +
         "\"";
}

bool Shown(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

// An up-down control sits on the right border of its edit by design.
bool IsSpinOf(HWND spin, HWND edit) {
  return lstrcmpiA(ClassNameOf(spin).c_str(), "msctls_updown32") == 0 &&
         reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)) == edit;
}

bool IsGroupBox(HWND control) {
  return lstrcmpiA(ClassNameOf(control).c_str(), "Button") == 0 &&
         (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Room the control itself takes from its width before the text: the check
// mark of a check box or radio, the frame of a button, the indent of a
// group box caption.
int TextRoom(HWND control, int width) {
  const std::string cls = ClassNameOf(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (lstrcmpiA(cls.c_str(), "Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_AUTOCHECKBOX:
      case BS_CHECKBOX:
      case BS_AUTORADIOBUTTON:
      case BS_RADIOBUTTON:
        return width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
      case BS_GROUPBOX:
        return width - 16;
      default:
        return width - 8;
    }
  }
  return width;
}

using PageLayout = TemplateTest;

TEST_P(PageLayout, ControlsStayInsideThePage) {
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr);
  RECT client;
  GetClientRect(dialog, &client);
  for (HWND control : ChildControls(dialog)) {
    if (!Shown(control)) continue;
    RECT r = RectInDialog(dialog, control);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << Describe(control) << " at (" << r.left << "," << r.top << ")-(" << r.right << ","
        << r.bottom << ") outside the page (" << client.right << "x" << client.bottom << ")";
  }
}

TEST_P(PageLayout, TextsFitTheirControls) {
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr);
  Measure measure(dialog);
  for (HWND control : ChildControls(dialog)) {
    const std::string cls = ClassNameOf(control);
    const bool text_control = lstrcmpiA(cls.c_str(), "Button") == 0 ||
                              (lstrcmpiA(cls.c_str(), "Static") == 0 &&
                               (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP);
    std::wstring text = WindowTextW(control);
    if (!text_control || text.empty()) continue;
    RECT r = RectInDialog(dialog, control);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int room = TextRoom(control, width);
    if (lstrcmpiA(cls.c_str(), "Static") == 0 && height >= 2 * measure.LineHeight()) {
      EXPECT_LE(measure.WrappedHeight(text, width), height) << Describe(control) << " is cut";
    } else {
      EXPECT_LE(measure.Width(text), room)
          << Describe(control) << " needs " << measure.Width(text) << " px, has " << room;
    }
  }
}

TEST_P(PageLayout, NoControlCoversAnother) {
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr);
  std::vector<HWND> controls;
  for (HWND control : ChildControls(dialog)) {
    if (Shown(control) && !IsGroupBox(control)) controls.push_back(control);
  }
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      if (IsSpinOf(controls[i], controls[j]) || IsSpinOf(controls[j], controls[i])) continue;
      RECT a = RectInDialog(dialog, controls[i]);
      RECT b = RectInDialog(dialog, controls[j]);
      RECT both;
      EXPECT_FALSE(IntersectRect(&both, &a, &b))
          << Describe(controls[i]) << " overlaps " << Describe(controls[j]);
    }
  }
}

TEST_P(PageLayout, GroupBoxesHoldTheControlsThatStartInThem) {
  // A control that starts inside a frame must end inside it too; one that
  // crosses the frame's border looks broken.
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr);
  std::vector<HWND> children = ChildControls(dialog);
  for (HWND group : children) {
    if (!IsGroupBox(group)) continue;
    RECT frame = RectInDialog(dialog, group);
    for (HWND control : children) {
      if (control == group || !Shown(control) || IsGroupBox(control)) continue;
      RECT r = RectInDialog(dialog, control);
      POINT top_left = {r.left, r.top};
      if (!PtInRect(&frame, top_left)) continue;
      EXPECT_TRUE(r.right <= frame.right && r.bottom <= frame.bottom)
          << Describe(control) << " crosses the border of " << Describe(group);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, PageLayout, ::testing::Range<size_t>(0, ExpectedPages().size()),
                         TemplateTestName);

// ---------------------------------------------------------------- texts set at run time
// Texts of the string table that the Consumables and Settings pages put into
// their labels: each must fit the label it goes into.
TEST(RunTimeTexts, FitTheLabelsThePagesPutThemInto) {
  struct Placement {
    int dialog;
    int control;
    int text;
  };
  const Placement placements[] = {
      {IDD_CONSUMABLES, IDC_CONSUMABLES_HEADER, IDS_SUPPLIES_UNAVAILABLE},
      {IDD_CONSUMABLES, IDC_CONSUMABLES_HEADER, IDS_SUPPLIES_PRINT_UNIT},
      {IDD_CONSUMABLES, IDC_CONSUMABLES_HEADER, IDS_SUPPLIES_TONER},
      {IDD_CONSUMABLES, IDC_CONSUMABLES_NAME_FIRST + 1, IDS_SUPPLIES_PRINT_UNIT},
      {IDD_CONSUMABLES, IDC_CONSUMABLES_VALUE_FIRST, IDS_SUPPLY_NEARLY_FULL},
      {IDD_CONSUMABLES, IDC_CONSUMABLES_TITLE, IDS_SUPPLIES_TITLE},
      {IDD_SETTINGS, IDC_SETTINGS_LINK_STATUS, IDS_LINK_ESTABLISHED},
      {IDD_SETTINGS, IDC_SETTINGS_LINK_STATUS, IDS_LINK_UNAVAILABLE},
  };
  TemplateHost host;
  for (const Placement& place : placements) {
    HWND dialog = host.Create(place.dialog);
    ASSERT_NE(dialog, nullptr);
    HWND control = GetDlgItem(dialog, place.control);
    ASSERT_NE(control, nullptr) << place.control;
    wchar_t buffer[512] = {};
    int length = LoadStringW(GetModuleHandleW(nullptr), place.text, buffer, 512);
    ASSERT_GT(length, 0) << "string " << place.text;
    std::wstring text(buffer, length);
    Measure measure(dialog);
    RECT r = RectInDialog(dialog, control);
    if (r.bottom - r.top >= 2 * measure.LineHeight()) {
      EXPECT_LE(measure.WrappedHeight(text, r.right - r.left), r.bottom - r.top)
          << "string " << place.text << " in control " << place.control;
    } else {
      EXPECT_LE(measure.Width(text), r.right - r.left)
          << "string " << place.text << " in control " << place.control;
    }
  }
}

}  // namespace
}  // namespace psui::test
