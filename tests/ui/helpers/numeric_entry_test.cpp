// CheckNumericEntry tells the user about a rejected character in a message box.
#include "ui/numeric_entry.h"

#include <gtest/gtest.h>

#include "ui/entry_rules.h"
#include "tests/ui/harness/modal_responder.h"

namespace psui {
namespace {

constexpr char kMessage[] = "Voce non valida, i caratteri devo essere cifre";

TEST(CheckNumericEntry, AcceptsWithoutAMessage) {
  test::ModalResponder responder;
  EXPECT_TRUE(CheckNumericEntry("-5", kWholeNumber));
  EXPECT_TRUE(CheckNumericEntry("+12", kWholeNumber));
  EXPECT_TRUE(CheckNumericEntry("12.5", kDecimalNumber));
  EXPECT_TRUE(CheckNumericEntry(".", kDecimalNumber));
  EXPECT_TRUE(CheckNumericEntry("12.", kDecimalNumber));
  EXPECT_TRUE(CheckNumericEntry("x-y", 0));
  EXPECT_TRUE(responder.seen().empty());
}

TEST(CheckNumericEntry, ShowsTheMessageWithOkOnlyOnARejectedCharacter) {
  test::ModalResponder responder;
  for (auto [text, mode] : {std::pair<const char*, int>{"5-", kWholeNumber}, {"-", kWholeNumber},
                            {"a12", kWholeNumber}, {"1.2.3", kDecimalNumber}, {"-1", kDecimalNumber}}) {
    responder.ExpectMessageBox(kMessage, IDOK);
    EXPECT_FALSE(CheckNumericEntry(text, mode)) << text;
  }
  EXPECT_EQ(responder.pending(), 0u);
}

TEST(CheckNumericEntry, RejectsAnEmptyTextQuietly) {
  test::ModalResponder responder;
  EXPECT_FALSE(CheckNumericEntry("", kWholeNumber));
  EXPECT_FALSE(CheckNumericEntry(nullptr, kDecimalNumber));
  EXPECT_TRUE(responder.seen().empty());
}

}  // namespace
}  // namespace psui
