#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/typed_case.h"

namespace corvasine::testing {

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
  if (handle == open_.end() || keys_[handle->second].count(valueName) == 0)
    return runtime::kRegFileNotFound;
  const Value& value = keys_[handle->second][valueName];
  type = value.type;
  const auto length = static_cast<std::uint32_t>(value.bytes.size());
  const bool fits = length <= size;
  if (fits && length > 0) std::memcpy(data, value.bytes.data(), length);
  size = length;
  return fits ? runtime::kRegSuccess : runtime::kRegMoreData;
}

void FakeSpreadsheet::record(SpreadsheetCall call) {
  const bool fails = static_cast<int>(calls.size()) == failAtCall;
  calls.push_back(std::move(call));
  if (fails) throw runtime::RuntimeError("spreadsheet call failed: " + calls.back().operation);
}

void FakeSpreadsheet::saveAs(const std::string& path, runtime::WorkbookFormat format) {
  const bool fails = static_cast<int>(calls.size()) == failAtCall;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << (fails ? "work" : kSavedContent);
  record({.operation = "saveAs", .text = path, .format = format});
}

FakeServices::FakeServices()
    : programFolder((std::filesystem::temp_directory_path() / "corvasine-test-XXXXXX").string()) {
  if (mkdtemp(programFolder.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
}

FakeServices::~FakeServices() {
  std::error_code ec;
  std::filesystem::remove_all(programFolder, ec);
}

// The next scripted answer; an unscripted one fails the test.
template <class T>
T nextAnswer(std::deque<T>& script, const std::string& what, T none) {
  if (script.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    return none;
  }
  T answer = std::move(script.front());
  script.pop_front();
  return answer;
}

runtime::MessageAnswer FakeServices::showMessage(const std::string& text, runtime::MessageKind kind,
                                                 const std::string& title) {
  messages.push_back({text, kind, title});
  if (kind != runtime::MessageKind::Question) return runtime::MessageAnswer::Ok;
  return nextAnswer(answers, "question: " + text, runtime::MessageAnswer::No);
}

std::string FakeServices::openFileDialog(const runtime::FileDialogOptions& options) {
  fileDialogs.push_back(options);
  return nextAnswer(fileDialogAnswers, "file dialog: " + options.title, std::string());
}

std::vector<std::string> FakeServices::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

std::string FakeServices::readProgramFile(const std::string& name) const {
  std::ifstream in(programFile(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void FakeServices::writeProgramFile(const std::string& name, const std::string& content) const {
  std::ofstream(programFile(name), std::ios::binary | std::ios::trunc) << content;
}

void typeInto(runtime::Form& form, const std::string& line) {
  EXPECT_EQ(typeCase(form, line), "") << "names no control: " << line;
}

}  // namespace corvasine::testing
