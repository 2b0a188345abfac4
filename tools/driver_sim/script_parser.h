// The automation script language: one command a line, '#' starts a comment
// line, texts in double quotes (UTF-8, with \" \\ and \n escapes), control
// ids as numbers.
#pragma once

#include <string>
#include <vector>

namespace psui {

enum class ScriptCommand {
  kPage,          // page N
  kPageId,        // page-id ID
  kSelect,        // select ID "text"
  kClick,         // click ID
  kType,          // type ID "text"
  kLeave,         // leave ID
  kExpectText,    // expect-text ID "text"
  kExpectSelected,  // expect-selected ID "text" | none
  kExpectChecked,   // expect-checked ID yes|no
  kExpectEnabled,   // expect-enabled ID yes|no
  kExpectVisible,   // expect-visible ID yes|no
  kExpectCount,     // expect-count ID N
  kExpectItems,     // expect-items ID "a" "b" ...
  kBox,           // box "text"
  kPress,         // press ok|cancel|yes|no
  kDialog,        // dialog "caption"
  kEndDialog,     // end-dialog
  kScreenshot,    // screenshot "name"
  kOk,            // ok
  kCancel,        // cancel
  kWaitMs,        // wait-ms N
};

struct ScriptLine {
  int lineNumber = 0;
  std::string source;  // the line as written, for reports
  ScriptCommand command = ScriptCommand::kOk;
  int number = 0;      // page index, control id or milliseconds
  int count = 0;       // expect-count
  std::vector<std::string> texts;  // quoted texts, in order
  bool flag = false;   // yes/no; for expect-selected: true means "none"
  std::string word;    // press: ok, cancel, yes or no
};

// Parses a whole script; on an error returns false with a message naming
// the line.
bool ParseScript(const std::string& text, std::vector<ScriptLine>* lines, std::string* error);

}  // namespace psui
