#include "tools/driver_sim/script_parser.h"

#include <gtest/gtest.h>

namespace psui {
namespace {

std::vector<ScriptLine> Parse(const std::string& text) {
  std::vector<ScriptLine> lines;
  std::string error;
  EXPECT_TRUE(ParseScript(text, &lines, &error)) << error;
  return lines;
}

std::string ErrorOf(const std::string& text) {
  std::vector<ScriptLine> lines;
  std::string error;
  EXPECT_FALSE(ParseScript(text, &lines, &error)) << text;
  return error;
}

TEST(ScriptParser, ReadsEveryCommandWithItsArguments) {
  auto lines = Parse(
      "# comment\n"
      "\n"
      "page 1\r\n"
      "page-id 214\n"
      "  select 1030 \"A4 (210 x 297 mm)\"\n"
      "click 1035\n"
      "type 1245 \"Mario\"\n"
      "leave 1245\n"
      "expect-text 1021 \"Quantit\xC3\xA0\"\n"
      "expect-selected 1031 none\n"
      "expect-checked 1004 yes\n"
      "expect-enabled 1036 no\n"
      "expect-visible 1036 no\n"
      "expect-count 1030 7\n"
      "expect-items 1002 \"1\" \"2\" \"Libretto\"\n"
      "box \"Valore fuori intervallo; deve essere tra 1 e 999\"\n"
      "press ok\n"
      "dialog \"Gestione avanzata carta\"\n"
      "end-dialog\n"
      "screenshot \"paper\"\n"
      "wait-ms 2000\n"
      "ok\n"
      "cancel\n");
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[0].command, ScriptCommand::kPage);
  EXPECT_EQ(lines[0].number, 1);
  EXPECT_EQ(lines[0].lineNumber, 3);
  EXPECT_EQ(lines[1].number, 214);
  EXPECT_EQ(lines[2].command, ScriptCommand::kSelect);
  EXPECT_EQ(lines[2].texts, std::vector<std::string>{"A4 (210 x 297 mm)"});
  EXPECT_EQ(lines[2].source, "select 1030 \"A4 (210 x 297 mm)\"");
  EXPECT_EQ(lines[6].texts[0], "Quantit\xC3\xA0");
  EXPECT_TRUE(lines[7].flag) << "none";
  EXPECT_TRUE(lines[8].flag);
  EXPECT_FALSE(lines[9].flag);
  EXPECT_EQ(lines[11].values, std::vector<int>{7});
  EXPECT_EQ(lines[12].texts, (std::vector<std::string>{"1", "2", "Libretto"}));
  EXPECT_EQ(lines[13].texts.size(), 1u) << "no caption given";
  EXPECT_EQ(lines[14].word, "ok");
  EXPECT_EQ(lines[18].command, ScriptCommand::kWaitMs);
  EXPECT_EQ(lines[18].number, 2000);
  EXPECT_EQ(lines[19].command, ScriptCommand::kOk);
}

TEST(ScriptParser, ReadsTheVerbsForFocusPositionsSpinsRegistryAndTheSheet) {
  auto lines = Parse(
      "select-key 1030 \"Letter\"\n"
      "leave-kept 1176\n"
      "expect-focus 1176\n"
      "expect-pos 1282 -5\n"
      "expect-range 1282 0 100\n"
      "spin 1168 up\n"
      "spin 1168 down 3\n"
      "expect-registry \"System\\\\Printers\\\\P\" \"CustomSizes\" \"01 00 ff\"\n"
      "expect-registry \"K\" \"Empty\" \"\"\n"
      "box \"Testo\" caption \"Error\"\n"
      "sheet-button help\n"
      "timeout-ms 3000\n");
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0].command, ScriptCommand::kSelectKey);
  EXPECT_EQ(lines[0].texts[0], "Letter");
  EXPECT_EQ(lines[1].command, ScriptCommand::kLeaveKept);
  EXPECT_EQ(lines[2].command, ScriptCommand::kExpectFocus);
  EXPECT_EQ(lines[2].number, 1176);
  EXPECT_EQ(lines[3].values, std::vector<int>{-5});
  EXPECT_EQ(lines[4].values, (std::vector<int>{0, 100}));
  EXPECT_EQ(lines[5].word, "up");
  EXPECT_TRUE(lines[5].values.empty()) << "one click when no count is given";
  EXPECT_EQ(lines[6].word, "down");
  EXPECT_EQ(lines[6].values, std::vector<int>{3});
  EXPECT_EQ(lines[7].texts, (std::vector<std::string>{"System\\Printers\\P", "CustomSizes"}));
  EXPECT_EQ(lines[7].bytes, (std::vector<uint8_t>{0x01, 0x00, 0xFF}));
  EXPECT_TRUE(lines[8].bytes.empty());
  EXPECT_EQ(lines[9].texts, (std::vector<std::string>{"Testo", "Error"}));
  EXPECT_EQ(lines[10].command, ScriptCommand::kSheetButton);
  EXPECT_EQ(lines[10].word, "help");
  EXPECT_EQ(lines[11].command, ScriptCommand::kTimeoutMs);
  EXPECT_EQ(lines[11].number, 3000);
}

TEST(ScriptParser, TextsKeepTheirEscapesAndSpaces) {
  auto lines = Parse("expect-text 1 \"a \\\"b\\\" c\\\\d\\n#not a comment\"\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].texts[0], "a \"b\" c\\d\n#not a comment");
}

TEST(ScriptParser, RefusesMalformedLinesNamingThem) {
  EXPECT_EQ(ErrorOf("ok\nfly 3\n"), "line 2: unknown command fly");
  EXPECT_NE(ErrorOf("select 1030 A4").find("line 1"), std::string::npos);
  EXPECT_NE(ErrorOf("select \"1030\" \"A4\"").find("number"), std::string::npos);
  EXPECT_NE(ErrorOf("type 5 \"open").find("closing quote"), std::string::npos);
  EXPECT_NE(ErrorOf("expect-checked 5 maybe").find("yes or no"), std::string::npos);
  EXPECT_NE(ErrorOf("press later").find("ok, cancel, yes or no"), std::string::npos);
  EXPECT_NE(ErrorOf("click 5 6").find("too many"), std::string::npos);
  EXPECT_NE(ErrorOf("expect-items 5").find("at least one"), std::string::npos);
  EXPECT_NE(ErrorOf("type 5 \"a\\tb\"").find("escape"), std::string::npos);
  EXPECT_NE(ErrorOf("page").find("too few"), std::string::npos);
  EXPECT_NE(ErrorOf("spin 5 sideways").find("up or down"), std::string::npos);
  EXPECT_NE(ErrorOf("spin 5 up 0").find("at least one click"), std::string::npos);
  EXPECT_NE(ErrorOf("sheet-button apply").find("ok, cancel or help"), std::string::npos);
  EXPECT_NE(ErrorOf("expect-range 5 0").find("too few"), std::string::npos);
  EXPECT_NE(ErrorOf("expect-registry \"K\" \"V\" \"0g\"").find("hex"), std::string::npos);
  EXPECT_NE(ErrorOf("expect-registry \"K\" \"V\" \"012\"").find("hex"), std::string::npos);
  EXPECT_NE(ErrorOf("box \"t\" title \"x\"").find("caption"), std::string::npos);
  EXPECT_NE(ErrorOf("box \"t\" caption").find("caption"), std::string::npos);
  EXPECT_NE(ErrorOf("wait-ms -1").find("negative"), std::string::npos);
}

}  // namespace
}  // namespace psui
