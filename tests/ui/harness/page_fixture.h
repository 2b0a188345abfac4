// What a page test starts from: the application object with a PPD of the
// test's choice and a record of its own, the program's real page objects on
// their real templates in a modeless sheet, a responder for the boxes and
// dialogs they open, help and program starts recorded instead of made, and
// the printer's registry key (and any other the test names) deleted with
// everything under it before and after the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "platform/registry.h"
#include "tests/support/registry_value_guard.h"
#include "tests/ui/harness/external_recorder.h"
#include "tests/ui/harness/modal_responder.h"
#include "tests/ui/harness/test_sheet.h"

namespace psui::test {

class PageFixture {
 public:
  // The record is all zeros but for the printer's name.
  PageFixture();
  ~PageFixture();
  PageFixture(const PageFixture&) = delete;
  PageFixture& operator=(const PageFixture&) = delete;

  // The PPD the pages see, compiled from text or read from a file (a
  // Windows path, see SourceFile); false when it does not compile.
  bool UsePpdText(const std::string& text);
  bool UsePpdFile(const std::string& path);
  // A file of the source tree as a Windows path ("samples/psui-color.ppd").
  static std::string SourceFile(const std::string& relative);

  // Shows the program's page objects of these dialogs, in this order, in a
  // modeless sheet; the first is shown. Set the record first: the first
  // page is activated at once.
  TestSheet& OpenSheet(const std::vector<int>& dialogIds);
  // The same with page objects of the test's own (a subclass, say).
  TestSheet& OpenSheet(std::vector<std::unique_ptr<PropertyPage>> pages);
  // Makes a page current (it is created when first shown); false when the
  // page being left refused.
  bool ShowPage(int dialogId);
  // A page of the sheet by dialog id, and its window (null until shown).
  PropertyPage* Page(int dialogId) const;
  template <typename PageClass>
  PageClass& PageAs(int dialogId) const {
    return *static_cast<PageClass*>(Page(dialogId));
  }
  HWND PageWindow(int dialogId) const;
  // Ends the sheet (as the application does when the run is over).
  void CloseSheet();

  // Another key the test writes: deleted with its sub-keys before this call
  // returns and when the test ends.
  void DeleteAfterTest(platform::RegistryRoot root, const std::string& path);
  // HKLM "System\CurrentControlSet\Control\Print\Printers\<printer name>".
  std::string PrinterKey() const;

  SettingsBlock& record() { return app.settings; }

  Application app;
  ModalResponder responder;
  ExternalRecorder external;
  std::unique_ptr<TestSheet> sheet;

 private:
  std::vector<std::unique_ptr<PropertyPage>> pages_;
  std::vector<std::pair<platform::RegistryRoot, std::string>> keys_;
};

// A GoogleTest fixture around PageFixture: TEST_F(SomePageTest, ...) with
// `class SomePageTest : public PageTest {}`.
class PageTest : public ::testing::Test, public PageFixture {};

// An HKLM value holds exactly these bytes (whatever its type), or these
// bytes with this type.
::testing::AssertionResult RegistryBytesAre(const std::string& key, const std::string& name,
                                            const std::vector<uint8_t>& bytes);
::testing::AssertionResult RegistryValueIs(const std::string& key, const std::string& name, uint32_t type,
                                           const std::vector<uint8_t>& bytes);
// Bytes as hex digit pairs separated by spaces ("01 ff"), for messages.
std::string HexBytes(const std::vector<uint8_t>& bytes);

}  // namespace psui::test
