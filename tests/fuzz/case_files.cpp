#include "fuzz/case_files.h"

#include "fuzz/fuzz_services.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/number.h"
#include "shell/case_file.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::fuzz {

std::optional<std::vector<std::string>> casePieces(std::string_view bytes, char separator) {
  std::size_t i = 0;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
  if (i == bytes.size()) return std::nullopt;  // reading past the end
  std::vector<std::string> pieces(1);
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == ',' || c == '\r' || c == '\n') break;
    if (c == separator)
      pieces.emplace_back();
    else
      pieces.back().push_back(c);
  }
  return pieces;
}

std::optional<double> wholeNumber(const std::string& piece) {
  if (!runtime::IsNumber(piece)) return std::nullopt;
  return runtime::RoundHalfEven(runtime::ParseNumber(piece), 0);
}

bool isWhole(const std::string& piece, double low, double high) {
  const auto whole = wholeNumber(piece);
  return whole && *whole >= low && *whole <= high;
}

bool isChoice(const std::string& piece, std::size_t choices) {
  return isWhole(piece, 0, static_cast<double>(choices) - 1) &&
         runtime::ParseNumber(piece) == *wholeNumber(piece);
}

std::vector<std::string> openedTexts(const std::vector<std::string>& pieces, std::size_t boxes,
                                     std::size_t settings) {
  std::vector<std::string> texts(pieces.begin(), pieces.begin() + static_cast<long>(boxes));
  for (std::size_t k = settings; k < pieces.size(); ++k)
    texts.push_back(std::to_string(static_cast<int>(*wholeNumber(pieces[k]))));
  return texts;
}

std::vector<runtime::ComboBox*> gasSettingLists(gas::frmgas& f) {
  return {&f.cmbtemp, &f.cmdsite, &f.cmdpress1, &f.Combo1,  &f.Combo2,     &f.Combo3,
          &f.Combo6,  &f.Combo7,  &f.Combo8,    &f.Combo4,  &f.Combo5,     &f.Combo11,
          &f.Combo12, &f.Combo13, &f.Combo9,    &f.Combo10, &f.balancetype};
}

std::vector<std::string> gasCaseTexts(runtime::Form& window) {
  auto& f = static_cast<gas::frmgas&>(window);
  std::vector<std::string> texts;
  for (const runtime::TextBox* box : std::initializer_list<const runtime::TextBox*>{
           &f.Text1, &f.Text2, &f.Text4, &f.Text6, &f.Text18, &f.Text17, &f.Text16, &f.Text26,
           &f.Text25, &f.Text10, &f.Text11, &f.Text15, &f.Text19, &f.Text20})
    texts.push_back(box->text());
  for (const runtime::ComboBox* list : gasSettingLists(f))
    texts.push_back(std::to_string(list->listIndex()));
  texts.push_back(std::to_string(f.Check1.value()));
  return texts;
}

std::vector<std::string> steamCaseTexts(runtime::Form& window) {
  auto& f = static_cast<steam_turbine::frmstm&>(window);
  std::vector<std::string> texts;
  for (const auto* stream : {&f.inlet, &f.induction, &f.extraction, &f.exhaust})
    for (const runtime::TextBox* box : std::initializer_list<const runtime::TextBox*>{
             &stream->temperature, &stream->pressure, &stream->flow})
      texts.push_back(box->text());
  for (int value : {f.Check1.value(), f.Check2.value(), f.Combo1.listIndex()})
    texts.push_back(std::to_string(value));
  for (const runtime::ComboBox* list : f.unitLists())
    texts.push_back(std::to_string(list->listIndex()));
  return texts;
}

std::string gasHiddenState(runtime::Application& app) {
  const gas::GasShared& shared = gas::gasShared(app);
  std::string state(reinterpret_cast<const char*>(shared.fuelComp.data()), sizeof shared.fuelComp);
  state.append(reinterpret_cast<const char*>(shared.gtUnits.data()), sizeof shared.gtUnits);
  return state;
}

void writeDefaultUnits(const std::string& programFolder) {
  writeBytes(gas::unitsFilePath(programFolder), std::string(gas::kDefaultUnitsLine) + "\r\n");
}

CaseFileFixture::CaseFileFixture(std::set<std::string> messages, const std::string& fileName,
                                 HiddenState hidden)
    : services(std::move(messages), fileName), hiddenState(hidden) {}

bool CaseFileFixture::open(runtime::Form& window, std::string_view bytes, bool acceptable) {
  auto state = [this] { return snapshot(app) + (hiddenState ? hiddenState(app) : ""); };
  const std::string before = state();
  services.messages = {};
  services.fileDialogs = {};
  writeBytes(services.fuzzFile, bytes);
  {
    runtime::Application::EventScope scope(app);
    window.clickMenuItem("m_open");
  }
  bool refused = false;
  for (const auto& m : services.messages) refused |= m.text == shell::kOpenFailedMessage;
  if (refused == acceptable)
    finding(refused ? "a sound case file was refused" : "a bad case file was accepted");
  if (refused && services.messages.size() != 1) finding("a refused file showed another message");
  if (refused && state() != before) finding("a refused case file changed the window");
  const std::string nonFinite = refused ? "" : nonFiniteShown(app, {}, bytes);
  if (!nonFinite.empty()) finding("a box shows a number that is not finite", nonFinite);
  return refused;
}

}  // namespace corvasine::fuzz
