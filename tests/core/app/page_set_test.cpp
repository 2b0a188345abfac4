#include "app/page_set.h"

#include <gtest/gtest.h>

#include "printer_comm/printer_queries.h"

namespace psui {
namespace {

using Pages = std::vector<int>;

TEST(SheetPages, DocumentModeShowsSixPagesWhateverThePrinterSaid) {
  for (int link : {kPrinterAnswered, kPrinterQueryFailed, kPrinterNotQueried}) {
    EXPECT_EQ(SheetPageDialogs(false, link), (Pages{211, 214, 208, 213, 209, 200})) << link;
  }
}

TEST(SheetPages, DeviceModeAddsConsumablesOnlyWhenThePrinterCouldBeAsked) {
  EXPECT_EQ(SheetPageDialogs(true, kPrinterAnswered), (Pages{211, 214, 208, 213, 209, 203, 216, 200}));
  EXPECT_EQ(SheetPageDialogs(true, kPrinterQueryFailed), (Pages{211, 214, 208, 213, 209, 203, 216, 200}));
  EXPECT_EQ(SheetPageDialogs(true, kPrinterNotQueried), (Pages{211, 214, 208, 213, 209, 216, 200}));
}

}  // namespace
}  // namespace psui
