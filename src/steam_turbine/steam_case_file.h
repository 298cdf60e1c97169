#pragma once

// The steam case file: one line of 15 fields joined by "^" — the texts of the
// twelve stream boxes as they stand (in the unit each list shows; no unit is
// recorded), the two check boxes and the turbine type. Opening a case replays
// the typing: every assignment runs its control's handler.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "shell/case_file.h"

namespace corvasine::steam_turbine {

class frmstm;

inline constexpr shell::CaseFileKind kSteamCaseFile{
    "qvds", "Corvasine files (*.qvds)|*.qvds|All Files (*.*)|*.*"};
inline constexpr std::size_t kSteamCaseFields = 15;

// The fields of the window's case, in file order.
std::vector<std::string> steamCaseFields(frmstm& form);

// File > Save: a field text that could not be read back is refused before
// the dialog; a cancelled dialog ends quietly.
void saveSteamCase(frmstm& form);

// File > Open: the whole file is read and checked before anything is
// assigned, so a bad file leaves the window as it was.
void openSteamCase(frmstm& form);

}  // namespace corvasine::steam_turbine
