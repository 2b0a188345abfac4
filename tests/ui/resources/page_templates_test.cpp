// Each page template, created for real: its caption and size, and every
// control the page's code relies on, with its window class, the style bits
// that make it the right kind of control, its caption and initial state.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

#include "page_expectations.h"
#include "template_host.h"

namespace psui::test {
namespace {

bool SameClass(const std::string& actual, const char* expected) {
  return lstrcmpiA(actual.c_str(), expected) == 0;
}

// Empty when the control is of the expected kind, else what is wrong.
std::string KindProblem(HWND control, Kind kind) {
  const std::string cls = ClassNameOf(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const LONG button = style & BS_TYPEMASK;
  const LONG stat = style & SS_TYPEMASK;
  auto need = [&](bool ok, const std::string& what) { return ok ? std::string() : what; };
  switch (kind) {
    case Kind::kGroupBox:
      return need(SameClass(cls, "Button") && button == BS_GROUPBOX, "a group box");
    case Kind::kPushButton:
      return need(SameClass(cls, "Button") && (button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON),
                  "a push button");
    case Kind::kCheckBox:
      return need(SameClass(cls, "Button") && button == BS_AUTOCHECKBOX, "an auto check box");
    case Kind::kRadioButton:
      return need(SameClass(cls, "Button") && button == BS_AUTORADIOBUTTON, "an auto radio button");
    case Kind::kDropDownList:
      return need(SameClass(cls, "ComboBox") && (style & 3) == CBS_DROPDOWNLIST && !(style & CBS_SORT),
                  "a drop-down list (combo box without edit field) in insertion order");
    case Kind::kSortedDropDownList:
      return need(SameClass(cls, "ComboBox") && (style & 3) == CBS_DROPDOWNLIST && (style & CBS_SORT),
                  "a sorted drop-down list (combo box without edit field)");
    case Kind::kEditableCombo:
      return need(SameClass(cls, "ComboBox") && (style & 3) == CBS_DROPDOWN && !(style & CBS_SORT),
                  "a drop-down combo box with an edit field, in insertion order");
    case Kind::kSortedEditableCombo:
      return need(SameClass(cls, "ComboBox") && (style & 3) == CBS_DROPDOWN && (style & CBS_SORT),
                  "a sorted drop-down combo box with an edit field");
    case Kind::kSortedList:
      return need(SameClass(cls, "ListBox") && (style & LBS_SORT) && (style & LBS_NOTIFY),
                  "a sorted, notifying list box");
    case Kind::kPlainList:
      return need(SameClass(cls, "ListBox") && !(style & LBS_SORT) && (style & LBS_NOTIFY),
                  "an unsorted, notifying list box");
    case Kind::kEdit:
      return need(SameClass(cls, "Edit") && !(style & ES_MULTILINE) && !(style & ES_READONLY),
                  "a single-line edit");
    case Kind::kNumberEdit:
      return need(SameClass(cls, "Edit") && !(style & ES_MULTILINE) && (style & ES_NUMBER),
                  "a single-line number edit");
    case Kind::kReadOnlyText:
      return need(SameClass(cls, "Edit") && (style & ES_MULTILINE) && (style & ES_READONLY),
                  "a multi-line read-only edit");
    case Kind::kLabel:
      return need(SameClass(cls, "Static") && stat == SS_LEFT, "a left-aligned static text");
    case Kind::kNoPrefixLabel:
      return need(SameClass(cls, "Static") && stat == SS_LEFT && (style & SS_NOPREFIX),
                  "a left-aligned static text without \"&\" prefixes");
    case Kind::kRightLabel:
      return need(SameClass(cls, "Static") && stat == SS_RIGHT, "a right-aligned static text");
    case Kind::kPicture:
      if (!SameClass(cls, "Static") || stat != SS_BITMAP) return "a static picture";
      return need(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0,
                  "a picture with its bitmap loaded");
    case Kind::kUpDown: {
      if (!SameClass(cls, UPDOWN_CLASSA)) return "an up-down control";
      HWND buddy = reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0));
      HWND before = GetWindow(control, GW_HWNDPREV);
      return need(buddy && buddy == before && (style & UDS_SETBUDDYINT),
                  "an up-down control that sets the number of the edit before it");
    }
    case Kind::kProgressBar:
      return need(SameClass(cls, PROGRESS_CLASSA), "a progress bar");
  }
  return "a known kind";
}

using PageTemplate = TemplateTest;

TEST_P(PageTemplate, HasItsCaptionStyleSizeAndFont) {
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr) << "template " << page().dialogId << " did not load";
  EXPECT_EQ(Utf8(WindowTextW(dialog)), page().caption);
  EXPECT_EQ(TemplateShapeProblem(dialog, page().kind), "");
}

