// The Consumables page's display plan for the rows of one supply walk.
#include "pages/supply_display.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace psui {
namespace {

const SupplyTexts kTexts = {
    "Informazioni sui materiali di consumo della stampante:",
    "Toner: ",
    "Unit\xE0 di stampa :",
    "Informazioni sui materiali di consumo non disponibili",
    "Pieno",
    "Quasi pieno",
    "Pronto",
};

// One slot as a line: name, then each visible control's content.
std::string Slot(const SupplySlot& slot) {
  if (!slot.used) return "-";
  std::string out = slot.name;
  if (slot.valueShown) out += " | value \"" + slot.valueText + "\"";
  if (slot.barShown) out += " | bar " + std::to_string(slot.barPosition) + "/" + std::to_string(slot.barMaximum);
  if (slot.levelShown) out += " | level \"" + slot.levelText + "\"";
  return out;
}

class SupplyDisplayPlan : public ::testing::Test {
 protected:
  void SetUp() override { std::memset(rows_, 0, sizeof rows_); }
  void Row(size_t index, const char* description, int32_t type, int32_t maxCapacity, int32_t level) {
    std::strcpy(rows_[index].description, description);
    rows_[index].type = type;
    rows_[index].maxCapacity = maxCapacity;
    rows_[index].level = level;
  }
  SupplyDisplay Plan(const char* printer = "Laser") { return PlanSupplyDisplay(rows_, printer, kTexts); }
  // Slot 0 of a plan with only row 0.
  std::string OnlySlot(int32_t type, int32_t maxCapacity, int32_t level) {
    SetUp();
    Row(0, "Voce", type, maxCapacity, level);
    return Slot(Plan().slots[0]);
  }

