// The page objects of the sheet.
#pragma once

#include <memory>
#include <vector>

#include "ui/property_page.h"

namespace psui {

// The page object of a sheet page's dialog id; null for another id.
std::unique_ptr<PropertyPage> MakePage(int dialogId);
// Every page object, in sheet order (kSheetPages).
std::vector<std::unique_ptr<PropertyPage>> MakeSheetPages();

}  // namespace psui
