#include "gas_turbine/gt_units_file.h"

#include <filesystem>
#include <limits>
#include <optional>

#include "gas_turbine/gas_shared.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace corvasine::gas {
namespace {

using Positions = std::array<short, kUnitsInFile>;

// One piece of the line as a list position: a number rounded half to even to
// a whole number that fits 16 bits and lies inside its list (gtUnits(9), which
// has no list, only has to be non-negative). nullopt when it does not qualify.
std::optional<short> positionFromPiece(const std::string& piece, std::size_t index) {
  const double whole = runtime::RoundHalfEven(runtime::ParseNumber(piece), 0);
  if (whole < 0.0 || whole > std::numeric_limits<short>::max()) return std::nullopt;
  if (index < kUnitListSizes.size() && whole >= kUnitListSizes[index]) return std::nullopt;
  return static_cast<short>(whole);
}

// The positions of the file, or nullopt when it is missing, unreadable or malformed.
std::optional<Positions> readUnitsFile(const std::string& path) {
  try {
    runtime::TextFile file;
    file.openForRead(path);
    const std::string line = file.ReadTextField();
    file.close();
    const auto pieces = runtime::SplitText(line, "*");
    if (pieces.size() < kUnitsInFile) return std::nullopt;
    Positions positions{};
    for (std::size_t i = 0; i < kUnitsInFile; ++i) {
      const auto position = positionFromPiece(pieces[i], i);
      if (!position) return std::nullopt;
      positions[i] = *position;
    }
    return positions;
  } catch (const runtime::RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace

std::string unitsFilePath(const std::string& programFolder) {
  return programFolder + "/" + kUnitsFileName;
}

void loadUnits(runtime::Application& app) {
  auto& services = app.services();
  auto& gtUnits = gasShared(app).gtUnits;
  const std::string folder = services.ProgramFolder();
  if (const auto positions = readUnitsFile(unitsFilePath(folder))) {
    for (std::size_t i = 0; i < kUnitsInFile; ++i) gtUnits[i] = (*positions)[i];
    return;
  }
  for (std::size_t i = 0; i < kUnitsInFile; ++i) gtUnits[i] = 0;
  services.ShowMessage(kUnitsNotFoundMessage, runtime::MessageKind::Warning);
  try {
    writeUnitsFile(folder, kDefaultUnitsLine);
  } catch (const runtime::RuntimeError&) {
    services.ShowMessage(kFolderNotWritableMessage, runtime::MessageKind::Warning);
  }
}

std::string unitsLine(const std::array<short, 11>& gtUnits) {
  std::string line = runtime::NumberText(gtUnits[0]);
  for (std::size_t i = 1; i < kUnitsInFile; ++i)
    line.append("*").append(runtime::NumberText(gtUnits[i]));
  return line;
}

void writeUnitsFile(const std::string& programFolder, const std::string& line) {
  runtime::TextFile file;
  file.openForWrite(unitsFilePath(programFolder));
  file.WriteTextLine(line);
  file.close();
}

bool placeDefaultUnitsFile(const std::string& programFolder) {
  const std::string path = unitsFilePath(programFolder);
  std::error_code error;
  const bool there = std::filesystem::exists(path, error);
  if (error) throw runtime::RuntimeError("cannot look at: " + path);
  if (there) return false;
  const std::array<short, 11> firstEntries{};
  writeUnitsFile(programFolder, unitsLine(firstEntries));
  return true;
}

}  // namespace corvasine::gas
