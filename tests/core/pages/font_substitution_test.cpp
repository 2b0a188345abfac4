// The font substitution table: its stored form, changes, the resident font
// names, and the three registry values the driver shares with the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/font_substitution.h"
#include "tests/core/pages/printer_scope.h"

namespace psui {
namespace {

using namespace std::string_literals;
using test::Bytes;
using test::PrinterScope;
using Pairs = std::vector<FontSubstitutionTable::Pair>;

constexpr char kDriverData[] = "PrinterDriverData";

FontSubstitutionTable Parsed(const std::string& stored) { return FontSubstitutionTable::Parse(Bytes(stored)); }

TEST(FontTable, PairsAreReadUpToTheEmptyTextThatEndsTheTable) {
  const std::string stored("Arial\0Helvetica\0Times New Roman\0Times-Roman\0\0Ignored\0Too\0", 58);
  EXPECT_EQ(Parsed(stored).pairs(),
            (Pairs{{"Arial", "Helvetica"}, {"Times New Roman", "Times-Roman"}}));
  EXPECT_TRUE(Parsed("\0"s).empty());
  EXPECT_TRUE(Parsed("").empty());
}

TEST(FontTable, MalformedTablesEndWithTheStoredBytes) {
  // No final empty text.
  EXPECT_EQ(Parsed("Arial\0Helvetica\0"s).pairs(), (Pairs{{"Arial", "Helvetica"}}));
  // A lone last name pairs with an empty printer name.
  EXPECT_EQ(Parsed("Arial\0Helvetica\0Tahoma\0"s).pairs(),
            (Pairs{{"Arial", "Helvetica"}, {"Tahoma", ""}}));
  EXPECT_EQ(Parsed("Tahoma").pairs(), (Pairs{{"Tahoma", ""}}));
  // A last text without its NUL.
  EXPECT_EQ(Parsed("Arial\0Helv"s).pairs(), (Pairs{{"Arial", "Helv"}}));
}

TEST(FontTable, LookupIsExactByteForByte) {
  const FontSubstitutionTable table = Parsed("Tahoma\0Helvetica\0\0"s);
  ASSERT_NE(table.Find("Tahoma"), nullptr);
  EXPECT_EQ(*table.Find("Tahoma"), "Helvetica");
  EXPECT_EQ(table.Find("tahoma"), nullptr);
  EXPECT_EQ(table.Find("Tahoma "), nullptr);
  EXPECT_EQ(table.Find(""), nullptr);
}

TEST(FontTable, SettingReplacesAPairInPlaceOrAppendsANewOne) {
  FontSubstitutionTable table = Parsed("Arial\0Helvetica\0Tahoma\0Courier\0\0"s);
  table.Set("Arial", "Scarica come carattere temporaneo");
  table.Set("Verdana", "Helvetica");
  table.Set("Verdana", "Courier");
  table.Set("arial", "Times-Roman");
  EXPECT_EQ(table.pairs(), (Pairs{{"Arial", "Scarica come carattere temporaneo"},
                                  {"Tahoma", "Courier"},
                                  {"Verdana", "Courier"},
                                  {"arial", "Times-Roman"}}));
}

TEST(FontTable, AnEmptySystemNameChangesNothing) {
  FontSubstitutionTable table = Parsed("Arial\0Helvetica\0\0"s);
  table.Set("", "Courier");
  EXPECT_EQ(table.Serialize(), Bytes("Arial\0Helvetica\0\0"s));
}

TEST(FontTable, TheStoredFormEndsWithTheFinalNulAndAnEmptyTableIsThatByte) {
  EXPECT_EQ(FontSubstitutionTable().Serialize(), std::vector<uint8_t>{0});
  FontSubstitutionTable table;
  table.Set("Tahoma", "");
  EXPECT_EQ(table.Serialize(), Bytes("Tahoma\0\0\0"s));
  EXPECT_EQ(FontSubstitutionTable::Parse(table.Serialize()).pairs(), table.pairs())
      << "an empty printer name survives the round trip";
}

TEST(FontTable, TheTableGrowsPastAThousandBytesOfAddedPairs) {
  FontSubstitutionTable table;
  for (int i = 0; i < 100; ++i) table.Set("Famiglia di caratteri " + std::to_string(i), "Helvetica-Narrow");
  const std::vector<uint8_t> stored = table.Serialize();
  EXPECT_GT(stored.size(), 3000u);
  const FontSubstitutionTable back = FontSubstitutionTable::Parse(stored);
  ASSERT_EQ(back.pairs().size(), 100u);
  EXPECT_EQ(back.pairs()[99].first, "Famiglia di caratteri 99");
}

TEST(ResidentFonts, NamesInStoredOrderEachOnce) {
  EXPECT_EQ(ParseResidentFontNames(Bytes("Courier\0Helvetica\0Courier\0courier\0\0Times\0"s)),
            (std::vector<std::string>{"Courier", "Helvetica", "courier"}));
  EXPECT_EQ(ParseResidentFontNames(Bytes("Courier\0Symbol"s)),
            (std::vector<std::string>{"Courier", "Symbol"}));
  EXPECT_TRUE(ParseResidentFontNames({}).empty());
}

TEST(FontRegistry, TheTableIsReadWhateverItsTypeAndWrittenAsBinary) {
  PrinterScope printer("Font table types");
  FontSubstitutionTable table;
  EXPECT_FALSE(ReadFontSubstitutionTable(printer.record, &table)) << "no FontSub yet";

  ASSERT_TRUE(printer.Write(kDriverData, "FontSub", platform::kRegMultiString,
                            Bytes("Arial\0Helvetica\0\0"s)));
  ASSERT_TRUE(ReadFontSubstitutionTable(printer.record, &table));
  EXPECT_EQ(table.pairs(), (Pairs{{"Arial", "Helvetica"}}));

  table.Set("Tahoma", "Courier");
  ASSERT_TRUE(WriteFontSubstitutionTable(printer.record, table));
  platform::RegistryValue value;
  ASSERT_TRUE(printer.Read(kDriverData, "FontSub", &value));
  EXPECT_EQ(value.type, platform::kRegBinary);
  EXPECT_EQ(value.data, Bytes("Arial\0Helvetica\0Tahoma\0Courier\0\0"s));
}

TEST(FontRegistry, TheDefaultTableIsCopiedByteForByteAsBinary) {
  PrinterScope printer("Font table default copy");
  EXPECT_FALSE(CopyDefaultFontTable(printer.record)) << "nothing to copy";
  platform::RegistryValue value;
  EXPECT_FALSE(printer.Read(kDriverData, "FontSub", &value)) << "and nothing written";

  // Bytes past the end of the table travel unchanged as well.
  const std::vector<uint8_t> stored = Bytes("Arial\0Helvetica\0\0\x7F\x01"s);
  ASSERT_TRUE(printer.Write(kDriverData, "DfltFontSub", platform::kRegMultiString, stored));
  ASSERT_TRUE(printer.Write(kDriverData, "FontSub", platform::kRegBinary, {0}));
  EXPECT_TRUE(CopyDefaultFontTable(printer.record));
  ASSERT_TRUE(printer.Read(kDriverData, "FontSub", &value));
  EXPECT_EQ(value.type, platform::kRegBinary);
  EXPECT_EQ(value.data, stored);
}

TEST(FontRegistry, ResidentFontsAreReadFromAMultiStringOrAnyOtherType) {
  PrinterScope printer("Font table resident");
  EXPECT_TRUE(ReadResidentFontNames(printer.record).empty());
  ASSERT_TRUE(printer.Write(kDriverData, "RESFONT", platform::kRegMultiString,
                            Bytes("Courier\0Helvetica\0Courier\0\0"s)));
  EXPECT_EQ(ReadResidentFontNames(printer.record), (std::vector<std::string>{"Courier", "Helvetica"}));
  ASSERT_TRUE(printer.Write(kDriverData, "RESFONT", platform::kRegBinary, Bytes("Symbol")));
  EXPECT_EQ(ReadResidentFontNames(printer.record), (std::vector<std::string>{"Symbol"}));
}

}  // namespace
}  // namespace psui
