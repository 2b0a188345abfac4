// The Settings page's option rules on compiled PPD text: what the two lists
// hold, the tray and hard-disk rules of installing and removing, leaving the
// page, and the two-way check without an address.
#include "pages/installed_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "exchange/utf8_twin.h"

namespace psui {
namespace {

constexpr OptionFlag kDiskFlag = 842;
constexpr OptionFlag kDuplexerFlag = 843;
constexpr OptionFlag kBin1Flag = 844;
constexpr OptionFlag kBin2Flag = 845;
constexpr OptionFlag kStackerFlag = 854;
constexpr OptionFlag kManualFeedFlag = 858;

// Plain keywords, an installable one outside the group, the group with the
// table's keywords in an order of its own, a keyword whose case differs from
// the table's, one the table lacks, one without translation, and the memory
// keyword (always installable, never listed).
constexpr char kPpd[] = R"(*PPD-Adobe: "4.3"
*OpenUI *Duplex/Fronte-retro: PickOne
*DefaultDuplex: None
*Duplex None/Nessuno: ""
*CloseUI: *Duplex
*OpenUI *OptionalBin3/Cassetto fuori gruppo: PickOne
*OptionalBin3 True/Installato: ""
*CloseUI: *OptionalBin3
*OpenGroup: InstallableOptions/Opzioni installabili
*OpenUI *OptionalDisk/Disco rigido: PickOne
*OptionalDisk True/Installato: ""
*OptionalDisk False/Non installato: ""
*CloseUI: *OptionalDisk
*OpenUI *OptionalBin2/Cassetto 3: PickOne
*OptionalBin2 True/Installato: ""
*OptionalBin2 False/Non installato: ""
*CloseUI: *OptionalBin2
*OpenUI *OptionalBin/Cassetto 2: PickOne
*OptionalBin True/Installato: ""
*OptionalBin False/Non installato: ""
*CloseUI: *OptionalBin
*OpenUI *optionaldisk/Disco minuscolo: PickOne
*optionaldisk True/Installato: ""
*CloseUI: *optionaldisk
*OpenUI *OptionalFax/Fax: PickOne
*OptionalFax True/Installato: ""
*CloseUI: *OptionalFax
*OpenUI *Optionalstacker: PickOne
*Optionalstacker True/Installato: ""
*Optionalstacker False/Non installato: ""
*CloseUI: *Optionalstacker
*OpenUI *Optionalduplexer/Unit<E0> fronte-retro: PickOne
*Optionalduplexer True/Installato: ""
*CloseUI: *Optionalduplexer
*OpenUI *InstalledMemory/Memoria: PickOne
*DefaultInstalledMemory: 8MB
*InstalledMemory 8MB/8 MB: ""
*VMOption 8MB/8 MB: "1000000"
*CloseUI: *InstalledMemory
*CloseGroup: InstallableOptions
)";

struct ImageDeleter {
  void operator()(PpdImage* image) const { PpdFreeImage(image); }
};
using ImagePtr = std::unique_ptr<PpdImage, ImageDeleter>;

ImagePtr Compile(const char* text) {
  return ImagePtr(PpdCompileBuffer(reinterpret_cast<const uint8_t*>(text), std::strlen(text), "options.ppd"));
}

std::string Describe(const std::vector<InstallableOption>& options) {
  std::string out;
  for (const auto& o : options) {
    out += "[" + o.text + " " + std::to_string(o.flag) + (o.installed ? " installed" : "") + "]";
  }
  return out;
}

class InstalledOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&record_, 0, sizeof record_);
    ASSERT_NE(image_, nullptr);
  }
  std::vector<InstallableOption> List() { return ListInstallableOptions(image_.get(), record_); }
  std::vector<uint8_t> Bytes() const {
    auto* bytes = reinterpret_cast<const uint8_t*>(&record_);
    return {bytes, bytes + sizeof record_};
  }

  ImagePtr image_ = Compile(kPpd);
  SettingsBlock record_;
};

TEST_F(InstalledOptions, ListsTheTableKeywordsOfTheGroupInPpdOrder) {
  record_.bin2Installed = 1;
  record_.stackerInstalled = 7;  // any non-zero byte means installed
  std::vector<InstallableOption> options = List();
  // Not listed: OptionalBin3 outside the group, "optionaldisk" (case),
  // OptionalFax (not in the table), InstalledMemory. Optionalstacker has no
  // translation and is listed under its keyword name.
  EXPECT_EQ(Describe(options),
            "[Disco rigido 842][Cassetto 3 845 installed][Cassetto 2 844][Optionalstacker 854 installed]"
            "[Unit\xE0 fronte-retro 843]")
      << Describe(options);
}