TEST_P(PageTemplate, HasEveryControlWithItsKindCaptionAndState) {
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr);
  for (const ExpectedControl& want : page().controls) {
    SCOPED_TRACE("control " + std::to_string(want.id));
    HWND control = GetDlgItem(dialog, want.id);
    ASSERT_NE(control, nullptr) << "missing";
    std::string problem = KindProblem(control, want.kind);
    EXPECT_TRUE(problem.empty()) << "class " << ClassNameOf(control) << ", style 0x" << std::hex
                                 << GetWindowLongA(control, GWL_STYLE) << " is not " << problem;
    if (want.caption) {
      EXPECT_EQ(Utf8(WindowTextW(control)), want.caption);
    }
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ((style & WS_VISIBLE) == 0, (want.state & kHidden) != 0) << "visibility";
    EXPECT_EQ((style & WS_DISABLED) != 0, (want.state & kDisabled) != 0) << "enabled state";
  }
}

TEST_P(PageTemplate, HasNoOtherNumberedControlsAndItsLabels) {
  HWND dialog = host_.Create(page().dialogId);
  ASSERT_NE(dialog, nullptr);
  std::map<int, int> seen;
  std::vector<std::string> labels;
  for (HWND child : ChildControls(dialog)) {
    int id = ControlIdOf(child);
    if (id == -1) {
      labels.push_back(Utf8(WindowTextW(child)));
    } else {
      ++seen[id];
    }
  }
  for (const auto& [id, count] : seen) {
    EXPECT_EQ(count, 1) << "control id " << id << " is used " << count << " times";
    bool expected = std::any_of(page().controls.begin(), page().controls.end(),
                                [id = id](const ExpectedControl& c) { return c.id == id; });
    EXPECT_TRUE(expected) << "control id " << id << " is not one of the page's controls";
  }
  std::vector<std::string> want(page().labels.begin(), page().labels.end());
  std::sort(want.begin(), want.end());
  std::sort(labels.begin(), labels.end());
  EXPECT_EQ(labels, want);
}

INSTANTIATE_TEST_SUITE_P(Templates, PageTemplate, ::testing::Range<size_t>(0, ExpectedPages().size()),
                         TemplateTestName);

// The host and the shape check on templates of the test's own
// (template_host_test.rc): a popup dialog and a child page.
TEST(TemplateHost, CreatesDialogTemplatesHiddenAndOwnedForInspection) {
  TemplateHost host;
  HWND dialog = host.Create(9301);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_NE(GetWindow(dialog, GW_OWNER), nullptr) << "owned by the host, which ends it";
  EXPECT_EQ(TemplateShapeProblem(dialog, TemplateKind::kDialog), "");
  EXPECT_NE(TemplateShapeProblem(dialog, TemplateKind::kPage), "");
  HWND page = host.Create(9302);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), GetWindow(dialog, GW_OWNER)) << "a page is a child of the host";
  EXPECT_EQ(TemplateShapeProblem(page, TemplateKind::kPage), "");
  EXPECT_NE(TemplateShapeProblem(page, TemplateKind::kDialog), "");
}

