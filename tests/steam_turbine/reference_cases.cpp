#include "steam_turbine/reference_cases.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "runtime/number.h"
#include "steam_turbine/steam_units.h"

namespace corvasine::steam_turbine::testing {
namespace {

using runtime::NumberText;
using runtime::ParseNumber;

std::map<std::string, std::string> keyValues(std::istringstream& words) {
  std::map<std::string, std::string> values;
  std::string word;
  while (words >> word) {
    const std::size_t eq = word.find('=');
    if (eq != std::string::npos) values[word.substr(0, eq)] = word.substr(eq + 1);
  }
  return values;
}

PerGroup perGroup(const std::string& list) {
  PerGroup values{};
  std::istringstream items(list);
  std::string item;
  for (int group = kInlet; group <= kExhaust && std::getline(items, item, ','); ++group) {
    values[static_cast<std::size_t>(group)] = ParseNumber(item);
  }
  return values;
}

StreamState streamState(const std::map<std::string, std::string>& v) {
  StreamState s;
  s.streamPress = perGroup(v.at("streamPress"));
  s.streamTemp = perGroup(v.at("streamTemp"));
  s.streamEntropy = perGroup(v.at("streamEntropy"));
  s.streamEnthalpy = perGroup(v.at("streamEnthalpy"));
  s.inductionOn = static_cast<short>(ParseNumber(v.at("inductionOn")));
  s.extractionOn = static_cast<short>(ParseNumber(v.at("extractionOn")));
  return s;
}

// The rest of a line after its first word, "\r\n" written out read as CR LF.
std::string afterKey(const std::string& line) {
  const std::size_t blank = line.find(' ');
  std::string text = blank == std::string::npos ? std::string() : line.substr(blank + 1);
  for (std::size_t at; (at = text.find("\\r\\n")) != std::string::npos;)
    text.replace(at, 4, "\r\n");
  return text;
}

}  // namespace

std::vector<SteamReferenceCase> readSteamReference(const std::string& path) {
  std::vector<SteamReferenceCase> cases;
  std::ifstream in(path);
  std::string line;
  SteamReferenceCase* current = nullptr;
  while (std::getline(in, line)) {
    const bool isCase = line.rfind("# case ", 0) == 0;
    if (isCase || line.rfind("# field ", 0) == 0) {
      cases.emplace_back();
      current = &cases.back();
      current->name = line.substr(isCase ? 7 : 8);
      current->evaluated = isCase;
      continue;
    }
    if (line.rfind("# ", 0) == 0 || line.empty()) {
      if (line.rfind("# ", 0) == 0) current = nullptr;  // a block of another kind
      continue;
    }
    if (current == nullptr) continue;
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "typed") current->typed = afterKey(line);
    if (key == "state") current->state = streamState(keyValues(words));
    if (key == "shown") current->shown = keyValues(words);
    if (key == "boxes") current->boxes = keyValues(words);
    if (key == "message") current->message = afterKey(line);
    if (key == "Text24") current->text24 = afterKey(line);
    if (key == "results") current->results = afterKey(line);
  }
  // The header's own "# field lines: ..." note is no block.
  std::erase_if(cases, [](const SteamReferenceCase& c) { return c.typed.empty(); });
  return cases;
}

SteamEvaluationInput evaluationInput(const SteamReferenceCase& c) {
  const auto unit = [&c](const char* list) {
    return static_cast<int>(ParseNumber(c.boxes.at(list)));
  };
  const auto flow = [&](const char* box, const char* list) {
    return flowToKpph(ParseNumber(c.boxes.at(box)), unit(list));
  };
  SteamEvaluationInput in;
  in.streams = c.state;
  in.inletFlow = flow("Text3", "Combo4");
  const bool induction = c.state.inductionOn != kFalse;
  const bool extraction = c.state.extractionOn != kFalse;
  if (induction) in.inductionFlow = flow("Text10", "Combo9");
  if (extraction) in.extractionFlow = flow("Text19", "Combo14");
  const int exhaustUnit = unit("Combo19");
  const double balance =
      flowBalance(in.inletFlow, induction ? std::optional(in.inductionFlow) : std::nullopt,
                  extraction ? std::optional(in.extractionFlow) : std::nullopt);
  in.exhaustFlow =
      !induction && !extraction && unit("Combo4") == exhaustUnit
          ? in.inletFlow
          : flowToKpph(ParseNumber(NumberText(kpphToFlow(balance, exhaustUnit))), exhaustUnit);
  in.exhaustEnthalpy = enthalpyFromShown(ParseNumber(c.boxes.at("Text28")), unit("Combo17"));
  return in;
}

std::string messageOf(SteamOutcome outcome) {
  switch (outcome) {
    case SteamOutcome::Done:
      return "-";
    case SteamOutcome::CheckValues:
      return kCheckValuesMessage;
    case SteamOutcome::NegativeExhaust:
      return kNegativeExhaustMessage;
    case SteamOutcome::SearchAborted:
      return kSearchAbortedMessage;
    case SteamOutcome::WrongValues:
      return kWrongValuesMessage;
  }
  return "?";
}

}  // namespace corvasine::steam_turbine::testing
