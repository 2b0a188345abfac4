#include "tools/driver_sim/script_parser.h"

#include "tools/common/hex_text.h"

#include <cstdlib>
#include <sstream>

namespace psui {

namespace {

struct Token {
  bool quoted;
  std::string text;
};

// Splits a line into words and quoted texts.
bool Tokenize(const std::string& line, std::vector<Token>* tokens, std::string* error) {
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c != '"') {
      size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
      tokens->push_back({false, line.substr(start, i - start)});
      continue;
    }
    std::string text;
    ++i;
    bool closed = false;
    while (i < line.size()) {
      char d = line[i++];
      if (d == '"') {
        closed = true;
        break;
      }
      if (d != '\\') {
        text += d;
        continue;
      }
      if (i >= line.size()) break;
      char e = line[i++];
      if (e == '"' || e == '\\') {
        text += e;
      } else if (e == 'n') {
        text += '\n';
      } else {
        *error = std::string("unknown escape \\") + e;
        return false;
      }
    }
    if (!closed) {
      *error = "text without its closing quote";
      return false;
    }
    tokens->push_back({true, text});
  }
  return true;
}

bool ToNumber(const Token& token, int* out) {
  if (token.quoted || token.text.empty()) return false;
  char* end = nullptr;
  long value = std::strtol(token.text.c_str(), &end, 10);
  if (*end || value < -2147483647L || value > 2147483647L) return false;
  *out = static_cast<int>(value);
  return true;
}

struct Grammar {
  const char* name;
  ScriptCommand command;
  // Shape of the arguments: 'n' number, '?' a number that may be left out,
  // 't' text, 'y' yes|no, 's' text or none, 'w' one of `words`, '*' one or
  // more texts, 'h' a text of hex digit pairs, 'c' an optional
  // `caption "text"`.
  const char* arguments;
  const char* words = nullptr;  // for 'w': the allowed words, '|'-separated
};

constexpr Grammar kGrammar[] = {
    {"page", ScriptCommand::kPage, "n"},
    {"page-id", ScriptCommand::kPageId, "n"},
    {"select", ScriptCommand::kSelect, "nt"},
    {"select-key", ScriptCommand::kSelectKey, "nt"},
    {"click", ScriptCommand::kClick, "n"},
    {"type", ScriptCommand::kType, "nt"},
    {"leave", ScriptCommand::kLeave, "n"},
    {"leave-kept", ScriptCommand::kLeaveKept, "n"},
    {"spin", ScriptCommand::kSpin, "nw?", "up|down"},
    {"expect-text", ScriptCommand::kExpectText, "nt"},
    {"expect-selected", ScriptCommand::kExpectSelected, "ns"},
    {"expect-checked", ScriptCommand::kExpectChecked, "ny"},
    {"expect-enabled", ScriptCommand::kExpectEnabled, "ny"},
    {"expect-visible", ScriptCommand::kExpectVisible, "ny"},
    {"expect-count", ScriptCommand::kExpectCount, "nn"},
    {"expect-items", ScriptCommand::kExpectItems, "n*"},
    {"expect-focus", ScriptCommand::kExpectFocus, "n"},
    {"expect-pos", ScriptCommand::kExpectPos, "nn"},
    {"expect-range", ScriptCommand::kExpectRange, "nnn"},
    {"expect-registry", ScriptCommand::kExpectRegistry, "tth"},
    {"box", ScriptCommand::kBox, "tc"},
    {"press", ScriptCommand::kPress, "w", "ok|cancel|yes|no"},
    {"dialog", ScriptCommand::kDialog, "t"},
    {"end-dialog", ScriptCommand::kEndDialog, ""},
    {"screenshot", ScriptCommand::kScreenshot, "t"},
    {"sheet-button", ScriptCommand::kSheetButton, "w", "ok|cancel|help"},
    {"ok", ScriptCommand::kOk, ""},
    {"cancel", ScriptCommand::kCancel, ""},
    {"wait-ms", ScriptCommand::kWaitMs, "n"},
    {"timeout-ms", ScriptCommand::kTimeoutMs, "n"},
};

bool IsOneOf(const std::string& word, const char* words) {
  std::string list = std::string("|") + words + "|";
  return list.find("|" + word + "|") != std::string::npos;
}

