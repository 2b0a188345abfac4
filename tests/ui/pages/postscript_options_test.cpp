// The PostScript options dialog (215) opened by the Features page's button,
// with the system's file-open dialog answered inside it.
#include "pages/postscript_options_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/pages/features_test.h"

namespace psui::test {
namespace {

constexpr char kRange0To3000[] = "Valore fuori intervallo; deve essere tra 0 e 3000";
constexpr char kDigitsOnly[] = "Voce non valida, i caratteri devo essere cifre";
// The file-name field of the system's file-open dialog (an extended combo box).
constexpr int kOpenFileNameField = 1148;

class PostScriptOptionsTest : public FeaturesTest {
 protected:
  PostScriptOptionsTest() {
    record().allowAppPostScript = 1;
    record().printPsErrors = 1;
    record().useExternalHeader = 5;
    SetFieldText(record().externalHeaderFile, "C:\\PS\\TESTATA.PS");
    record().jobTimeout = 120;
  }
  void Run(ModalResponder::Action script) {
    OpenFeatures();
    RunFromFeatures(IDC_FEATURES_POSTSCRIPT_OPTIONS, kPostScriptOptions, std::move(script));
  }
  std::vector<uint8_t> PostScriptFields() {
    return Bytes(offsetof(SettingsBlock, allowAppPostScript), offsetof(SettingsBlock, collate) -
                                                                   offsetof(SettingsBlock, allowAppPostScript));
  }
};

TEST_F(PostScriptOptionsTest, OpensWithTheRecordAndTheUnofferedControlsHidden) {
  Run([&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, IDC_POSTSCRIPT_ERRORS));
    EXPECT_TRUE(IsChecked(dialog, IDC_POSTSCRIPT_USE_HEADER));
    EXPECT_EQ(int{record().useExternalHeader}, 1) << "taken again from the box";
    EXPECT_EQ(Text(dialog, IDC_POSTSCRIPT_HEADER_FILE), "C:\\PS\\TESTATA.PS");
    EXPECT_TRUE(IsEnabled(dialog, IDC_POSTSCRIPT_HEADER_FILE));
    EXPECT_TRUE(IsEnabled(dialog, IDC_POSTSCRIPT_BROWSE));
    EXPECT_EQ(Text(dialog, IDC_POSTSCRIPT_TIMEOUT), "120");
    EXPECT_FALSE(IsVisible(dialog, IDC_POSTSCRIPT_ALLOW_APP));
    EXPECT_FALSE(IsEnabled(dialog, IDC_POSTSCRIPT_ALLOW_APP));
    EXPECT_FALSE(IsVisible(dialog, IDC_POSTSCRIPT_PAGE_POLICY));
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_POSTSCRIPT_PAGE_POLICY, CB_GETCOUNT, 0, 0), 0) << "never filled";
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_POSTSCRIPT_HEADER_FILE, EM_GETLIMITTEXT, 0, 0), 63);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(int{record().useExternalHeader}, 5) << "Cancel puts the field back as it was";
}

TEST_F(PostScriptOptionsTest, TypingATimeOutOutsideTheRangeOrNothingIsReportedAtOnce) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, "3000"));
    EXPECT_TRUE(responder.boxes().empty());

    responder.ExpectMessageBox(kRange0To3000, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, ""));
    EXPECT_EQ(responder.pending(), 0u) << "an emptied field is reported";
    EXPECT_TRUE(HasFocus(dialog, IDC_POSTSCRIPT_TIMEOUT));

    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, "300"));
    responder.ExpectMessageBox(kRange0To3000, IDOK);
    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, "3001"));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_TRUE(HasFocus(dialog, IDC_POSTSCRIPT_TIMEOUT));

    // A text without a leading number counts as 0.
    const size_t seen = responder.boxes().size();
    ASSERT_TRUE(Paste(dialog, IDC_POSTSCRIPT_TIMEOUT, "abc"));
    EXPECT_EQ(responder.boxes().size(), seen);

    // On the way out through "Cancella" nothing is reported.
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    SetDlgItemTextA(dialog, IDC_POSTSCRIPT_TIMEOUT, "");
    PumpMessages();
    EXPECT_EQ(responder.boxes().size(), seen);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(int{record().jobTimeout}, 120);
  for (const SeenBox& box : responder.boxes()) EXPECT_EQ(box.owner, nullptr) << "task-modal, of no window";
}

TEST_F(PostScriptOptionsTest, OkStoresTheBoxesFirstThenRefusesABadTimeOut) {
  Run([&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, IDC_POSTSCRIPT_ERRORS));
    // Digits and a letter: the digit message, then the range message.
    ASSERT_TRUE(Paste(dialog, IDC_POSTSCRIPT_TIMEOUT, "12a"));
    responder.ExpectMessageBox(kDigitsOnly, IDOK);
    responder.ExpectMessageBox(kRange0To3000, IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
    EXPECT_TRUE(HasFocus(dialog, IDC_POSTSCRIPT_TIMEOUT));
    EXPECT_EQ(int{record().printPsErrors}, 0) << "stored before the refusal";
    EXPECT_EQ(int{record().allowAppPostScript}, 0);
    EXPECT_EQ(int{record().jobTimeout}, 120);

    // Reported as it arrives, and again at OK.
    responder.ExpectMessageBox(kRange0To3000, IDOK);
    ASSERT_TRUE(Paste(dialog, IDC_POSTSCRIPT_TIMEOUT, "-5"));
    responder.ExpectMessageBox(kRange0To3000, IDOK);
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(responder.pending(), 0u);

    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, "3000"));
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().jobTimeout}, 3000);
  EXPECT_EQ(int{record().allowAppPostScript}, 0) << "the hidden box is never ticked";
  EXPECT_EQ(int{record().printPsErrors}, 0);
}

