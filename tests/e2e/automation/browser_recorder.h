// A browser that writes down what it was asked to open: the prefix's open
// command of HTML files pointed at a batch file that appends each address to
// a file, one a line. The command the prefix had comes back afterwards.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "tests/support/registry_value_guard.h"
#include "tests/support/test_files.h"

namespace psui::test {

class BrowserRecorder {
 public:
  BrowserRecorder() {
    const char batch[] = "@echo %~1>>C:\\psui-e2e\\opened-links.txt\r\n";
    CreateDirectoryA("C:\\psui-e2e", nullptr);
    WriteFileBytes(kBatch, batch, sizeof batch - 1);
    DeleteFileA(kOpened);
    command_.WriteString(std::string(kBatch) + " \"%1\"");
  }
  ~BrowserRecorder() { DeleteFileA(kOpened); }
  BrowserRecorder(const BrowserRecorder&) = delete;
  BrowserRecorder& operator=(const BrowserRecorder&) = delete;

  // The addresses the browser was started with, sorted, once `count` have
  // come or ten seconds have passed: each start runs in a process of its
  // own, so they may be written in either order.
  std::vector<std::string> OpenedLinks(size_t count) const {
    std::vector<std::string> links;
    for (int i = 0; i < 100; ++i) {
      std::string text;
      ReadFileBytes(kOpened, &text);
      links = TextLines(text);
      if (links.size() >= count) break;
      Sleep(100);
    }
    std::sort(links.begin(), links.end());
    return links;
  }

 private:
  static constexpr char kBatch[] = "C:\\psui-e2e\\browser.bat";
  static constexpr char kOpened[] = "C:\\psui-e2e\\opened-links.txt";
  RegistryValueGuard command_{platform::RegistryRoot::kLocalMachine,
                              "SOFTWARE\\CLASSES\\htmlfile\\shell\\open\\command", ""};
};

}  // namespace psui::test
