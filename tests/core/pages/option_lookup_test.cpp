#include "pages/option_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/ppd/ppd_test_util.h"

namespace psui {
namespace {

constexpr char kPpd[] = R"(*PPD-Adobe: "4.3"
*OpenUI *PageSize/Formato: PickOne
*DefaultPageSize: A4
*PageSize Letter: "letter"
*PageSize A4/A4 210 x 297 mm: "a4"
*PageSize A5/A5: "a5"
*PageSize Legal: "legal"
*CloseUI: *PageSize
*OpenUI *Duplex/Fronte-retro: PickOne
*Duplex None/Disattivato: "n"
*Duplex DuplexNoTumble/Lato lungo: "l"
*CloseUI: *Duplex
*OpenUI *Empty/Vuoto: PickOne
*CloseUI: *Empty
*UIConstraints: *Duplex None *PageSize A5
*UIConstraints: *PageSize A4 *Duplex DuplexNoTumble
)";

class OptionLookup : public ::testing::Test {
 protected:
  test::ImagePtr image_ = test::Compile(kPpd);
};

TEST_F(OptionLookup, TranslationOfPassesOverOptionsWithoutTranslation) {
  ASSERT_NE(image_, nullptr);
  EXPECT_STREQ(TranslationOf(*image_, "PageSize", "A4"), "A4 210 x 297 mm");
  EXPECT_EQ(TranslationOf(*image_, "PageSize", "Letter"), nullptr) << "Letter has no translation";
  EXPECT_EQ(TranslationOf(*image_, "PageSize", "B5"), nullptr);
  EXPECT_EQ(TranslationOf(*image_, "PageSize", nullptr), nullptr);
  EXPECT_EQ(TranslationOf(*image_, "Missing", "A4"), nullptr);
}

TEST_F(OptionLookup, LastTranslationIsTheLastTranslatedOption) {
  EXPECT_STREQ(LastTranslation(*image_, "PageSize"), "A5") << "Legal has no translation";
  EXPECT_EQ(LastTranslation(*image_, "Empty"), nullptr);
  EXPECT_EQ(LastTranslation(*image_, "Missing"), nullptr);
}

TEST_F(OptionLookup, RulesOutKeywordLooksAtTheFirstPairOfConstraintsOnTheChoice) {
  // "Duplex None" is the first pair of a constraint whose second is A5.
  EXPECT_TRUE(RulesOutKeyword(*image_, "PageSize", "A5", "Duplex"));
  // A4 is the first pair of its constraint: it asks nothing.
  EXPECT_FALSE(RulesOutKeyword(*image_, "PageSize", "A4 210 x 297 mm", "Duplex"));
  EXPECT_TRUE(RulesOutKeyword(*image_, "Duplex", "Lato lungo", "PageSize"));
  EXPECT_FALSE(RulesOutKeyword(*image_, "PageSize", "A5", "InputSlot"));
  EXPECT_FALSE(RulesOutKeyword(*image_, "PageSize", nullptr, "Duplex"));
}

}  // namespace
}  // namespace psui
