#include "pages/installed_options.h"

#include <cstddef>
#include <cstring>

#include "pages/account_data.h"
#include "pages/printer_options.h"

namespace psui {

namespace {

struct OptionRow {
  const char* keyword;
  OptionFlag flag;
};

#define PSUI_OPTION_FLAG(name) offsetof(SettingsBlock, name)

constexpr OptionFlag kHardDisk = PSUI_OPTION_FLAG(hardDiskInstalled);
constexpr OptionFlag kBin1 = PSUI_OPTION_FLAG(bin1Installed);
constexpr OptionFlag kBin2 = PSUI_OPTION_FLAG(bin2Installed);

const OptionRow kOptionRows[] = {
    {"Optionalduplexer", PSUI_OPTION_FLAG(duplexerInstalled)},
    {"OptionalBin", kBin1},
    {"OptionalBin2", kBin2},
    {"OptionalBin3", PSUI_OPTION_FLAG(bin3Installed)},
    {"OptionalBin4", PSUI_OPTION_FLAG(bin4Installed)},
    {"OptionalBin5", PSUI_OPTION_FLAG(bin5Installed)},
    {"Optionalfeeder", PSUI_OPTION_FLAG(manualFeedInstalled)},
    {"Optionalenvelope", PSUI_OPTION_FLAG(envelopeFeederInstalled)},
    {"Optionalstacker", PSUI_OPTION_FLAG(stackerInstalled)},
    {"Optionalfinisher", PSUI_OPTION_FLAG(finisherInstalled)},
    {"Optionalmultires", PSUI_OPTION_FLAG(multiResInstalled)},
    {"OptionalMailbox", PSUI_OPTION_FLAG(mailboxInstalled)},
    {"OptionalDisk", kHardDisk},
    {"ManualFeed", PSUI_OPTION_FLAG(manualFeedInstalled)},
};

#undef PSUI_OPTION_FLAG

uint8_t& FlagByte(SettingsBlock& record, OptionFlag flag) {
  return reinterpret_cast<uint8_t*>(&record)[flag];
}

void SetCollating(SettingsBlock& record, bool on) {
  record.collate = on ? 1 : 0;
  record.collateDefaulted = on ? 1 : 0;
}

// The hard disk's rule for collating, applied whenever the lists are filled.
void ApplyDiskCollateRule(SettingsBlock& record) {
  if (record.hardDiskInstalled == 0) {
    SetCollating(record, false);
  } else if (record.collateDefaulted == 0) {
    SetCollating(record, true);
  }
}

}  // namespace

OptionFlag OptionFlagFor(const char* keyword) {
  if (keyword == nullptr) return kNoOptionFlag;
  for (const OptionRow& row : kOptionRows) {
    if (std::strcmp(row.keyword, keyword) == 0) return row.flag;
  }
  return kNoOptionFlag;
}

bool IsOptionFlag(OptionFlag flag) {
  for (const OptionRow& row : kOptionRows) {
    if (row.flag == flag) return true;
  }
  return false;
}

bool IsOptionInstalled(const SettingsBlock& record, OptionFlag flag) {
  return IsOptionFlag(flag) && reinterpret_cast<const uint8_t*>(&record)[flag] != 0;
}

std::vector<InstallableOption> ListInstallableOptions(const PpdImage* image, SettingsBlock& record) {
  std::vector<InstallableOption> options;
  if (image == nullptr) return options;
  const PpdKeyword* keyword = nullptr;
  image->FirstInstallableKeyword(&keyword);
  for (; keyword != nullptr; keyword = keyword->next) {
    if (!keyword->installable) continue;
    OptionFlag flag = OptionFlagFor(keyword->name);
    if (flag == kNoOptionFlag) continue;
    const char* text = keyword->translation != nullptr ? keyword->translation : keyword->name;
    options.push_back({text, flag, IsOptionInstalled(record, flag)});
    if (flag == kHardDisk) ApplyDiskCollateRule(record);
  }
  return options;
}

bool InstallOption(SettingsBlock& record, OptionFlag flag) {
  if (!IsOptionFlag(flag)) return false;
  FlagByte(record, flag) = 1;
  if (flag == kBin2 && record.bin1Installed == 0) {
    record.bin1Installed = 1;
    return true;
  }
  if (flag == kHardDisk && record.collateDefaulted == 0) SetCollating(record, true);
  return false;
}

bool RemoveOption(SettingsBlock& record, OptionFlag flag) {
  if (!IsOptionFlag(flag)) return false;
  FlagByte(record, flag) = 0;
  if (flag == kBin1 && record.bin2Installed != 0) {
    record.bin2Installed = 0;
    return true;
  }
  if (flag == kHardDisk) SetCollating(record, false);
  return false;
}

void LeaveSettingsPage(SettingsBlock& record) {
  if (record.bin1Installed == 0) record.bin2Installed = 0;
  if (record.hardDiskInstalled == 0) ResetDiskDependentSettings(record);
  RebuildAccountTwins(record);
}

int CheckTwoWayLink(const SettingsBlock& record, OptionQuery* queries, const OptionQuery* columns,
                    SupplyRow (&rows)[kSupplyRowCount]) {
  if (FieldIsEmpty(record.printerAddress)) return kPrinterNotQueried;
  // Field copies with their NUL: the driver may send a field without one.
  const std::string address(FieldText(record.printerAddress));
  const std::string community(FieldText(record.snmpCommunity));
  int status = QueryInstalledOptions(community.c_str(), address.c_str(), queries) == 0 ? kPrinterAnswered
                                                                                      : kPrinterQueryFailed;
  // The page keeps the supply rows but shows them nowhere.
  QuerySupplyTable(community.c_str(), address.c_str(), columns, rows);
  return status;
}

}  // namespace psui
