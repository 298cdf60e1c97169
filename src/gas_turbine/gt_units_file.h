#pragma once

// The default units of the gas turbine window: the array gtUnits and the
// units file "gtunits.qvd" in the program folder, one line of ten list
// positions joined by "*".

#include <array>
#include <cstddef>
#include <string>

#include "runtime/application.h"

namespace corvasine::gas {

inline constexpr const char* kUnitsFileName = "gtunits.qvd";
// Number of positions kept in the file (gtUnits(0) to gtUnits(9)).
inline constexpr std::size_t kUnitsInFile = 10;
// The line written when the file cannot be read.
inline constexpr const char* kDefaultUnitsLine = "0*0*0*0*0*0*0*0*0*0";

inline constexpr const char* kUnitsNotFoundMessage =
    "Unit databse is not found; default units selected.";
inline constexpr const char* kFolderNotWritableMessage =
    "Application directry is not accessible. Make sure you have sufficient writes to modify "
    "items in application folder.";

// Entries in the unit list of gtUnits(0) to gtUnits(8): temperature, pressure,
// height, pressure drop, heating values, molar flows, low pressures, power,
// heat rate. A stored position must lie inside its list; gtUnits(9) has no
// list and only has to be non-negative.
inline constexpr std::array<int, 9> kUnitListSizes = {2, 4, 4, 5, 4, 4, 5, 5, 3};

// Full name of the units file in the given program folder.
std::string unitsFilePath(const std::string& programFolder);

// Reads the units file into gtUnits(0) to gtUnits(9). A file that is missing,
// unreadable or malformed gives all zeros, a warning, and a fresh file of
// zeros (with a second warning when that cannot be written).
void loadUnits(runtime::Application& app);

// The file line of gtUnits(0) to gtUnits(9): "0*1*...".
std::string unitsLine(const std::array<short, 11>& gtUnits);

// Writes the line to the units file, replacing it; RuntimeError on failure.
void writeUnitsFile(const std::string& programFolder, const std::string& line);

// The units file of a fresh installation, every list on its first entry, as
// the default units dialog writes it; placed by the build so that the first
// gas window starts without the missing-file warning. A file already there
// (one the dialog saved) is kept. Whether it wrote the file; RuntimeError
// when the write fails.
bool placeDefaultUnitsFile(const std::string& programFolder);

}  // namespace corvasine::gas
