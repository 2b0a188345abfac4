// What each page and dialog template must contain: every control the code
// relies on, by id, kind, caption and initial state, and the texts of the
// unnamed labels.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "template_host.h"

namespace psui::test {

enum class Kind {
  kGroupBox,
  kPushButton,
  kCheckBox,      // auto check box
  kRadioButton,   // auto radio button
  kDropDownList,  // combo box without an edit field, entries in insertion order
  kSortedDropDownList,   // the same, entries sorted
  kEditableCombo,        // drop-down combo box with an edit field, insertion order
  kSortedEditableCombo,  // the same, entries sorted
  kSortedList,    // list box, sorted, notifying
  kPlainList,     // list box in insertion order, notifying
  kEdit,          // single line
  kNumberEdit,    // single line, digits only
  kReadOnlyText,  // multi-line, read-only edit
  kLabel,         // left-aligned static text
  kRightLabel,    // right-aligned static text
  kNoPrefixLabel, // left-aligned static text that shows "&" as it is
  kPicture,       // static bitmap, with its bitmap loaded
  kUpDown,        // spin attached to the control before it
  kProgressBar,
};

enum ControlState : unsigned {
  kShown = 0,
  kHidden = 1,    // created without WS_VISIBLE
  kDisabled = 2,  // created with WS_DISABLED
};

struct ExpectedControl {
  int id;
  Kind kind;
  const char* caption;  // UTF-8; null: not checked (filled in by the page)
  unsigned state;
};

// A property page (a child of the sheet, the common page size) or a modal
// dialog (a popup window with a frame, its own size).
enum class TemplateKind { kPage, kDialog };

struct ExpectedPage {
  int dialogId;
  const char* caption;  // UTF-8
  std::vector<ExpectedControl> controls;
  std::vector<const char*> labels;  // texts of the IDC_STATIC controls, any order
  TemplateKind kind = TemplateKind::kPage;
};

// Every page, then every dialog.
const std::vector<ExpectedPage>& ExpectedPages();

// What is wrong with the window style, size and font of a template created
// by TemplateHost for what `expected` says it is; empty when nothing.
std::string TemplateShapeProblem(HWND dialog, TemplateKind kind);

// A test run once per template, named after the dialog.
class TemplateTest : public ::testing::TestWithParam<size_t> {
 protected:
  const ExpectedPage& page() const { return ExpectedPages()[GetParam()]; }
  TemplateHost host_;
};

std::string TemplateTestName(const ::testing::TestParamInfo<size_t>& info);

}  // namespace psui::test
