#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/runtime_error.h"
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
  static Value text(const std::string& text, bool withNul = true) {
    Value value{runtime::kRegSz, {text.begin(), text.end()}};
    if (withNul) value.bytes.push_back(0);
    return value;
  }
  void setText(std::uint32_t root, const std::string& key, const std::string& name,
               const std::string& value, bool withNul = true) {
    setValue(root, key, name, text(value, withNul));
  }
  void setValue(std::uint32_t root, const std::string& key, const std::string& name, Value value) {
    keys_[{root, key}][name] = std::move(value);
  }
  // Opening this key for the asked access fails with kRegAccessDenied.
  void denyAccess(std::uint32_t root, const std::string& key) { denied_.insert({root, key}); }
  int openHandles() const { return static_cast<int>(open_.size()); }

  long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                     std::uint32_t& key) override;
  long RegQueryValueExA(std::uint32_t key, const std::string& valueName, std::uint32_t& type,
                        std::uint8_t* data, std::uint32_t& size) override;
  long RegCloseKey(std::uint32_t key) override {
    return open_.erase(key) != 0 ? runtime::kRegSuccess : runtime::kRegFileNotFound;
  }

  std::uint32_t lastAccess = 0;

 private:
  using KeyId = std::pair<std::uint32_t, std::string>;
  std::map<KeyId, std::map<std::string, Value>> keys_;
  std::set<KeyId> denied_;
  std::map<std::uint32_t, KeyId> open_;
  std::uint32_t nextHandle_ = 100;
};

// One call of the spreadsheet automation, as the fake received it.
struct SpreadsheetCall {
  std::string operation{};  // the name of the function called
  std::string text{};       // the cell's text, or the path or printer name
  int row = 0, column = 0;
  double number = 0.0;
  runtime::WorkbookFormat format = runtime::WorkbookFormat::Excel97;
};

// A spreadsheet application that records every call and can be told to fail
// at any of them. A save writes kSavedContent to the file; a failing save
// writes a part of it first, as a real one can.
class FakeSpreadsheet : public runtime::SpreadsheetApplication {
 public:
  static constexpr const char* kSavedContent = "workbook";

  void openTemplate(const std::string& path) override { record({"openTemplate", path}); }
  void useFirstSheet() override { record({"useFirstSheet"}); }
  void setCellNumber(int row, int column, double value) override {
    record({"setCellNumber", "", row, column, value});
  }
  void setCellText(int row, int column, const std::string& text) override {
    record({"setCellText", text, row, column});
  }
  void saveAs(const std::string& path, runtime::WorkbookFormat format) override;
  void printOut(const std::string& printerName) override { record({"printOut", printerName}); }
  void closeWithoutSaving() override { record({"closeWithoutSaving"}); }
  void quit() override { record({"quit"}); }

  // The call with this index (0 = the first) raises RuntimeError; -1: none.
  int failAtCall = -1;
  std::vector<SpreadsheetCall> calls;

  // The index of the first call of this operation, or -1.
  int indexOf(const std::string& operation) const {
    for (std::size_t i = 0; i < calls.size(); ++i)
      if (calls[i].operation == operation) return static_cast<int>(i);
    return -1;
  }

 private:
  // Records the call; throws when it is the one to fail.
  void record(SpreadsheetCall call);
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
  std::string saveFileDialog(const runtime::FileDialogOptions& options) override {
    return openFileDialog(options);
  }
  void clearClipboard() override { clipboard.clear(); }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  std::string clipboardText() override { return clipboard; }
  void showHelpContents(const std::string& helpFile) override { helpShown.push_back(helpFile); }
  void openWebPage(const std::string& address) override { pagesOpened.push_back(address); }
  std::string defaultPrinterName() override { return printerName; }
  runtime::SpreadsheetApplication& spreadsheet() override {
    return realSpreadsheet != nullptr ? *realSpreadsheet : fakeSpreadsheet;
  }
  runtime::Registry& registry() override {
    return realRegistry != nullptr ? *realRegistry : fakeRegistry;
  }
  bool fileExists(const std::string& path) override { return existingFiles.count(path) != 0; }
  void startProgram(const std::string& path) override {
    if (unstartablePrograms.count(path) != 0) throw runtime::RuntimeError("cannot start " + path);
    programsStarted.push_back(path);
  }
  std::string ProgramFolder() override { return programFolder; }

  // Scripts.
  std::deque<runtime::MessageAnswer> answers;  // for questions, in order
  std::deque<std::string> fileDialogAnswers;   // chosen names; "" = cancel
  std::set<std::string> existingFiles;
  std::set<std::string> unstartablePrograms;
  std::string printerName = "Test Printer";
  FakeRegistry fakeRegistry;
  FakeSpreadsheet fakeSpreadsheet;
  // When set, the spreadsheet calls and the registry reads go to these instead.
  runtime::SpreadsheetApplication* realSpreadsheet = nullptr;
  runtime::Registry* realRegistry = nullptr;

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
  // A file of the program folder: its path, its bytes, and writing it anew.
  std::string programFile(const std::string& name) const { return programFolder + "/" + name; }
  std::string readProgramFile(const std::string& name) const;
  void writeProgramFile(const std::string& name, const std::string& content) const;
};

// Types "Text1=59 cmbtemp=1 Check1=1 ..." into a window, in order: a box
// takes the text, a list the position, a check box the value.
void typeInto(runtime::Form& form, const std::string& line);

}  // namespace corvasine::testing
