#pragma once

// Services for the fuzz targets: the fakes of the tests, except that every
// question and every file dialog is answered from the fuzz input, and that a
// finding ends the process with a report instead of failing a test.

#include <fuzzer/FuzzedDataProvider.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/fake_services.h"

namespace corvasine::fuzz {

// Reports a broken promise and aborts, so that libFuzzer keeps the input.
[[noreturn]] void finding(std::string_view what, std::string_view detail = {});

class FuzzServices : public corvasine::testing::FakeServices {
 public:
  // A message that is not among the allowed texts is a finding; a window
  // that prints asks the question that names the default printer too. The
  // fuzz file is fileName in the program folder.
  FuzzServices(std::set<std::string> allowed, const std::string& fileName, bool prints = false);

  // The file a dialog can pick besides a missing one, the folder itself or cancel.
  std::string fuzzFile;
  // What the last file dialog answered.
  std::string lastChosen;

  // Answers come from this input until the next call. Without an input every
  // question is answered No and every file dialog picks the fuzz file.
  void answerFrom(FuzzedDataProvider* input) { input_ = input; }
  // Forgets what was shown and empties the program folder; at the end of an input.
  void reset();

  runtime::MessageAnswer showMessage(const std::string& text, runtime::MessageKind kind,
                                     const std::string& title) override;
  // Save dialogs answer the same way.
  std::string openFileDialog(const runtime::FileDialogOptions& options) override;

 private:
  FuzzedDataProvider* input_ = nullptr;
  std::set<std::string> allowed_;
};

// Writes bytes to a file, replacing it.
void writeBytes(const std::string& path, std::string_view bytes);

}  // namespace corvasine::fuzz
