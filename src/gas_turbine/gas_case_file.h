#pragma once

// The gas case file: one line of fields joined by "^" — the texts of the 14
// input boxes as they stand, in the unit each list shows, then the 21 fuel
// composition entries, then the settings that give those texts their
// meaning: the position of every unit list, the balance mode and the
// generator check box. Files written before the settings were stored end
// after the composition and open as they always did; a reader that takes the
// first 35 fields by number opens either kind.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "shell/case_file.h"

namespace corvasine::gas {

class frmgas;

// The gas case: its extension and dialog filter.
inline constexpr shell::CaseFileKind kGasCaseFile{
    "qvdg", "Corvasine files (*.qvdg)|*.qvdg|All Files (*.*)|*.*"};

inline constexpr std::size_t kCaseBoxFields = 14;
inline constexpr std::size_t kCaseCompositionFields = 21;
inline constexpr std::size_t kCaseFields = kCaseBoxFields + kCaseCompositionFields;
// The last composition entry is written but not read back.
inline constexpr std::size_t kCaseCompositionFieldsRead = 20;
// The 16 unit lists and the balance mode list, then the generator check box.
inline constexpr std::size_t kCaseSettingLists = 17;
inline constexpr std::size_t kCaseSettingFields = kCaseSettingLists + 1;
inline constexpr std::size_t kCaseFieldsWithSettings = kCaseFields + kCaseSettingFields;

// File > Save: asks for a file name and writes the window's case; a box text
// that could not be read back is refused before anything is written.
void saveGasCase(frmgas& form);

// File > Open: asks for a file name, reads and checks the whole file (35
// fields, or 53 with the settings; every composition entry a number from 0
// to 100 mole %, every setting a whole number inside its list, the check box
// 0 or 1), then sets the lists, mode and check box (when the file has them),
// assigns the fields to the boxes (which run their handlers, so each text is
// read in the unit it was saved in) and the composition, has the fuel
// composition dialog transfer the mixture values, and puts the result box
// back to its text at load: the last result belongs to another case. A file
// that fails a check changes nothing.
void openGasCase(frmgas& form);

}  // namespace corvasine::gas