TEST(PageTemplates, RadioButtonsFormOneGroupPerChoice) {
  // Arrow keys move within a group; a choice that shares a group with the
  // next one lets the keyboard tick a button of the wrong setting.
  TemplateHost host;
  struct Group {
    int dialog;
    std::vector<int> radios;
  };
  const Group groups[] = {
      {211, {1000, 1001, 1002}}, {211, {1003, 1004, 1005}}, {209, {1230, 1231}},
      {206, {1111, 1110}},       {206, {1319, 1320}},       {204, {1054, 1055, 1056}}};
  for (const Group& group : groups) {
    HWND dialog = host.Create(group.dialog);
    ASSERT_NE(dialog, nullptr);
    HWND first = GetDlgItem(dialog, group.radios.front());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(GetWindowLongA(first, GWL_STYLE) & WS_GROUP) << group.radios.front();
    for (size_t i = 1; i < group.radios.size(); ++i) {
      HWND radio = GetDlgItem(dialog, group.radios[i]);
      ASSERT_NE(radio, nullptr);
      EXPECT_FALSE(GetWindowLongA(radio, GWL_STYLE) & WS_GROUP) << group.radios[i];
    }
    // The control after the last radio starts a new group.
    HWND after = GetWindow(GetDlgItem(dialog, group.radios.back()), GW_HWNDNEXT);
    ASSERT_NE(after, nullptr);
    EXPECT_TRUE(GetWindowLongA(after, GWL_STYLE) & WS_GROUP)
        << "control after " << group.radios.back() << " does not start a new group";
  }
}

// ---------------------------------------------------------------- colour dialogs
TEST(ColorDialogTemplates, NumberedControlsStandInTheOrderOfTheirExpectations) {
  // The expectations list the colour dialogs' controls in the order the user
  // tabs through them; the templates must create them in that order.
  TemplateHost host;
  for (const ExpectedPage& page : ExpectedPages()) {
    if (page.dialogId != 202 && page.dialogId != 206 && page.dialogId != 212) continue;
    SCOPED_TRACE(page.dialogId);
    HWND dialog = host.Create(page.dialogId);
    ASSERT_NE(dialog, nullptr);
    std::vector<int> order;
    for (HWND child : ChildControls(dialog)) {
      if (ControlIdOf(child) != -1) order.push_back(ControlIdOf(child));
    }
    std::vector<int> expected;
    for (const ExpectedControl& control : page.controls) expected.push_back(control.id);
    EXPECT_EQ(order, expected);
  }
}

TEST(ColorDialogTemplates, CreatoIsTheDefaultButtonOfTheProfileDialog) {
  TemplateHost host;
  HWND dialog = host.Create(212);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr) << "Esc ends it as \"Creato\" does";
}
// ---------------------------------------------------------------- end of colour dialogs

// ---------------------------------------------------------------- Features page dialogs
bool IsFeaturesDialog(int id) { return id == 205 || id == 207 || id == 210 || id == 215; }

TEST(FeaturesDialogTemplates, NumberedControlsStandInTheOrderOfTheirExpectations) {
  TemplateHost host;
  for (const ExpectedPage& page : ExpectedPages()) {
    if (!IsFeaturesDialog(page.dialogId)) continue;
    SCOPED_TRACE(page.dialogId);
    HWND dialog = host.Create(page.dialogId);
    ASSERT_NE(dialog, nullptr);
    std::vector<int> order;
    for (HWND child : ChildControls(dialog)) {
      if (ControlIdOf(child) != -1) order.push_back(ControlIdOf(child));
    }
    std::vector<int> expected;
    for (const ExpectedControl& control : page.controls) expected.push_back(control.id);
    EXPECT_EQ(order, expected);
  }
}

TEST(FeaturesDialogTemplates, OkIsTheDefaultButtonAndStartsTheButtonsGroup) {
  TemplateHost host;
  for (int id : {205, 207, 210, 215}) {
    SCOPED_TRACE(id);
    HWND dialog = host.Create(id);
    ASSERT_NE(dialog, nullptr);
    const LONG ok = GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE);
    EXPECT_EQ(ok & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(ok & WS_GROUP);
  }
}

