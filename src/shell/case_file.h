#pragma once

// What the two calculators' case files share: the file dialogs, the
// messages, and the file itself, one line of fields joined by "^".

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/services.h"

namespace corvasine::shell {

inline constexpr const char* kSaveDialogTitle = "Corvasine - Save file";
inline constexpr const char* kOpenDialogTitle = "Corvasine - Open file";
inline constexpr const char* kSaveFailedMessage = "Error exporting data.";
inline constexpr const char* kOpenFailedMessage = "Error importing data.";
inline constexpr const char* kCaseFieldSeparator = "^";

// The kind of case a calculator saves: its extension and dialog filter.
struct CaseFileKind {
  const char* defaultExt;  // "qvdg"
  const char* filter;      // "Corvasine files (*.qvdg)|*.qvdg|All Files (*.*)|*.*"
};

// Whether a field text can be written into the line and read back as it
// stands: "^" would shift the later fields, a comma or a line break would cut
// the line.
bool isStorableCaseText(std::string_view text);

// The fields joined by "^".
std::string joinCaseFields(const std::vector<std::string>& fields);

// Saves a case: a field that could not be read back is refused with the
// save's message before the dialog, a cancelled dialog ends quietly, and a
// failed write shows the message and leaves the old file as it was.
void saveCaseFields(runtime::Services& services, const CaseFileKind& kind,
                    const std::vector<std::string>& fields);

// The save and open dialogs in the program folder; an empty name when cancelled.
std::string askCaseFileToSave(runtime::Services& services, const CaseFileKind& kind);
std::string askCaseFileToOpen(runtime::Services& services, const CaseFileKind& kind);

// Writes the line (CR LF) in place of the file; RuntimeError on failure, the
// old file then left as it was.
void writeCaseLine(const std::string& path, const std::string& line);
// The first field of the file (up to a comma or the line end) split at "^";
// RuntimeError when the file cannot be read.
std::vector<std::string> readCasePieces(const std::string& path);
// Reads the file and checks it whole, so that the caller assigns nothing from
// a file that is not a case: exactly fieldCount pieces, each accepted by
// pieceIsGood(index, piece). RuntimeError when the file cannot be read or a
// check fails.
using CasePieceCheck = std::function<bool(std::size_t index, const std::string& piece)>;
std::vector<std::string> readCheckedCasePieces(const std::string& path, std::size_t fieldCount,
                                               const CasePieceCheck& pieceIsGood);
// Whether a piece is a number from low to high, both included.
bool isNumberWithin(const std::string& piece, double low, double high);
// A piece by its number; RuntimeError when the file has fewer.
const std::string& casePiece(const std::vector<std::string>& pieces, std::size_t index);

}  // namespace corvasine::shell
