// Native builds only: the in-memory registry behind platform/registry.h.
// Tests seed it with RegistryKey::OpenOrCreate and the Write calls, the same
// calls they use on the real registry under Wine, and empty it here.
#pragma once

namespace psui::platform {

// Drops every key and value; keys still open report kRegKeyDeleted.
void ResetMemoryRegistry();

}  // namespace psui::platform
