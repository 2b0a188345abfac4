// The automation script language: one command a line, '#' starts a comment
// line, texts in double quotes (UTF-8, with \" \\ and \n escapes), control
// ids as numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace psui {

enum class ScriptCommand {
  kPage,            // page N
  kPageId,          // page-id ID
  kSelect,          // select ID "text": a mouse choice in a list
  kSelectKey,       // select-key ID "text": a keyboard choice in a closed drop-down list
  kClick,           // click ID
  kType,            // type ID "text": keystrokes into an edit or an editable combo box
  kLeave,           // leave ID: the focus moves on from ID
  kLeaveKept,       // leave-kept ID: the page puts the focus back on ID
  kSpin,            // spin ID up|down [N]: clicks on an up-down control's arrow
  kExpectText,      // expect-text ID "text"
  kExpectSelected,  // expect-selected ID "text" | none
  kExpectChecked,   // expect-checked ID yes|no
  kExpectEnabled,   // expect-enabled ID yes|no
  kExpectVisible,   // expect-visible ID yes|no
  kExpectCount,     // expect-count ID N
  kExpectItems,     // expect-items ID "a" "b" ...
  kExpectFocus,     // expect-focus ID
  kExpectPos,       // expect-pos ID N: a progress bar's or an up-down control's position
  kExpectRange,     // expect-range ID MIN MAX
  kExpectRegistry,  // expect-registry "KEY" "NAME" "HEX": an HKLM value's bytes
  kBox,             // box "text" [caption "title"]
  kPress,           // press ok|cancel|yes|no
  kDialog,          // dialog "caption"
  kEndDialog,       // end-dialog
  kScreenshot,      // screenshot "name"
  kSheetButton,     // sheet-button ok|cancel|help
  kOk,              // ok: the sheet's OK, which must end the sheet
  kCancel,          // cancel
  kWaitMs,          // wait-ms N: waits N milliseconds
  kTimeoutMs,       // timeout-ms N: how long expectations and waits may take
};

struct ScriptLine {
  int lineNumber = 0;
  std::string source;  // the line as written, for reports
  ScriptCommand command = ScriptCommand::kOk;
  int number = 0;           // page index, control id or milliseconds
  std::vector<int> values;  // the numbers after it: count, position, minimum and maximum, clicks
  std::vector<std::string> texts;  // quoted texts, in order (box: the text, then the caption if given)
  bool flag = false;   // yes/no; for expect-selected: true means "none"
  std::string word;    // press, spin, sheet-button: the word given
  std::vector<uint8_t> bytes;  // expect-registry: the value's bytes
};

// Parses a whole script; on an error returns false with a message naming
// the line.
bool ParseScript(const std::string& text, std::vector<ScriptLine>* lines, std::string* error);

}  // namespace psui
