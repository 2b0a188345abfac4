// The installable-option flags as the printer reports them, and the
// settings that need the printer's hard disk.
#pragma once

#include "exchange/settings_block.h"
#include "printer_comm/printer_queries.h"

namespace psui {

// Puts the settings that need a hard disk back to their no-disk values:
// overlays off, the custom RGB source mode and every colour profile name
// back to "Nessuno".
void ResetDiskDependentSettings(SettingsBlock& record);

// Sets the option flags from the answered installed-options query (entries
// numbered from 1 as in kInstalledOptionQueries; a missing entry counts as
// -1). Called once at start-up when the printer answered.
void ApplyPrinterOptions(SettingsBlock& record,
                         const OptionQuery* queries = kInstalledOptionQueries);

}  // namespace psui
