#include "tools/driver_sim/script_parser.h"

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
  // Shape of the arguments: 'n' number, 't' text, 'y' yes|no, 's' text or
  // none, 'w' press word, '*' one or more texts.
  const char* arguments;
};

constexpr Grammar kGrammar[] = {
    {"page", ScriptCommand::kPage, "n"},
    {"page-id", ScriptCommand::kPageId, "n"},
    {"select", ScriptCommand::kSelect, "nt"},
    {"click", ScriptCommand::kClick, "n"},
    {"type", ScriptCommand::kType, "nt"},
    {"leave", ScriptCommand::kLeave, "n"},
    {"expect-text", ScriptCommand::kExpectText, "nt"},
    {"expect-selected", ScriptCommand::kExpectSelected, "ns"},
    {"expect-checked", ScriptCommand::kExpectChecked, "ny"},
    {"expect-enabled", ScriptCommand::kExpectEnabled, "ny"},
    {"expect-visible", ScriptCommand::kExpectVisible, "ny"},
    {"expect-count", ScriptCommand::kExpectCount, "nn"},
    {"expect-items", ScriptCommand::kExpectItems, "n*"},
    {"box", ScriptCommand::kBox, "t"},
    {"press", ScriptCommand::kPress, "w"},
    {"dialog", ScriptCommand::kDialog, "t"},
    {"end-dialog", ScriptCommand::kEndDialog, ""},
    {"screenshot", ScriptCommand::kScreenshot, "t"},
    {"ok", ScriptCommand::kOk, ""},
    {"cancel", ScriptCommand::kCancel, ""},
    {"wait-ms", ScriptCommand::kWaitMs, "n"},
};

bool ParseArguments(const Grammar& grammar, const std::vector<Token>& tokens, ScriptLine* line,
                    std::string* error) {
  size_t at = 1;
  bool first_number = true;
  for (const char* shape = grammar.arguments; *shape; ++shape) {
    if (*shape == '*') {
      if (at >= tokens.size()) break;  // checked below
      for (; at < tokens.size(); ++at) {
        if (!tokens[at].quoted) {
          *error = "expected quoted texts";
          return false;
        }
        line->texts.push_back(tokens[at].text);
      }
      continue;
    }
    if (at >= tokens.size()) {
      *error = std::string("too few arguments for ") + grammar.name;
      return false;
    }
    const Token& token = tokens[at++];
    switch (*shape) {
      case 'n': {
        int value;
        if (!ToNumber(token, &value)) {
          *error = "expected a number, found \"" + token.text + "\"";
          return false;
        }
        // The first number is the control id or the page; a second one is a count.
        (first_number ? line->number : line->count) = value;
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
        if (token.quoted || (token.text != "ok" && token.text != "cancel" && token.text != "yes" &&
                             token.text != "no")) {
          *error = "expected ok, cancel, yes or no";
          return false;
        }
        line->word = token.text;
        break;
    }
  }
  if (grammar.command == ScriptCommand::kExpectItems && line->texts.empty()) {
    *error = "expect-items needs at least one text";
    return false;
  }
  if (at < tokens.size() && grammar.command != ScriptCommand::kExpectItems) {
    *error = "too many arguments for " + std::string(grammar.name);
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
