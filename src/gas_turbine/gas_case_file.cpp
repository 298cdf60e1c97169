#include "gas_turbine/gas_case_file.h"

#include <algorithm>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "runtime/text_file.h"
#include "shell/vari.h"

namespace corvasine::gas {

using runtime::MessageKind;
using runtime::RuntimeError;

namespace {

// The boxes of the case, in file order.
std::array<runtime::TextBox*, kCaseBoxFields> caseBoxes(frmgas& f) {
  return {&f.Text1,  &f.Text2,  &f.Text4,  &f.Text6,  &f.Text18, &f.Text17, &f.Text16,
          &f.Text26, &f.Text25, &f.Text10, &f.Text11, &f.Text15, &f.Text19, &f.Text20};
}

runtime::FileDialogOptions caseDialog(runtime::Services& services, const char* title) {
  runtime::FileDialogOptions options;
  options.title = title;
  options.initialFolder = services.ProgramFolder();
  options.fileName = "";
  options.defaultExt = kCaseFileDefaultExt;
  options.filter = kCaseFileFilter;
  return options;
}

const std::string& piece(const std::vector<std::string>& pieces, std::size_t index) {
  if (index >= pieces.size()) throw RuntimeError("subscript out of range");
  return pieces[index];
}

}  // namespace

bool isStorableCaseText(std::string_view text) {
  return text.find_first_of("^,\r\n") == std::string_view::npos;
}

std::string caseLine(const std::array<std::string, kCaseBoxFields>& boxTexts,
                     const std::array<double, kCaseCompositionFields>& fuelComp) {
  std::string line = boxTexts[0];
  for (std::size_t k = 1; k < kCaseBoxFields; ++k) line.append(kCaseFieldSeparator).append(boxTexts[k]);
  for (double share : fuelComp) line.append(kCaseFieldSeparator).append(runtime::NumberText(share));
  return line;
}

void saveGasCase(frmgas& form) {
  auto& services = form.application().services();
  std::array<std::string, kCaseBoxFields> texts;
  const auto boxes = caseBoxes(form);
  for (std::size_t k = 0; k < kCaseBoxFields; ++k) texts[k] = boxes[k]->text();
  // A text that would not read back is refused before the user picks a file,
  // so a saved case always opens as it was saved.
  if (!std::all_of(texts.begin(), texts.end(), isStorableCaseText)) {
    services.ShowMessage(kSaveFailedMessage, MessageKind::Error);
    return;
  }
  const std::string line = caseLine(texts, shell::vari(form.application()).fuelComp);

  const std::string path = services.saveFileDialog(caseDialog(services, kSaveDialogTitle));
  if (path.empty()) return;
  try {
    runtime::TextFile file;
    file.openForWrite(path);
    file.WriteTextLine(line);
    file.close();
  } catch (const RuntimeError&) {
    services.ShowMessage(kSaveFailedMessage, MessageKind::Error);
  }
}

// What was assigned before a failure stays; the transfer happens only after
// every field was read.
void openGasCase(frmgas& form) {
  runtime::Application& app = form.application();
  auto& services = app.services();
  const std::string path = services.openFileDialog(caseDialog(services, kOpenDialogTitle));
  if (path.empty()) return;
  try {
    std::string text;
    {
      runtime::TextFile file;
      file.openForRead(path);
      text = file.ReadTextField();
      file.close();
    }
    const std::vector<std::string> pieces = runtime::SplitText(text, kCaseFieldSeparator);
    const auto boxes = caseBoxes(form);
    for (std::size_t k = 0; k < kCaseBoxFields; ++k) boxes[k]->setText(piece(pieces, k));
    auto& fuelComp = shell::vari(app).fuelComp;
    for (std::size_t i = 0; i < kCaseCompositionFieldsRead; ++i)
      fuelComp[i] = runtime::ParseNumber(piece(pieces, kCaseBoxFields + i));
  } catch (const RuntimeError&) {
    services.ShowMessage(kOpenFailedMessage, MessageKind::Error);
    return;
  }
  app.form<frmcomp>().Command1.click();
}

}  // namespace corvasine::gas
