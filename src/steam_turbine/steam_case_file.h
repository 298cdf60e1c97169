#pragma once

// The steam case file: one line of fields joined by "^" — the texts of the
// twelve stream boxes as they stand (in the unit each list shows), the two
// check boxes, the turbine type and then the position of every unit list, so
// that the case reopens in its units. Opening a case replays the typing:
// every assignment runs its control's handler.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "shell/case_file.h"

namespace corvasine::steam_turbine {

class frmstm;

inline constexpr shell::CaseFileKind kSteamCaseFile{
    "qvds", "Corvasine files (*.qvds)|*.qvds|All Files (*.*)|*.*"};
// The fields before the unit positions: all that older files hold.
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
