// The context-help ids of every dialog and page: the dialog's own id first,
// then those of its controls.
#pragma once

#include <vector>

namespace psui {

// Empty for a dialog without a table row.
const std::vector<int>& ContextHelpIdsFor(int dialogId);

}  // namespace psui
