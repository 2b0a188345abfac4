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
  EXPECT_EQ(lines[11].count, 7);
  EXPECT_EQ(lines[12].texts, (std::vector<std::string>{"1", "2", "Libretto"}));
  EXPECT_EQ(lines[14].word, "ok");
  EXPECT_EQ(lines[18].number, 2000);
  EXPECT_EQ(lines[19].command, ScriptCommand::kOk);
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
}

}  // namespace
}  // namespace psui
