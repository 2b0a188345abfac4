// The job-accounting data of the Settings page: author, host and account
// number, each with its UTF-8 twin, and the author name the system keeps
// for the logged-on user.
#pragma once

#include <string_view>

#include "exchange/settings_block.h"

namespace psui {

enum class AccountField { kAuthor, kHost, kAccountNumber };

// Edit limits of the three fields: their widths without the NUL.
constexpr int kAuthorLength = sizeof(SettingsBlock::author) - 1;
constexpr int kHostLength = sizeof(SettingsBlock::host) - 1;
constexpr int kAccountNumberLength = sizeof(SettingsBlock::accountNumber) - 1;

// The field's text as it stands (all of its bytes when it came without NUL).
std::string_view AccountText(const SettingsBlock& record, AccountField field);

// Takes what the user typed into the field, then rebuilds the field's twin.
// A text equal to the field's is not stored again, so a field the driver
// sent without NUL stays as sent. True when the field changed.
bool StoreAccountText(SettingsBlock& record, AccountField field, std::string_view text);

// Rebuilds the three twins from their ANSI fields.
void RebuildAccountTwins(SettingsBlock& record);

// Reads HKEY_LOCAL_MACHINE "Network\Logon" "username" (the key is created
// when missing) into `author`. A missing value, one that is not a string or
// one that does not fit the field with its NUL leaves `author` as it was.
// True when `author` was set.
bool ReadAuthorName(SettingsBlock& record);

}  // namespace psui
