// The document options dialog (207) opened by the Features page's button.
#include "pages/document_options_dialog.h"

#include <gtest/gtest.h>

#include "tests/ui/pages/features_test.h"

namespace psui::test {
namespace {

constexpr char kCopiesRange[] = "Valore fuori intervallo; deve essere tra 1 e 999";
constexpr char kScalingRange[] = "Valore fuori intervallo; deve essere tra 25 e 400";

class DocumentOptionsTest : public FeaturesTest {
 protected:
  DocumentOptionsTest() {
    record().collate = 1;
    record().copies = 12;
    record().scaling = 150;
    record().emailNotify = 1;
    SetFieldText(record().emailAddress, "ufficio@stampanti.example");
    SetFieldText(record().documentProfileName, "");
  }
  void Run(ModalResponder::Action script) {
    OpenFeatures();
    RunFromFeatures(IDC_FEATURES_DOCUMENT_OPTIONS, kDocumentOptions, std::move(script));
  }
  std::vector<uint8_t> DocumentFields() {
    return Bytes(offsetof(SettingsBlock, collate), offsetof(SettingsBlock, overlays) - offsetof(SettingsBlock, collate));
  }
};

TEST_F(DocumentOptionsTest, OpensWithTheRecordAndOkStoresIt) {
  Run([&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, IDC_DOCOPTIONS_COLLATE));
    EXPECT_TRUE(IsEnabled(dialog, IDC_DOCOPTIONS_COLLATE));
    EXPECT_EQ(Text(dialog, IDC_DOCOPTIONS_COPIES), "12");
    EXPECT_EQ(Text(dialog, IDC_DOCOPTIONS_SCALING), "150");
    EXPECT_TRUE(IsChecked(dialog, IDC_DOCOPTIONS_EMAIL_NOTIFY));
    EXPECT_EQ(Text(dialog, IDC_DOCOPTIONS_EMAIL_ADDRESS), "ufficio@stampanti.example");
    EXPECT_EQ(Range(dialog, IDC_DOCOPTIONS_COPIES_SPIN), std::make_pair(1, 999));
    EXPECT_EQ(FieldText(record().documentProfileName), "Nessuno") << "an empty name becomes \"Nessuno\"";

    EXPECT_TRUE(Click(dialog, IDC_DOCOPTIONS_NO_COLLATE));
    EXPECT_EQ(int{record().collate}, 0) << "at once";
    ASSERT_TRUE(Spin(dialog, IDC_DOCOPTIONS_COPIES_SPIN, SpinArrow::kUp, 2));
    EXPECT_EQ(Text(dialog, IDC_DOCOPTIONS_COPIES), "14");
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_SCALING, "75"));
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_EMAIL_ADDRESS, "capo@stampanti.example"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().collate}, 0);
  EXPECT_EQ(int{record().copies}, 14);
  EXPECT_EQ(int{record().scaling}, 75);
  EXPECT_EQ(FieldText(record().emailAddress), "capo@stampanti.example");
  EXPECT_TRUE(responder.boxes().empty());
}

TEST_F(DocumentOptionsTest, WithoutAHardDiskCollatingIsOffAtOnceAndCannotBeChosen) {
  record().hardDiskInstalled = 0;
  Run([&](HWND dialog) {
    EXPECT_EQ(int{record().collate}, 0);
    EXPECT_TRUE(IsChecked(dialog, IDC_DOCOPTIONS_NO_COLLATE));
    EXPECT_FALSE(IsChecked(dialog, IDC_DOCOPTIONS_COLLATE));
    EXPECT_FALSE(IsEnabled(dialog, IDC_DOCOPTIONS_COLLATE));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().collate}, 0);
}

TEST_F(DocumentOptionsTest, TypedNumbersAreReportedOnlyOnceTheyCanNoLongerFit) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_COPIES, "0"));
    EXPECT_TRUE(responder.boxes().empty()) << "a single 0 is let through";
    responder.ExpectMessageBox(kCopiesRange, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_COPIES, "00"));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_TRUE(HasFocus(dialog, IDC_DOCOPTIONS_COPIES));
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_COPIES, "1234"));
    EXPECT_EQ(Text(dialog, IDC_DOCOPTIONS_COPIES), "123") << "three characters at most";

    const size_t seen = responder.boxes().size();
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_SCALING, "24"));
    EXPECT_EQ(responder.boxes().size(), seen) << "24 may still become 240";
    responder.ExpectMessageBox(kScalingRange, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_SCALING, "401"));
    EXPECT_EQ(responder.pending(), 0u) << "reported at its third digit";
    EXPECT_TRUE(HasFocus(dialog, IDC_DOCOPTIONS_SCALING));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  for (const SeenBox& box : responder.boxes()) EXPECT_EQ(box.owner, nullptr) << "task-modal, of no window";
}

TEST_F(DocumentOptionsTest, OkRefusesNumbersOutOfRangeAndKeepsTheCopiesTakenBefore) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_COPIES, "0"));
    responder.ExpectMessageBox(kCopiesRange, IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_TRUE(HasFocus(dialog, IDC_DOCOPTIONS_COPIES));
    EXPECT_EQ(int{record().copies}, 12);

    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_COPIES, "5"));
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_SCALING, "24"));
    responder.ExpectMessageBox(kScalingRange, IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_TRUE(HasFocus(dialog, IDC_DOCOPTIONS_SCALING));
    EXPECT_EQ(int{record().copies}, 5) << "stored before scaling was refused";
    EXPECT_EQ(int{record().scaling}, 150);

    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_SCALING, "25"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().scaling}, 25);
}

TEST_F(DocumentOptionsTest, UncheckingTheNotificationDisablesTheAddressWhichOkStillStores) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_EMAIL_ADDRESS, "nuovo@stampanti.example"));
    EXPECT_TRUE(Click(dialog, IDC_DOCOPTIONS_EMAIL_NOTIFY));
    EXPECT_EQ(int{record().emailNotify}, 0) << "at once";
    EXPECT_FALSE(IsEnabled(dialog, IDC_DOCOPTIONS_EMAIL_ADDRESS));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().emailNotify}, 0);
  EXPECT_EQ(FieldText(record().emailAddress), "nuovo@stampanti.example");
}

TEST_F(DocumentOptionsTest, CancelPutsTheFiveFieldsBackButNotTheProfileName) {
  record().hardDiskInstalled = 0;
  const std::vector<uint8_t> before = DocumentFields();
  Run([&](HWND dialog) {
    EXPECT_EQ(int{record().collate}, 0) << "zeroed at opening";
    EXPECT_TRUE(Click(dialog, IDC_DOCOPTIONS_EMAIL_NOTIFY));
    ASSERT_TRUE(Type(dialog, IDC_DOCOPTIONS_COPIES, "7"));
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(DocumentFields(), before);
  EXPECT_EQ(int{record().collate}, 1);
  EXPECT_EQ(FieldText(record().documentProfileName), "Nessuno");
}

}  // namespace
}  // namespace psui::test