// "up|down" as "up or down", "a|b|c" as "a, b or c".
std::string WordChoice(const char* words) {
  std::string text = words;
  size_t last = text.rfind('|');
  if (last != std::string::npos) text.replace(last, 1, " or ");
  for (size_t bar; (bar = text.find('|')) != std::string::npos;) text.replace(bar, 1, ", ");
  return text;
}

bool ParseArguments(const Grammar& grammar, const std::vector<Token>& tokens, ScriptLine* line,
                    std::string* error) {
  size_t at = 1;
  bool first_number = true;
  for (const char* shape = grammar.arguments; *shape; ++shape) {
    if (*shape == '*') {
      for (; at < tokens.size(); ++at) {
        if (!tokens[at].quoted) {
          *error = "expected quoted texts";
          return false;
        }
        line->texts.push_back(tokens[at].text);
      }
      if (line->texts.empty()) {
        *error = std::string(grammar.name) + " needs at least one text";
        return false;
      }
      continue;
    }
    if (*shape == 'c') {
      if (at >= tokens.size()) continue;
      if (tokens[at].quoted || tokens[at].text != "caption" || at + 1 >= tokens.size() || !tokens[at + 1].quoted) {
        *error = "expected caption \"text\"";
        return false;
      }
      line->texts.push_back(tokens[at + 1].text);
      at += 2;
      continue;
    }
    if (*shape == '?' && at >= tokens.size()) continue;
    if (at >= tokens.size()) {
      *error = std::string("too few arguments for ") + grammar.name;
      return false;
    }
    const Token& token = tokens[at++];
    switch (*shape) {
      case 'n':
      case '?': {
        int value;
        if (!ToNumber(token, &value)) {
          *error = "expected a number, found \"" + token.text + "\"";
          return false;
        }
        // The first number is the control id or the page; those after it are values.
        if (first_number) {
          line->number = value;
        } else {
          line->values.push_back(value);
        }
        first_number = false;
        break;
      }
      case 't':
        if (!token.quoted) {
          *error = "expected a quoted text, found " + token.text;
          return false;
        }
        line->texts.push_back(token.text);
        break;
      case 'h':
        if (!token.quoted || !ParseHexPairs(token.text, &line->bytes)) {
          *error = "expected a quoted text of hex digit pairs, found " + token.text;
          return false;
        }
        break;
      case 'y':
        if (token.quoted || (token.text != "yes" && token.text != "no")) {
          *error = "expected yes or no";
          return false;
        }
        line->flag = token.text == "yes";
        break;
      case 's':
        if (!token.quoted && token.text == "none") {
          line->flag = true;
        } else if (token.quoted) {
          line->texts.push_back(token.text);
        } else {
          *error = "expected a quoted text or none";
          return false;
        }
        break;
      case 'w':
        if (token.quoted || !IsOneOf(token.text, grammar.words)) {
          *error = "expected " + WordChoice(grammar.words);
          return false;
        }
        line->word = token.text;
        break;
    }
  }
  if (at < tokens.size()) {
    *error = "too many arguments for " + std::string(grammar.name);
    return false;
  }
  bool timed = grammar.command == ScriptCommand::kWaitMs || grammar.command == ScriptCommand::kTimeoutMs;
  if (timed && line->number < 0) {
    *error = std::string(grammar.name) + " takes no negative time";
    return false;
  }
  if (grammar.command == ScriptCommand::kSpin && !line->values.empty() && line->values[0] < 1) {
    *error = "spin needs at least one click";
    return false;
  }
  return true;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptLine>* lines, std::string* error) {
  std::istringstream in(text);
  std::string source;
  int number = 0;
  while (std::getline(in, source)) {
    ++number;
    if (!source.empty() && source.back() == '\r') source.pop_back();
    size_t first = source.find_first_not_of(" \t");
    if (first == std::string::npos || source[first] == '#') continue;
    std::vector<Token> tokens;
    std::string why;
    ScriptLine line;
    line.lineNumber = number;
    line.source = source.substr(first);
    if (!Tokenize(source, &tokens, &why)) {
      *error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
    const Grammar* grammar = nullptr;
    for (const auto& g : kGrammar) {
      if (!tokens[0].quoted && tokens[0].text == g.name) grammar = &g;
    }
    if (!grammar) {
      *error = "line " + std::to_string(number) + ": unknown command " + tokens[0].text;
      return false;
    }
    line.command = grammar->command;
    if (!ParseArguments(*grammar, tokens, &line, &why)) {
      *error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
    lines->push_back(line);
  }
  return true;
}

}  // namespace psui
