// The accounting fields and their twins, and the author name from the
// registry (natively the in-memory registry, under Wine the real one; the
// value is put back afterwards).
#include "pages/account_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/registry.h"
#include "tests/support/registry_value_guard.h"
#ifndef _WIN32
#include "platform/memory_registry.h"
#endif

namespace psui {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

class AccountData : public ::testing::Test {
 protected:
  void SetUp() override { std::memset(&record_, 0, sizeof record_); }
  SettingsBlock record_;
};

TEST_F(AccountData, StoringATextFillsTheFieldAndItsTwin) {
  EXPECT_TRUE(StoreAccountText(record_, AccountField::kHost, "citt\xE0"));
  EXPECT_EQ(FieldText(record_.host), "citt\xE0");
  EXPECT_EQ(FieldText(record_.hostUtf8), "citt\xC3\xA0");
  EXPECT_TRUE(StoreAccountText(record_, AccountField::kAccountNumber, "4711"));
  EXPECT_EQ(FieldText(record_.accountNumberUtf8), "4711");
  EXPECT_TRUE(StoreAccountText(record_, AccountField::kAuthor, "Bianchi"));
  EXPECT_EQ(AccountText(record_, AccountField::kAuthor), "Bianchi");
  EXPECT_EQ(FieldText(record_.authorUtf8), "Bianchi");
}

TEST_F(AccountData, AnUnchangedTextLeavesAFieldWithoutTerminatorAsSent) {
  std::memcpy(record_.host, "0123456789ABCDEF", sizeof record_.host);
  std::memcpy(record_.accountNumber, "ABCDEFGH", sizeof record_.accountNumber);
  // What the edit box shows of them is the whole field.
  EXPECT_EQ(AccountText(record_, AccountField::kHost), "0123456789ABCDEF");
  EXPECT_FALSE(StoreAccountText(record_, AccountField::kHost, "0123456789ABCDEF"));
  EXPECT_FALSE(StoreAccountText(record_, AccountField::kAccountNumber, "ABCDEFGH"));
  EXPECT_EQ(std::string(record_.host, 16), "0123456789ABCDEF");
  EXPECT_EQ(std::string(record_.accountNumber, 8), "ABCDEFGH");
  // The twins still follow the fields.
  EXPECT_EQ(FieldText(record_.hostUtf8), "0123456789ABCDEF");
  EXPECT_EQ(FieldText(record_.accountNumberUtf8), "ABCDEFGH");
  // A changed text is stored within the field.
  EXPECT_TRUE(StoreAccountText(record_, AccountField::kHost, "0123456789ABCDEFG"));
  EXPECT_EQ(FieldText(record_.host), "0123456789ABCDE");
}

TEST_F(AccountData, TheTwinsAreRebuiltEvenWhenNothingWasEdited) {
  SetFieldText(record_.author, "Verdi");
  SetFieldText(record_.authorUtf8, "Rossi");
  SetFieldText(record_.hostUtf8, "stale");
  RebuildAccountTwins(record_);
  EXPECT_EQ(FieldText(record_.authorUtf8), "Verdi");
  EXPECT_EQ(FieldText(record_.hostUtf8), "");
  EXPECT_EQ(FieldText(record_.accountNumberUtf8), "");
}

class AuthorName : public AccountData {
 protected:
  void SetUp() override {
    AccountData::SetUp();
#ifndef _WIN32
    platform::ResetMemoryRegistry();
#endif
    SetFieldText(record_.author, "dal driver");
  }
  test::RegistryValueGuard user_{RegistryRoot::kLocalMachine, "Network\\Logon", "username"};
};

TEST_F(AuthorName, TheLoggedOnUserBecomesTheAuthor) {
  ASSERT_EQ(user_.WriteString("mario.rossi"), 0u);
  EXPECT_TRUE(ReadAuthorName(record_));
  EXPECT_EQ(FieldText(record_.author), "mario.rossi");
  // 63 characters fit with the terminator.
  ASSERT_EQ(user_.WriteString(std::string(63, 'u')), 0u);
  EXPECT_TRUE(ReadAuthorName(record_));
  EXPECT_EQ(FieldText(record_.author), std::string(63, 'u'));
}

TEST_F(AuthorName, AMissingValueLeavesTheAuthorAndCreatesTheKey) {
  ASSERT_EQ(user_.Delete(), 0u);
  EXPECT_FALSE(ReadAuthorName(record_));
  EXPECT_EQ(FieldText(record_.author), "dal driver");
  RegistryKey key;
  EXPECT_EQ(RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, "Network\\Logon", key), 0u);
}

TEST_F(AuthorName, AValueThatIsNoStringOrTooLongLeavesTheAuthor) {
  const uint8_t binary[] = {'b', 'i', 'n', 0, 1, 2};
  ASSERT_EQ(user_.Write(platform::kRegBinary, binary, sizeof binary), 0u);
  EXPECT_FALSE(ReadAuthorName(record_));
  EXPECT_EQ(FieldText(record_.author), "dal driver");
  ASSERT_EQ(user_.WriteString(std::string(64, 'u')), 0u);
  EXPECT_FALSE(ReadAuthorName(record_));
  EXPECT_EQ(FieldText(record_.author), "dal driver");
}

}  // namespace
}  // namespace psui
