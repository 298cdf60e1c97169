#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "runtime/runtime_error.h"

namespace corvasine::testing {

using runtime::MessageAnswer;
using runtime::MessageKind;

void FakeRegistry::setText(std::uint32_t root, const std::string& key, const std::string& name,
                           const std::string& text, bool withNul) {
  Value value;
  value.type = runtime::kRegSz;
  value.bytes.assign(text.begin(), text.end());
  if (withNul) value.bytes.push_back(0);
  setValue(root, key, name, std::move(value));
}

void FakeRegistry::setValue(std::uint32_t root, const std::string& key, const std::string& name,
                            Value value) {
  keys_[{root, key}][name] = std::move(value);
}

void FakeRegistry::denyAccess(std::uint32_t root, const std::string& key) {
  denied_.insert({root, key});
}

long FakeRegistry::RegOpenKeyExA(std::uint32_t root, const std::string& subKey,
                                 std::uint32_t access, std::uint32_t& key) {
  lastAccess = access;
  const KeyId id{root, subKey};
  if (denied_.count(id) != 0) return runtime::kRegAccessDenied;
  if (keys_.count(id) == 0) return runtime::kRegFileNotFound;
  key = nextHandle_++;
  open_[key] = id;
  return runtime::kRegSuccess;
}

long FakeRegistry::RegQueryValueExA(std::uint32_t key, const std::string& valueName,
                                    std::uint32_t& type, std::uint8_t* data, std::uint32_t& size) {
  const auto handle = open_.find(key);
  if (handle == open_.end()) return runtime::kRegFileNotFound;
  const auto& values = keys_[handle->second];
  const auto value = values.find(valueName);
  if (value == values.end()) return runtime::kRegFileNotFound;
  type = value->second.type;
  const auto length = static_cast<std::uint32_t>(value->second.bytes.size());
  if (length > size) {
    size = length;
    return runtime::kRegMoreData;
  }
  if (length > 0) std::memcpy(data, value->second.bytes.data(), length);
  size = length;
  return runtime::kRegSuccess;
}

long FakeRegistry::RegCloseKey(std::uint32_t key) {
  return open_.erase(key) != 0 ? runtime::kRegSuccess : runtime::kRegFileNotFound;
}

void FakeSpreadsheet::record(SpreadsheetCall call) {
  const bool fails = static_cast<int>(calls.size()) == failAtCall;
  calls.push_back(std::move(call));
  if (fails) throw runtime::RuntimeError("spreadsheet call failed: " + calls.back().operation);
}

void FakeSpreadsheet::openTemplate(const std::string& path) {
  record({.operation = "openTemplate", .text = path});
}

void FakeSpreadsheet::useFirstSheet() { record({.operation = "useFirstSheet"}); }

void FakeSpreadsheet::setCellNumber(int row, int column, double value) {
  record({.operation = "setCellNumber", .row = row, .column = column, .number = value});
}

void FakeSpreadsheet::setCellText(int row, int column, const std::string& text) {
  record({.operation = "setCellText", .row = row, .column = column, .text = text});
}

void FakeSpreadsheet::saveAs(const std::string& path, runtime::WorkbookFormat format) {
  const bool fails = static_cast<int>(calls.size()) == failAtCall;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      << (fails ? kPartialContent : kSavedContent);
  record({.operation = "saveAs", .text = path, .format = format});
}

void FakeSpreadsheet::printOut(const std::string& printerName) {
  record({.operation = "printOut", .text = printerName});
}

void FakeSpreadsheet::closeWithoutSaving() { record({.operation = "closeWithoutSaving"}); }

void FakeSpreadsheet::quit() { record({.operation = "quit"}); }

std::vector<std::string> FakeSpreadsheet::operations() const {
  std::vector<std::string> names;
  for (const auto& call : calls) names.push_back(call.operation);
  return names;
}

int FakeSpreadsheet::indexOf(const std::string& operation) const {
  for (std::size_t i = 0; i < calls.size(); ++i)
    if (calls[i].operation == operation) return static_cast<int>(i);
  return -1;
}

FakeServices::FakeServices() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvasine-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
  programFolder = pattern;
}

FakeServices::~FakeServices() {
  std::error_code ec;
  std::filesystem::remove_all(programFolder, ec);
}

MessageAnswer FakeServices::showMessage(const std::string& text, MessageKind kind,
                                        const std::string& title) {
  messages.push_back({text, kind, title});
  if (kind != MessageKind::Question) return MessageAnswer::Ok;
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return MessageAnswer::No;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string FakeServices::openFileDialog(const runtime::FileDialogOptions& options) {
  fileDialogs.push_back(options);
  if (fileDialogAnswers.empty()) {
    ADD_FAILURE() << "unexpected open dialog: " << options.title;
    return {};
  }
  std::string name = fileDialogAnswers.front();
  fileDialogAnswers.pop_front();
  return name;
}

std::string FakeServices::saveFileDialog(const runtime::FileDialogOptions& options) {
  return openFileDialog(options);
}

void FakeServices::startProgram(const std::string& path) {
  if (unstartablePrograms.count(path) != 0) throw runtime::RuntimeError("cannot start " + path);
  programsStarted.push_back(path);
}

std::vector<std::string> FakeServices::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

}  // namespace corvasine::testing
