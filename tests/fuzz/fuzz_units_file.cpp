// The default units file reader on any bytes: ten list positions joined by
// "*" that each lie inside their list are taken as they stand; any other
// file gives all zeros, the system's warning and a fresh file of zeros.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_services.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"

namespace corvasine::fuzz {
namespace {

// List sizes of the first nine positions; the tenth only has to be a
// non-negative 16-bit number.
constexpr int kListSizes[] = {2, 4, 4, 5, 4, 4, 5, 5, 3};

std::optional<std::array<short, 10>> expectedPositions(std::string_view bytes) {
  const auto pieces = casePieces(bytes, '*');
  if (!pieces || pieces->size() < 10) return std::nullopt;
  std::array<short, 10> positions{};
  for (std::size_t i = 0; i < 10; ++i) {
    if (!isWhole((*pieces)[i], 0, i < 9 ? kListSizes[i] - 1 : 32767)) return std::nullopt;
    positions[i] = static_cast<short>(*wholeNumber((*pieces)[i]));
  }
  return positions;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace
}  // namespace corvasine::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvasine::fuzz;
  static FuzzServices services(gasMessages(), "");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = corvasine::gas::unitsFilePath(services.programFolder);
  writeBytes(path, bytes);
  corvasine::runtime::Application app(services);
  corvasine::gas::loadUnits(app);
  const auto& gtUnits = corvasine::gas::gasShared(app).gtUnits;
  const auto expected = expectedPositions(bytes);
  for (std::size_t i = 0; i < 10; ++i)
    if (gtUnits[i] != (expected ? (*expected)[i] : 0))
      finding("a unit position differs from the file", std::to_string(i));
  if (expected) {
    if (!services.messages.empty()) finding("a sound units file was warned about");
    if (readAll(path) != bytes) finding("a sound units file was rewritten");
  } else {
    if (services.messageTexts() != std::vector<std::string>{corvasine::gas::kUnitsNotFoundMessage})
      finding("a bad units file did not give the warning");
    if (readAll(path) != std::string(corvasine::gas::kDefaultUnitsLine) + "\r\n")
      finding("a bad units file was not replaced by zeros");
  }
  services.messages = {};
  return 0;
}