TEST_F(PostScriptOptionsTest, UncheckingTheHeaderKeepsItsPathWhichOkStores) {
  Run([&](HWND dialog) {
    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_HEADER_FILE, "C:\\PS\\ALTRO.PS"));
    EXPECT_TRUE(Click(dialog, IDC_POSTSCRIPT_USE_HEADER));
    EXPECT_EQ(int{record().useExternalHeader}, 0) << "at once";
    EXPECT_FALSE(IsEnabled(dialog, IDC_POSTSCRIPT_HEADER_FILE));
    EXPECT_FALSE(IsEnabled(dialog, IDC_POSTSCRIPT_BROWSE));
    EXPECT_EQ(Text(dialog, IDC_POSTSCRIPT_HEADER_FILE), "C:\\PS\\ALTRO.PS");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(int{record().useExternalHeader}, 0);
  EXPECT_EQ(FieldText(record().externalHeaderFile), "C:\\PS\\ALTRO.PS");
}

TEST_F(PostScriptOptionsTest, CancelPutsTheFiveFieldsBack) {
  const std::vector<uint8_t> before = PostScriptFields();
  record().useExternalHeader = 1;
  const std::vector<uint8_t> normalised = PostScriptFields();
  Run([&](HWND dialog) {
    EXPECT_TRUE(Click(dialog, IDC_POSTSCRIPT_USE_HEADER));
    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, "5"));
    // A refused OK has already stored the boxes, allowAppPostScript's 0 too.
    responder.ExpectMessageBox(kRange0To3000, IDOK);  // as typed
    ASSERT_TRUE(Type(dialog, IDC_POSTSCRIPT_TIMEOUT, ""));
    responder.ExpectMessageBox(kRange0To3000, IDOK);  // at OK
    EXPECT_TRUE(Click(dialog, IDOK));
    EXPECT_EQ(int{record().allowAppPostScript}, 0);
    EXPECT_TRUE(Click(dialog, IDCANCEL));
  });
  EXPECT_EQ(PostScriptFields(), normalised);
  EXPECT_NE(before, normalised);
}

// A file of the prefix's C: drive, created for the test and removed after.
class ScratchFile {
 public:
  // `folders` below C:\, each created; the file in the last one.
  ScratchFile(const std::vector<std::string>& folders, const std::string& name) {
    std::string path = "C:";
    for (const std::string& folder : folders) {
      path += "\\" + folder;
      CreateDirectoryA(path.c_str(), nullptr);
      folders_.insert(folders_.begin(), path);
    }
    path_ = path + "\\" + name;
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path_;
    CloseHandle(file);
  }
  ~ScratchFile() {
    DeleteFileA(path_.c_str());
    for (const std::string& folder : folders_) RemoveDirectoryA(folder.c_str());
  }
  const std::string& path() const { return path_; }
  std::string ShortPath() const {
    char buffer[MAX_PATH] = {};
    GetShortPathNameA(path_.c_str(), buffer, sizeof buffer);
    return buffer;
  }

 private:
  std::string path_;
  std::vector<std::string> folders_;
};

// The system's file-open dialog: the caption Wine gives it, the file name
// typed into its name field, then its OK button.
void PickFile(ModalResponder& responder, const std::string& path) {
  responder.ExpectDialog("Open", [path](HWND open) {
    EXPECT_TRUE(Type(open, kOpenFileNameField, path));
    EXPECT_TRUE(Click(open, IDOK));
  });
}

TEST_F(PostScriptOptionsTest, SfogliaTakesThePickedFileInItsShortForm) {
  ScratchFile file({"psui prova intestazioni"}, "intestazione aziendale.eps");
  const std::string shortPath = file.ShortPath();
  ASSERT_FALSE(shortPath.empty());
  ASSERT_NE(shortPath, file.path());
  Run([&](HWND dialog) {
    PickFile(responder, file.path());
    EXPECT_TRUE(Click(dialog, IDC_POSTSCRIPT_BROWSE));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_EQ(Text(dialog, IDC_POSTSCRIPT_HEADER_FILE), shortPath);
    EXPECT_EQ(FieldText(record().externalHeaderFile), shortPath) << "at once";
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(FieldText(record().externalHeaderFile), shortPath);
}

TEST_F(PostScriptOptionsTest, APickedPathTooLongForTheRecordIsRefusedAndNothingChanges) {
  ScratchFile file({"psui prova intestazioni", "cartella numero uno", "cartella numero due",
                    "cartella numero tre", "cartella numero quattro", "cartella numero cinque"},
                   "intestazione aziendale.eps");
  ASSERT_GT(file.ShortPath().size(), 63u);
  Run([&](HWND dialog) {
    PickFile(responder, file.path());
    responder.ExpectMessageBox("Il percorso del file di intestazione supera i 63 caratteri.", IDOK);
    EXPECT_TRUE(Click(dialog, IDC_POSTSCRIPT_BROWSE));
    EXPECT_EQ(responder.pending(), 0u);
    EXPECT_EQ(Text(dialog, IDC_POSTSCRIPT_HEADER_FILE), "C:\\PS\\TESTATA.PS");
    EXPECT_EQ(FieldText(record().externalHeaderFile), "C:\\PS\\TESTATA.PS");
    EXPECT_TRUE(Click(dialog, IDOK));
  });
  EXPECT_EQ(FieldText(record().externalHeaderFile), "C:\\PS\\TESTATA.PS");
}

}  // namespace
}  // namespace psui::test
