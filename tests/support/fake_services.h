#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/services.h"

namespace corvasine::testing {

struct ShownMessage {
  std::string text;
  runtime::MessageKind kind;
  std::string title;
};

// A registry held in memory: keys by root and path, values with their type and raw bytes.
class FakeRegistry : public runtime::Registry {
 public:
  struct Value {
    std::uint32_t type = runtime::kRegSz;
    std::vector<std::uint8_t> bytes;
  };
  // A text value; withNul stores the terminating NUL byte as well.
  void setText(std::uint32_t root, const std::string& key, const std::string& name,
               const std::string& text, bool withNul = true);
  void setValue(std::uint32_t root, const std::string& key, const std::string& name, Value value);
  // Opening this key for the asked access fails with kRegAccessDenied.
  void denyAccess(std::uint32_t root, const std::string& key);
  int openHandles() const { return static_cast<int>(open_.size()); }

  long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                     std::uint32_t& key) override;
  long RegQueryValueExA(std::uint32_t key, const std::string& valueName, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) override;
  long RegCloseKey(std::uint32_t key) override;

  std::uint32_t lastAccess = 0;

 private:
  using KeyId = std::pair<std::uint32_t, std::string>;
  std::map<KeyId, std::map<std::string, Value>> keys_;
  std::set<KeyId> denied_;
  std::map<std::uint32_t, KeyId> open_;
  std::uint32_t nextHandle_ = 100;
};

// Services for headless tests: message boxes record what was shown and
// answer questions from a script (an unscripted question fails the test);
// file dialogs answer from a script; an in-memory clipboard; a temporary
// program folder removed at the end.
class FakeServices : public runtime::Services {
 public:
  FakeServices();
  ~FakeServices() override;

  runtime::MessageAnswer showMessage(const std::string& text, runtime::MessageKind kind,
                                     const std::string& title) override;
  std::string openFileDialog(const runtime::FileDialogOptions& options) override;
  std::string saveFileDialog(const runtime::FileDialogOptions& options) override;
  void clearClipboard() override { clipboard.clear(); }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  std::string clipboardText() override { return clipboard; }
  void showHelpContents(const std::string& helpFile) override { helpShown.push_back(helpFile); }
  void openWebPage(const std::string& address) override { pagesOpened.push_back(address); }
  std::string defaultPrinterName() override { return printerName; }
  runtime::Registry& registry() override { return fakeRegistry; }
  bool fileExists(const std::string& path) override { return existingFiles.count(path) != 0; }
  void startProgram(const std::string& path) override;
  std::string ProgramFolder() override { return programFolder; }

  // Scripts.
  std::deque<runtime::MessageAnswer> answers;  // for questions, in order
  std::deque<std::string> fileDialogAnswers;   // chosen names; "" = cancel
  std::set<std::string> existingFiles;
  std::set<std::string> unstartablePrograms;
  std::string printerName = "Test Printer";
  FakeRegistry fakeRegistry;

  // Records.
  std::vector<ShownMessage> messages;
  std::vector<runtime::FileDialogOptions> fileDialogs;
  std::vector<std::string> helpShown;
  std::vector<std::string> pagesOpened;
  std::vector<std::string> programsStarted;
  std::string clipboard;
  std::string programFolder;  // a fresh temporary folder

  // Texts of the messages shown so far.
  std::vector<std::string> messageTexts() const;
};

}  // namespace corvasine::testing
