#include "pages/account_data.h"

#include <string>

#include "exchange/utf8_twin.h"
#include "platform/registry.h"

namespace psui {

namespace {

constexpr char kLogonKey[] = "Network\\Logon";
constexpr char kUserNameValue[] = "username";

struct FieldPair {
  char* text;
  size_t textWidth;
  char* twin;
  size_t twinWidth;
};

FieldPair PairOf(SettingsBlock& record, AccountField field) {
  switch (field) {
    case AccountField::kAuthor:
      return {record.author, sizeof record.author, record.authorUtf8, sizeof record.authorUtf8};
    case AccountField::kHost:
      return {record.host, sizeof record.host, record.hostUtf8, sizeof record.hostUtf8};
    case AccountField::kAccountNumber:
      break;
  }
  return {record.accountNumber, sizeof record.accountNumber, record.accountNumberUtf8,
          sizeof record.accountNumberUtf8};
}

void RebuildTwin(const FieldPair& pair) {
  SetUtf8Twin(FieldText(pair.text, pair.textWidth), pair.twin, pair.twinWidth);
}

}  // namespace

std::string_view AccountText(const SettingsBlock& record, AccountField field) {
  switch (field) {
    case AccountField::kAuthor: return FieldText(record.author);
    case AccountField::kHost: return FieldText(record.host);
    case AccountField::kAccountNumber: break;
  }
  return FieldText(record.accountNumber);
}

bool StoreAccountText(SettingsBlock& record, AccountField field, std::string_view text) {
  FieldPair pair = PairOf(record, field);
  bool changed = FieldText(pair.text, pair.textWidth) != text;
  if (changed) SetFieldText(pair.text, pair.textWidth, text);
  RebuildTwin(pair);
  return changed;
}

void RebuildAccountTwins(SettingsBlock& record) {
  for (AccountField field : {AccountField::kAuthor, AccountField::kHost, AccountField::kAccountNumber}) {
    RebuildTwin(PairOf(record, field));
  }
}

bool ReadAuthorName(SettingsBlock& record) {
  using platform::RegistryKey;
  RegistryKey key;
  if (RegistryKey::OpenOrCreate(platform::RegistryRoot::kLocalMachine, kLogonKey, key) != platform::kRegOk) {
    return false;
  }
  std::string name;
  if (key.ReadString(kUserNameValue, sizeof record.author, name) != platform::kRegOk) return false;
  SetFieldText(record.author, name);
  return true;
}

}  // namespace psui