  SupplyRow rows_[kSupplyRowCount];
};

TEST_F(SupplyDisplayPlan, ALevelIsItsShareOfTheCapacity) {
  EXPECT_EQ(OnlySlot(3, 100, 40), "Voce | bar 40/100 | level \"40%\"");
  // The bar runs to a capacity above 65535 without being cut; the text is
  // the share, rounded down.
  EXPECT_EQ(OnlySlot(3, 60000, 42000), "Voce | bar 42000/60000 | level \"70%\"");
  EXPECT_EQ(OnlySlot(9, 300, 200), "Voce | bar 200/300 | level \"66%\"");
  EXPECT_EQ(OnlySlot(3, 2000000000, 2000000000), "Voce | bar 2000000000/2000000000 | level \"100%\"");
}

TEST_F(SupplyDisplayPlan, WithoutACapacityTheLevelCountsAsAPercentage) {
  EXPECT_EQ(OnlySlot(3, 0, 55), "Voce | bar 55/100 | level \"55%\"");
  EXPECT_EQ(OnlySlot(9, 0, 80), "Voce | bar 80/100 | level \"80%\"");
  EXPECT_EQ(OnlySlot(3, -3, 30), "Voce | bar 30/100 | level \"30%\"");
  EXPECT_EQ(OnlySlot(9, -2, 20), "Voce | bar 20/100 | level \"20%\"");  // -2 is a toner's status code only
}

TEST_F(SupplyDisplayPlan, ANegativeLevelOnABarHasNoPositionAndNoText) {
  EXPECT_EQ(OnlySlot(3, 100, -3), "Voce | bar 0/100 | level \"\"");
  EXPECT_EQ(OnlySlot(9, -1, -1), "Voce | bar 0/100 | level \"\"");
  EXPECT_EQ(OnlySlot(3, -1, -2), "Voce | bar 0/100 | level \"\"");
}

TEST_F(SupplyDisplayPlan, ATonerWithCapacityMinusTwoShowsAStatusWordInsteadOfItsBar) {
  EXPECT_EQ(OnlySlot(4, -2, 0), "Voce | value \"Pieno\"");
  EXPECT_EQ(OnlySlot(4, -2, 1), "Voce | value \"Quasi pieno\"");
  EXPECT_EQ(OnlySlot(3, -2, -3), "Voce | value \"Pronto\"");
  EXPECT_EQ(OnlySlot(3, -2, 7), "Voce | value \"\"");
}

TEST_F(SupplyDisplayPlan, RowsThatAreNeitherTonerNorPrintUnitShowNowhere) {
  // Waste toner and "other" need both numbers known; types not shown at all.
  EXPECT_EQ(OnlySlot(4, -2, -1), "-");
  EXPECT_EQ(OnlySlot(4, -1, 50), "-");
  EXPECT_EQ(OnlySlot(1, -1, 50), "-");
  EXPECT_EQ(OnlySlot(1, 100, -1), "-");
  EXPECT_EQ(OnlySlot(15, 100, 50), "-");
  EXPECT_EQ(OnlySlot(0, 0, 0), "-");
  EXPECT_EQ(OnlySlot(4, 100, 10), "Voce | bar 10/100 | level \"10%\"");
  EXPECT_EQ(OnlySlot(1, 0, 10), "Voce | bar 10/100 | level \"10%\"");
}

TEST_F(SupplyDisplayPlan, TonersComeFirstThenASubHeaderBeforeThePrintUnits) {
  Row(0, "Tamburo", 9, 100, 80);
  Row(1, "Toner nero", 3, 100, 60);
  Row(2, "Unita di fusione", 1, 200, 50);
  SupplyDisplay display = Plan();
  EXPECT_EQ(display.header, "Toner: ");
  EXPECT_TRUE(display.titleShown);
  EXPECT_EQ(Slot(display.slots[0]), "Toner nero | bar 60/100 | level \"60%\"");
  EXPECT_EQ(Slot(display.slots[1]), "Unit\xE0 di stampa :");
  EXPECT_EQ(Slot(display.slots[2]), "Tamburo | bar 80/100 | level \"80%\"");
  EXPECT_EQ(Slot(display.slots[3]), "Unita di fusione | bar 50/200 | level \"25%\"");
  for (size_t s = 4; s < kSupplySlotCount; ++s) EXPECT_EQ(Slot(display.slots[s]), "-") << s;
}

TEST_F(SupplyDisplayPlan, OnlyPrintUnitsUseTheHeaderAndNoSubHeaderSlot) {
  Row(0, "Tamburo", 9, 100, 80);
  Row(3, "Cinghia", 1, 100, 30);
  SupplyDisplay display = Plan();
  EXPECT_EQ(display.header, "Unit\xE0 di stampa :");
  EXPECT_EQ(Slot(display.slots[0]), "Tamburo | bar 80/100 | level \"80%\"");
  EXPECT_EQ(Slot(display.slots[1]), "Cinghia | bar 30/100 | level \"30%\"");
  EXPECT_EQ(Slot(display.slots[2]), "-");
}

TEST_F(SupplyDisplayPlan, RowsPastTheNinthAreNeverShown) {
  Row(8, "Nona", 3, 100, 10);
  Row(9, "Decima", 3, 100, 20);
  Row(10, "Undicesima", 9, 100, 30);
  Row(11, "Dodicesima", 9, 100, 40);
  SupplyDisplay display = Plan();
  EXPECT_EQ(Slot(display.slots[0]), "Nona | bar 10/100 | level \"10%\"");
  EXPECT_EQ(Slot(display.slots[1]), "-");
}

TEST_F(SupplyDisplayPlan, NineTonersAndPrintUnitsStayWithinTheTwelveSlots) {
  for (size_t r = 0; r < kSupplyRowCount; ++r) Row(r, ("Riga " + std::to_string(r)).c_str(), r % 2 ? 9 : 3, 100, 1);
  SupplyDisplay display = Plan();
  // Rows 0-8: five toners, the sub-header, four print units.
  EXPECT_EQ(Slot(display.slots[4]), "Riga 8 | bar 1/100 | level \"1%\"");
  EXPECT_EQ(Slot(display.slots[5]), "Unit\xE0 di stampa :");
  EXPECT_EQ(Slot(display.slots[9]), "Riga 7 | bar 1/100 | level \"1%\"");
  EXPECT_EQ(Slot(display.slots[10]), "-");
}

TEST_F(SupplyDisplayPlan, NothingToShowSaysNotAvailableWithoutTitle) {
  Row(0, "Vaschetta", 4, -2, -1);
  SupplyDisplay display = Plan();
  EXPECT_EQ(display.header, "Informazioni sui materiali di consumo non disponibili");
  EXPECT_FALSE(display.titleShown);
  for (const SupplySlot& slot : display.slots) EXPECT_FALSE(slot.used);
}

TEST_F(SupplyDisplayPlan, TheTitleIsTheTextAndThePrinterNameWithinTheLimit) {
  Row(0, "Toner", 3, 100, 1);
  EXPECT_EQ(Plan("Laser 5").title, "Informazioni sui materiali di consumo della stampante:Laser 5");
  std::string long_name(100, 'n');  // longer than any printerName: the limit holds anyway
  std::string title = Plan(long_name.c_str()).title;
  EXPECT_EQ(title.size(), kSupplyTitleLength);
  EXPECT_EQ(title.substr(0, kTexts.title.size()), kTexts.title);
}

TEST_F(SupplyDisplayPlan, ADescriptionWithoutTerminatorStaysInsideItsRow) {
  std::memset(rows_[0].description, 'd', sizeof rows_[0].description);
  rows_[0].type = 3;
  rows_[0].maxCapacity = 100;
  rows_[0].level = 5;
  EXPECT_EQ(Plan().slots[0].name, std::string(kSnmpTextSize, 'd'));
}

}  // namespace
}  // namespace psui