TEST_F(InstalledOptions, NothingIsListedWithoutAnImageOrInstallableKeywords) {
  EXPECT_TRUE(ListInstallableOptions(nullptr, record_).empty());
  ImagePtr plain = Compile("*PPD-Adobe: \"4.3\"\n*OpenUI *Duplex/Fronte-retro: PickOne\n"
                           "*Duplex None/Nessuno: \"\"\n*CloseUI: *Duplex\n");
  ASSERT_NE(plain, nullptr);
  record_.hardDiskInstalled = 0;
  record_.collate = 1;
  record_.collateDefaulted = 1;
  EXPECT_TRUE(ListInstallableOptions(plain.get(), record_).empty());
  // Without an OptionalDisk keyword the collate rule does not run.
  EXPECT_EQ(int{record_.collate}, 1);
  EXPECT_EQ(+record_.collateDefaulted, 1);
}

TEST_F(InstalledOptions, FillingTheListsAppliesTheCollateRule) {
  // A disk known for the first time switches collating on.
  record_.hardDiskInstalled = 1;
  List();
  EXPECT_EQ(int{record_.collate}, 1);
  EXPECT_EQ(+record_.collateDefaulted, 1);
  // Once switched on, the user's choice stands.
  record_.collate = 0;
  List();
  EXPECT_EQ(int{record_.collate}, 0);
  EXPECT_EQ(+record_.collateDefaulted, 1);
  // Without a disk both go to 0 at every fill.
  record_.hardDiskInstalled = 0;
  record_.collate = 1;
  List();
  EXPECT_EQ(int{record_.collate}, 0);
  EXPECT_EQ(+record_.collateDefaulted, 0);
}

TEST_F(InstalledOptions, OnlyTheTwoTrayRulesAskForTheListsAgain) {
  // The second tray needs the first: installing it alone installs both.
  EXPECT_TRUE(InstallOption(record_, kBin2Flag));
  EXPECT_EQ(+record_.bin1Installed, 1);
  EXPECT_EQ(+record_.bin2Installed, 1);
  // Removing the first takes the second with it.
  EXPECT_TRUE(RemoveOption(record_, kBin1Flag));
  EXPECT_EQ(+record_.bin1Installed, 0);
  EXPECT_EQ(+record_.bin2Installed, 0);
  // Each on its own, in the order that needs no help: no rebuild.
  EXPECT_FALSE(InstallOption(record_, kBin1Flag));
  EXPECT_FALSE(InstallOption(record_, kBin2Flag));
  EXPECT_FALSE(RemoveOption(record_, kBin2Flag));
  EXPECT_EQ(+record_.bin1Installed, 1);
  EXPECT_EQ(+record_.bin2Installed, 0);
  EXPECT_FALSE(InstallOption(record_, kDuplexerFlag));
  EXPECT_EQ(+record_.duplexerInstalled, 1);
  EXPECT_FALSE(RemoveOption(record_, kDuplexerFlag));
  EXPECT_EQ(+record_.duplexerInstalled, 0);
}

TEST_F(InstalledOptions, TheHardDiskSwitchesCollatingOnOnceAndOffWhenRemoved) {
  for (OverlayEntry& overlay : record_.overlays) overlay.enabled = 1;
  EXPECT_FALSE(InstallOption(record_, kDiskFlag));
  EXPECT_EQ(+record_.hardDiskInstalled, 1);
  EXPECT_EQ(int{record_.collate}, 1);
  EXPECT_EQ(+record_.collateDefaulted, 1);

  EXPECT_FALSE(RemoveOption(record_, kDiskFlag));
  EXPECT_EQ(+record_.hardDiskInstalled, 0);
  EXPECT_EQ(int{record_.collate}, 0);
  EXPECT_EQ(+record_.collateDefaulted, 0);
  // The disk's settings are reset only when the page is left.
  EXPECT_EQ(int{record_.overlays[2].enabled}, 1);

  // Collating already switched on once and then off by the user: adding the
  // disk leaves it off.
  record_.collateDefaulted = 1;
  InstallOption(record_, kDiskFlag);
  EXPECT_EQ(int{record_.collate}, 0);
}