TEST(FeaturesDialogTemplates, RotationAndCollationAreOneRadioGroupEach) {
  TemplateHost host;
  const struct {
    int dialog;
    std::vector<int> radios;
  } groups[] = {{210, {1084, 1085, 1086, 1087}}, {207, {1150, 1151}}};
  for (const auto& group : groups) {
    HWND dialog = host.Create(group.dialog);
    ASSERT_NE(dialog, nullptr);
    for (size_t i = 0; i < group.radios.size(); ++i) {
      const LONG style = GetWindowLongA(GetDlgItem(dialog, group.radios[i]), GWL_STYLE);
      EXPECT_EQ((style & WS_GROUP) != 0, i == 0) << group.radios[i];
    }
    HWND after = GetWindow(GetDlgItem(dialog, group.radios.back()), GW_HWNDNEXT);
    ASSERT_NE(after, nullptr);
    EXPECT_TRUE(GetWindowLongA(after, GWL_STYLE) & WS_GROUP) << "after " << group.radios.back();
  }
}

TEST(FeaturesDialogTemplates, TheCopiesSpinSetsItsEditAndKeysMoveIt) {
  TemplateHost host;
  HWND dialog = host.Create(207);
  ASSERT_NE(dialog, nullptr);
  const LONG style = GetWindowLongA(GetDlgItem(dialog, 1153), GWL_STYLE);
  const LONG wanted = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(GetDlgItem(dialog, 1153), UDM_GETBUDDY, 0, 0)),
            GetDlgItem(dialog, 1152));
}

TEST(FeaturesDialogTemplates, TheirLabelsAreNoMessageBoxText) {
  // A DIALOG template would number the labels 65535, the number by which
  // the harness and driver_sim tell a message box's text.
  TemplateHost host;
  for (int id : {205, 207, 210, 215}) {
    HWND dialog = host.Create(id);
    ASSERT_NE(dialog, nullptr);
    for (HWND child : ChildControls(dialog)) EXPECT_NE(GetDlgCtrlID(child), 0xFFFF) << id;
  }
}
// ---------------------------------------------------------------- end of Features page dialogs

// ---------------------------------------------------------------- the Paper page's dialogs
TEST(PaperDialogTemplates, HaveOkAsDefaultContextHelpAndTheirWholeCaption) {
  TemplateHost host;
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  HFONT caption_font = CreateFontIndirectA(&metrics.lfCaptionFont);
  for (int id : {201, 204}) {
    SCOPED_TRACE(id);
    HWND dialog = host.Create(id);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & DS_CONTEXTHELP) << "the caption's help button";
    EXPECT_TRUE(style & DS_MODALFRAME);
    // The caption text beside the help and close buttons.
    std::wstring caption = WindowTextW(dialog);
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, caption_font);
    SIZE text = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    RECT window;
    GetWindowRect(dialog, &window);
    const int room = (window.right - window.left) - 3 * GetSystemMetrics(SM_CXSIZE) -
                     2 * GetSystemMetrics(SM_CXFIXEDFRAME);
    EXPECT_LE(text.cx, room) << "the caption is cut";
  }
  DeleteObject(caption_font);
}

// ---------------------------------------------------------------- watermark dialog
TEST(WatermarkDialogTemplate, SalvaIsTheDefaultAndTheChoicesOfPositionFormOneGroup) {
  TemplateHost host;
  HWND dialog = host.Create(217);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, 1215), GWL_STYLE) & WS_GROUP);
  EXPECT_FALSE(GetWindowLongA(GetDlgItem(dialog, 1216), GWL_STYLE) & WS_GROUP);
  EXPECT_TRUE(GetWindowLongA(GetWindow(GetDlgItem(dialog, 1216), GW_HWNDNEXT), GWL_STYLE) & WS_GROUP);
}

TEST(WatermarkDialogTemplate, NumberEditsTakeAnyCharacterAndTheirSpinsWriteDecimalNumbers) {
  // A sign or a letter must reach the dialog's own checks.
  TemplateHost host;
  HWND dialog = host.Create(217);
  ASSERT_NE(dialog, nullptr);
  const LONG spin_style = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  for (int edit : {1204, 1206, 1211, 1218, 1221}) {
    SCOPED_TRACE(edit);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(dialog, edit), GWL_STYLE) & ES_NUMBER);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, edit + 1), GWL_STYLE) & spin_style, spin_style);
  }
}
// ---------------------------------------------------------------- end of watermark dialog

}  // namespace
}  // namespace psui::test
