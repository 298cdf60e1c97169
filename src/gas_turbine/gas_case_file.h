#pragma once

// The gas case file: one line of 35 fields joined by "^" — the texts of the
// 14 input boxes as they stand (in the unit each list shows; no unit is
// recorded), then the 21 fuel composition entries.

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

// File > Save: asks for a file name and writes the window's case; a box text
// that could not be read back is refused before anything is written.
void saveGasCase(frmgas& form);

// File > Open: asks for a file name, reads and checks the whole file (35
// fields, every composition entry a number from 0 to 100 mole %), then
// assigns the fields to the boxes (which run their handlers) and the
// composition and has the fuel composition dialog transfer the mixture
// values. A file that fails a check assigns nothing.
void openGasCase(frmgas& form);

}  // namespace corvasine::gas
