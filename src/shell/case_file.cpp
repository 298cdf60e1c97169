#include "shell/case_file.h"

#include <algorithm>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace corvasine::shell {

namespace {

runtime::FileDialogOptions caseDialog(runtime::Services& services, const CaseFileKind& kind,
                                      const char* title) {
  runtime::FileDialogOptions options;
  options.title = title;
  options.initialFolder = services.ProgramFolder();
  options.fileName = "";
  options.defaultExt = kind.defaultExt;
  options.filter = kind.filter;
  return options;
}

}  // namespace

bool isStorableCaseText(std::string_view text) {
  return text.find_first_of("^,\r\n") == std::string_view::npos;
}

std::string joinCaseFields(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line.append(kCaseFieldSeparator);
    line.append(fields[k]);
  }
  return line;
}

void saveCaseFields(runtime::Services& services, const CaseFileKind& kind,
                    const std::vector<std::string>& fields) {
  if (!std::all_of(fields.begin(), fields.end(), isStorableCaseText)) {
    services.ShowMessage(kSaveFailedMessage, runtime::MessageKind::Error);
    return;
  }
  const std::string line = joinCaseFields(fields);
  const std::string path = askCaseFileToSave(services, kind);
  if (path.empty()) return;
  try {
    writeCaseLine(path, line);
  } catch (const runtime::RuntimeError&) {
    services.ShowMessage(kSaveFailedMessage, runtime::MessageKind::Error);
  }
}

std::string askCaseFileToSave(runtime::Services& services, const CaseFileKind& kind) {
  return services.saveFileDialog(caseDialog(services, kind, kSaveDialogTitle));
}

std::string askCaseFileToOpen(runtime::Services& services, const CaseFileKind& kind) {
  return services.openFileDialog(caseDialog(services, kind, kOpenDialogTitle));
}

void writeCaseLine(const std::string& path, const std::string& line) {
  runtime::TextFile file;
  file.openForWrite(path);
  file.WriteTextLine(line);
  file.close();
}

std::vector<std::string> readCasePieces(const std::string& path) {
  std::string text;
  {
    runtime::TextFile file;
    file.openForRead(path);
    text = file.ReadTextField();
    file.close();
  }
  return runtime::SplitText(text, kCaseFieldSeparator);
}

std::vector<std::string> readCheckedCasePieces(const std::string& path, std::size_t fieldCount,
                                               const CasePieceCheck& pieceIsGood) {
  std::vector<std::string> pieces = readCasePieces(path);
  if (pieces.size() != fieldCount) throw runtime::RuntimeError("not a case file: " + path);
  for (std::size_t k = 0; k < pieces.size(); ++k)
    if (!pieceIsGood(k, pieces[k])) throw runtime::RuntimeError("not a case file: " + path);
  return pieces;
}

bool isNumberWithin(const std::string& piece, double low, double high) {
  if (!runtime::IsNumber(piece)) return false;
  const double x = runtime::ParseNumber(piece);
  return x >= low && x <= high;
}

const std::string& casePiece(const std::vector<std::string>& pieces, std::size_t index) {
  if (index >= pieces.size()) throw runtime::RuntimeError("subscript out of range");
  return pieces[index];
}

}  // namespace corvasine::shell
