#include "fuzz/fuzz_services.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace corvasine::fuzz {

using runtime::MessageAnswer;
using runtime::MessageKind;

void finding(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "\n==== FINDING: %.*s\n", static_cast<int>(what.size()), what.data());
  if (!detail.empty())
    std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
  std::abort();
}

FuzzServices::FuzzServices(std::set<std::string> allowed, const std::string& fileName, bool prints)
    : fuzzFile(programFolder + "/" + fileName), allowed_(std::move(allowed)) {
  if (prints)
    allowed_.insert("Print will be sent to your default printer;\r\nDefault printer: " +
                    printerName + "\r\nDo you want to continue?");
}

void FuzzServices::reset() {
  // Memory goes back too: libFuzzer suspects a leak in an input that
  // allocates more than it frees.
  messages = {};
  fileDialogs = {};
  helpShown = {};
  pagesOpened = {};
  programsStarted = {};
  clipboard = {};
  answers = {};
  fileDialogAnswers = {};
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(programFolder, ec))
    std::filesystem::remove_all(entry.path(), ec);
}

MessageAnswer FuzzServices::showMessage(const std::string& text, MessageKind kind,
                                        const std::string& title) {
  if (allowed_.count(text) == 0) finding("a message the system does not define", text);
  messages.push_back({text, kind, title});
  if (kind != MessageKind::Question) return MessageAnswer::Ok;
  return input_ != nullptr && input_->ConsumeBool() ? MessageAnswer::Yes : MessageAnswer::No;
}

std::string FuzzServices::openFileDialog(const runtime::FileDialogOptions& options) {
  fileDialogs.push_back(options);
  // Cancel, the fuzz file, a missing file or folder, or a folder, not a file.
  const std::string choices[] = {{},
                                 fuzzFile,
                                 programFolder + "/missing.file",
                                 programFolder + "/no such folder/case.file",
                                 programFolder};
  lastChosen = input_ == nullptr ? fuzzFile : choices[input_->ConsumeIntegralInRange(0, 4)];
  return lastChosen;
}

void writeBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace corvasine::fuzz