TEST_F(InstalledOptions, TheFeederAndManualFeedShareOneFlag) {
  // The compiler never marks the built-in ManualFeed installable, so this
  // image is put together by hand: both keywords in the installable list.
  PpdKeyword manual_feed = {};
  manual_feed.name = "ManualFeed";
  manual_feed.translation = "Alimentazione manuale";
  manual_feed.installable = 1;
  PpdKeyword feeder = {};
  feeder.name = "Optionalfeeder";
  feeder.translation = "Alimentatore";
  feeder.installable = 1;
  feeder.next = &manual_feed;
  PpdImage image = {};
  image.keywords = &feeder;

  EXPECT_EQ(OptionFlagFor("Optionalfeeder"), kManualFeedFlag);
  EXPECT_EQ(OptionFlagFor("ManualFeed"), kManualFeedFlag);
  EXPECT_EQ(Describe(ListInstallableOptions(&image, record_)), "[Alimentatore 858][Alimentazione manuale 858]");
  InstallOption(record_, kManualFeedFlag);
  EXPECT_EQ(Describe(ListInstallableOptions(&image, record_)),
            "[Alimentatore 858 installed][Alimentazione manuale 858 installed]");
}

TEST_F(InstalledOptions, AFlagThatNoRowNamesChangesNothing) {
  record_.collateDefaulted = 0;
  const std::vector<uint8_t> before = Bytes();
  for (OptionFlag flag : {OptionFlag{0}, OptionFlag{841}, OptionFlag{849}, OptionFlag{859},
                          static_cast<OptionFlag>(-1)}) {
    EXPECT_FALSE(InstallOption(record_, flag)) << flag;
    EXPECT_FALSE(RemoveOption(record_, flag)) << flag;
    EXPECT_FALSE(IsOptionInstalled(record_, flag)) << flag;
  }
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(OptionFlagFor(nullptr), kNoOptionFlag);
  EXPECT_EQ(OptionFlagFor("optionalbin"), kNoOptionFlag);
}

TEST_F(InstalledOptions, LeavingThePageEnforcesTheTrayAndDiskRulesAndRebuildsTheTwins) {
  record_.bin2Installed = 1;
  record_.hardDiskInstalled = 0;
  for (OverlayEntry& overlay : record_.overlays) overlay.enabled = 1;
  SetFieldText(record_.rgbSourceProfileName, "sRGB");
  SetFieldText(record_.simulationProfileName, "Nessuno");
  SetFieldText(record_.destinationProfileName, "Nessuno");
  SetFieldText(record_.host, "stazione");
  SetFieldText(record_.hostUtf8, "vecchio");  // a twin that no longer matches
  SetFieldText(record_.author, "Rossi");
  LeaveSettingsPage(record_);
  EXPECT_EQ(+record_.bin2Installed, 0);
  for (const OverlayEntry& overlay : record_.overlays) EXPECT_EQ(int{overlay.enabled}, 0);
  EXPECT_EQ(FieldText(record_.rgbSourceProfileName), "Nessuno");
  EXPECT_EQ(int{record_.colorPreset}, 1);
  EXPECT_EQ(FieldText(record_.hostUtf8), "stazione");
  EXPECT_EQ(FieldText(record_.authorUtf8), "Rossi");
  EXPECT_EQ(FieldText(record_.accountNumberUtf8), "");

  // With the disk and both trays nothing is reset.
  record_.bin1Installed = 1;
  record_.bin2Installed = 1;
  record_.hardDiskInstalled = 1;
  record_.overlays[0].enabled = 1;
  LeaveSettingsPage(record_);
  EXPECT_EQ(+record_.bin2Installed, 1);
  EXPECT_EQ(int{record_.overlays[0].enabled}, 1);
}

TEST_F(InstalledOptions, TheCheckWithoutAnAddressSendsNothing) {
  OptionQuery queries[kInstalledOptionCount + 1];
  std::copy(std::begin(kInstalledOptionQueries), std::end(kInstalledOptionQueries), queries);
  for (size_t i = 0; i < kInstalledOptionCount; ++i) queries[i].value = 5;
  SupplyRow rows[kSupplyRowCount] = {};
  rows[0].type = 3;
  SetFieldText(record_.snmpCommunity, "public");
  EXPECT_EQ(CheckTwoWayLink(record_, queries, kSupplyColumns, rows), kPrinterNotQueried);
  // Untouched: no query ran to reset them.
  EXPECT_EQ(queries[0].value, 5);
  EXPECT_EQ(rows[0].type, 3);
}

}  // namespace
}  // namespace psui
