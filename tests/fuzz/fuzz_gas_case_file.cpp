// The gas case file reader on any bytes: 14 boxes and 21 mole percentages,
// optionally followed by the 18 settings (an entry of each list, the check
// box 0 or 1), fill the window; any other file is refused and changes nothing.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_services.h"
#include "runtime/number.h"

namespace corvasine::fuzz {
namespace {

constexpr std::size_t kBoxFields = 14;
constexpr std::size_t kFields = 35;
constexpr std::size_t kSettings = 18;

bool acceptable(const std::optional<std::vector<std::string>>& pieces, gas::frmgas& f) {
  if (!pieces || (pieces->size() != kFields && pieces->size() != kFields + kSettings)) return false;
  for (std::size_t k = kBoxFields; k < kFields; ++k) {
    const std::string& piece = (*pieces)[k];
    if (!runtime::IsNumber(piece)) return false;
    const double share = runtime::ParseNumber(piece);
    if (share < 0 || share > 100) return false;
  }
  if (pieces->size() == kFields) return true;
  const auto lists = gasSettingLists(f);
  for (std::size_t k = 0; k < lists.size(); ++k)
    if (!isChoice((*pieces)[kFields + k], lists[k]->items().size())) return false;
  return isChoice(pieces->back(), 2);
}

void openCase(std::string_view bytes) {
  static CaseFileFixture fixture{{gasMessages(), "fuzz.qvdg"}, gasHiddenState};
  if (fixture.app.find<gas::frmgas>() == nullptr) writeDefaultUnits(fixture.services.programFolder);
  gas::frmgas& f = fixture.app.form<gas::frmgas>();
  const auto pieces = casePieces(bytes, '^');
  if (fixture.open(f, bytes, acceptable(pieces, f))) return;
  const std::vector<std::string> expected = openedTexts(*pieces, kBoxFields, kFields);
  const std::vector<std::string> texts = gasCaseTexts(f);
  for (std::size_t k = 0; k < expected.size(); ++k)
    if (texts[k] != expected[k])
      finding("a field does not hold what the file holds", std::to_string(k));
}

}  // namespace
}  // namespace corvasine::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corvasine::fuzz::openCase(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
