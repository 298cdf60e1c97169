// The steam case file reader on any bytes: an acceptable file fills the
// window, any other is refused and changes nothing.

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_services.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::fuzz {
namespace {

// Entries of the unit lists Combo2 to Combo21: temperature 2, pressure 4,
// flow 6, entropy 3, enthalpy 3.
constexpr std::size_t kUnitEntries[] = {2, 4, 6, 3, 3, 3, 3, 6, 4, 2, 3, 3, 6, 4, 2, 3, 3, 6, 4, 2};
constexpr std::size_t kOldPieces = 15;

// 15 fields (check boxes 0 to 2, turbine type -1 for none to 1), then
// nothing more or a position for every unit list.
bool acceptable(const std::optional<std::vector<std::string>>& pieces) {
  if (!pieces || pieces->size() < kOldPieces) return false;
  const auto& p = *pieces;
  if (!isWhole(p[12], 0, 2) || !isWhole(p[13], 0, 2) || !isWhole(p[14], -1, 1)) return false;
  if (p.size() == kOldPieces) return true;
  if (p.size() != kOldPieces + std::size(kUnitEntries)) return false;
  for (std::size_t k = 0; k < std::size(kUnitEntries); ++k)
    if (!isChoice(p[kOldPieces + k], kUnitEntries[k])) return false;
  return true;
}

void openCase(std::string_view bytes) {
  static CaseFileFixture fixture{{steamMessages(), "fuzz.qvds"}};
  steam_turbine::frmstm& f = fixture.app.form<steam_turbine::frmstm>();
  const std::vector<std::string> before = steamCaseTexts(f);
  const auto pieces = casePieces(bytes, '^');
  if (fixture.open(f, bytes, acceptable(pieces))) return;
  if (!fixture.services.messages.empty()) finding("a sound case file showed a message");
  // The boxes as the file holds them, the rest as whole numbers; a file
  // without units leaves the unit lists as they were.
  std::vector<std::string> expected = openedTexts(*pieces, 12, 12);
  expected.insert(expected.end(), before.begin() + static_cast<long>(expected.size()),
                  before.end());
  // Switching a stream on or off reruns the flow balance over the exhaust flow.
  const bool switched =
      (before[12] == "1") != (expected[12] == "1") || (before[13] == "1") != (expected[13] == "1");
  const std::vector<std::string> texts = steamCaseTexts(f);
  for (std::size_t k = 0; k < texts.size(); ++k)
    if (texts[k] != expected[k] && !(k == 11 && switched))
      finding("a field does not hold what the file holds", std::to_string(k));
}

}  // namespace
}  // namespace corvasine::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corvasine::fuzz::openCase(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
