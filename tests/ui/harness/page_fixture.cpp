#include "tests/ui/harness/page_fixture.h"

#include <cstring>

#include "app/sheet_pages.h"
#include "tests/ui/harness/ui_actions.h"
#include "tools/common/hex_text.h"

namespace psui::test {

using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryValue;

PageFixture::PageFixture() {
  std::memset(&app.settings, 0, sizeof app.settings);
  SetFieldText(app.settings.printerName, "Stampante di prova " + std::to_string(GetCurrentProcessId()));
  DeleteAfterTest(RegistryRoot::kLocalMachine, PrinterKey());
}

PageFixture::~PageFixture() {
  CloseSheet();
  for (const auto& [root, path] : keys_) {
    EXPECT_TRUE(DeleteRegistryTree(root, path)) << "registry key " << path << " was not deleted";
  }
}

bool PageFixture::UsePpdText(const std::string& text) {
  PpdFreeImage(app.ppdImage);
  app.ppdImage = PpdCompileBuffer(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "test.ppd");
  return app.ppdImage != nullptr;
}

bool PageFixture::UsePpdFile(const std::string& path) {
  PpdFreeImage(app.ppdImage);
  app.ppdImage = PpdLoadImage(path.c_str());
  return app.ppdImage != nullptr;
}

std::string PageFixture::SourceFile(const std::string& relative) {
  std::string path = std::string("Z:") + PSUI_SOURCE_DIR + "/" + relative;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

TestSheet& PageFixture::OpenSheet(const std::vector<int>& dialogIds) {
  std::vector<std::unique_ptr<PropertyPage>> pages;
  for (int id : dialogIds) {
    pages.push_back(MakePage(id));
    EXPECT_NE(pages.back(), nullptr) << "no page class for dialog " << id;
    if (!pages.back()) pages.pop_back();
  }
  return OpenSheet(std::move(pages));
}

TestSheet& PageFixture::OpenSheet(std::vector<std::unique_ptr<PropertyPage>> pages) {
  CloseSheet();
  pages_ = std::move(pages);
  std::vector<PropertyPage*> raw;
  for (const auto& page : pages_) raw.push_back(page.get());
  std::string caption(FieldText(app.settings.printerName));
  // The application answers for the sheet before its first page is activated.
  sheet = std::make_unique<TestSheet>(raw, caption.c_str(), [&](HWND window) {
    app.AdoptSheet(window, raw);
    responder.Ignore(window);
  });
  return *sheet;
}

bool PageFixture::ShowPage(int dialogId) {
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i]->templateId() == dialogId) return sheet && sheet->SelectPage(static_cast<int>(i));
  }
  ADD_FAILURE() << "the sheet has no page " << dialogId;
  return false;
}

PropertyPage* PageFixture::Page(int dialogId) const { return app.Page(dialogId); }

HWND PageFixture::PageWindow(int dialogId) const {
  PropertyPage* page = Page(dialogId);
  return page ? page->hwnd() : nullptr;
}

void PageFixture::CloseSheet() {
  sheet.reset();
  app.AdoptSheet(nullptr, {});
  app.DestroyPages();
  pages_.clear();
}

void PageFixture::DeleteAfterTest(RegistryRoot root, const std::string& path) {
  // What a failed run left behind must not reach this one.
  DeleteRegistryTree(root, path);
  keys_.emplace_back(root, path);
}

std::string PageFixture::PrinterKey() const {
  return platform::PrinterKeyPath(FieldText(app.settings.printerName));
}

std::string HexBytes(const std::vector<uint8_t>& bytes) { return HexPairs(bytes); }

namespace {

::testing::AssertionResult ReadHklmValue(const std::string& key, const std::string& name, RegistryValue* value) {
  RegistryKey opened;
  if (uint32_t rc = RegistryKey::OpenForReading(RegistryRoot::kLocalMachine, key, opened); rc != platform::kRegOk) {
    return ::testing::AssertionFailure() << "no key " << key << " (error " << rc << ")";
  }
  if (uint32_t rc = opened.ReadAnyValue(name, *value); rc != platform::kRegOk) {
    return ::testing::AssertionFailure() << "no value \"" << name << "\" in " << key << " (error " << rc << ")";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult RegistryBytesAre(const std::string& key, const std::string& name,
                                            const std::vector<uint8_t>& bytes) {
  RegistryValue value;
  if (auto read = ReadHklmValue(key, name, &value); !read) return read;
  if (value.data == bytes) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << name << "\" holds " << HexBytes(value.data) << ", expected "
                                       << HexBytes(bytes);
}

::testing::AssertionResult RegistryValueIs(const std::string& key, const std::string& name, uint32_t type,
                                           const std::vector<uint8_t>& bytes) {
  RegistryValue value;
  if (auto read = ReadHklmValue(key, name, &value); !read) return read;
  if (value.type != type) {
    return ::testing::AssertionFailure() << "\"" << name << "\" has type " << value.type << ", expected " << type;
  }
  return RegistryBytesAre(key, name, bytes);
}

}  // namespace psui::test
