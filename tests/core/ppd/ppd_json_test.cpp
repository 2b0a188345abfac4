#include <gtest/gtest.h>

#include <string>

#include "tests/core/ppd/ppd_test_util.h"
#include "tools/ppd_dump/ppd_json.h"

namespace psui {
namespace {

TEST(PpdJson, PrintsHeaderKeywordsFontsAndTablesByTheirFieldNames) {
  auto image = test::Compile(
      "*NickName: \"Caf<E9>\"\n*ScreenFreq: \"60.5\"\n*PageSize A4: \"a4\"\n"
      "*PaperDimension A4/A4 sheet: \"595 842\"\n*OpenUI *Tray/Tray: PickOne\n*Tray Upper/Caf<C3A9>: \"u\"\n"
      "*CloseUI: *Tray\n*Font Courier: Standard \"(1)\" Standard ROM\n"
      "*UIConstraints: *Tray Upper *PageSize A4\n*OrderDependency: 10 AnySetup *PageSize\n",
      "dump.ppd");
  ASSERT_TRUE(image);
  std::string json = PpdImageToJson(*image);
  auto has = [&](const std::string& text) { return json.find(text) != std::string::npos; };
  EXPECT_TRUE(has("\"ppdPath\": \"dump.ppd\"")) << json;
  EXPECT_TRUE(has("\"nickName\": \"Caf\\u00e9\"")) << "a byte that is not UTF-8 is escaped";
  EXPECT_TRUE(has("\"screenFreq\": 15488")) << "fixed values print raw";
  EXPECT_TRUE(has("\"password\": null"));
  EXPECT_TRUE(has("\"builtinKeywords\": [\n    \"PageSize\",\n    null"));
  EXPECT_TRUE(has("\"translation\": \"Caf\xC3\xA9\"")) << "valid UTF-8 stays as it is";
  EXPECT_TRUE(has("\"name\": \"A4\",\n          \"nameHash\": 182,\n          \"translation\": \"A4 sheet\""));
  EXPECT_TRUE(has("\"width\": 152320"));
  EXPECT_TRUE(has("\"imageableArea\": [\n            0,\n            0,\n            152320,"));
  EXPECT_TRUE(has("\"fontId\": 17"));
  EXPECT_TRUE(has("\"keyword1\": 1,\n      \"option1\": 0,\n      \"keyword2\": 0,\n      \"option2\": 0"));
  EXPECT_TRUE(has("\"keywordIndex\": 0,\n      \"optionIndex\": 255,\n      \"order\": 2560"));
  // Keywords keep image order: PageSize first, then Tray.
  EXPECT_LT(json.find("\"name\": \"PageSize\""), json.find("\"name\": \"Tray\""));
}

}  // namespace
}  // namespace psui
