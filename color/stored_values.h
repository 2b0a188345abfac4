// Enumerating the values of a store key the way every colour store does.
#pragma once

#include <functional>

#include "platform/registry.h"

namespace psui {

// Calls visit(value) for each value of the key, in the registry's order,
// until it returns true. A failed step (or a name longer than the 259 bytes
// a 260-byte name buffer holds) is skipped, not the end; the enumeration
// ends when no items are left or the key itself is gone.
void VisitStoredValues(const platform::RegistryKey& key,
                       const std::function<bool(const platform::RegistryValue&)>& visit);

}  // namespace psui
