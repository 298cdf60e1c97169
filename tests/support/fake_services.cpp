#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

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
