#include "fuzz/fuzz_services.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/number.h"
#include "shell/case_file.h"
#include "shell/converter_tables.h"
#include "steam_turbine/frmstm.h"
#include "steam_turbine/steam_evaluation.h"

namespace corvasine::fuzz {

using runtime::MessageAnswer;
using runtime::MessageKind;

void finding(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "\n==== FINDING: %.*s\n", static_cast<int>(what.size()), what.data());
  if (!detail.empty())
    std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
  std::abort();
}

FuzzServices::FuzzServices(std::set<std::string> allowed, const std::string& fileName, bool prints)
    : fuzzFile(programFolder + "/" + fileName), allowed_(std::move(allowed)) {
  if (prints)
    allowed_.insert("Print will be sent to your default printer;\r\nDefault printer: " +
                    printerName + "\r\nDo you want to continue?");
}

void FuzzServices::reset() {
  // Memory goes back too: libFuzzer suspects a leak in an input that
  // allocates more than it frees.
  messages = {};
  fileDialogs = {};
  helpShown = {};
  pagesOpened = {};
  programsStarted = {};
  clipboard = {};
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(programFolder, ec))
    std::filesystem::remove_all(entry.path(), ec);
}

MessageAnswer FuzzServices::showMessage(const std::string& text, MessageKind kind,
                                        const std::string& title) {
  if (allowed_.count(text) == 0) finding("a message the system does not define", text);
  messages.push_back({text, kind, title});
  if (kind != MessageKind::Question) return MessageAnswer::Ok;
  return input_ != nullptr && input_->ConsumeBool() ? MessageAnswer::Yes : MessageAnswer::No;
}

std::string FuzzServices::openFileDialog(const runtime::FileDialogOptions& options) {
  fileDialogs.push_back(options);
  // Cancel, the fuzz file, a missing file or folder, or a folder, not a file.
  const std::string choices[] = {{},
                                 fuzzFile,
                                 programFolder + "/missing.file",
                                 programFolder + "/no such folder/case.file",
                                 programFolder};
  lastChosen = input_ == nullptr ? fuzzFile : choices[input_->ConsumeIntegralInRange(0, 4)];
  return lastChosen;
}

void writeBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

void describe(std::string& out, const runtime::Control& c) {
  out += c.name();
  out += c.enabled() ? '+' : '-';
  out += c.visible() ? '+' : '-';
  if (const auto* box = dynamic_cast<const runtime::TextBox*>(&c))
    out += box->text();
  else if (const auto* list = dynamic_cast<const runtime::ComboBox*>(&c))
    out += std::to_string(list->listIndex());
  else if (const auto* check = dynamic_cast<const runtime::CheckBox*>(&c))
    out += std::to_string(check->value());
  else if (const auto* option = dynamic_cast<const runtime::OptionButton*>(&c))
    out += option->value() ? '1' : '0';
  else if (const auto* captioned = dynamic_cast<const runtime::CaptionedControl*>(&c))
    out += captioned->caption();  // a label or a button
  out += '\n';
}

bool isTokenChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
         c == '#' || c == '(' || c == ')';
}

bool isNonFiniteToken(std::string_view token) {
  std::string t(token);
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  t.erase(0, t.find_first_not_of("+-"));
  if (t == "inf" || t == "infinity" || t == "nan" || t.rfind("nan(", 0) == 0) return true;
  for (const char* printed : {"#inf", "#ind", "#nan", "#qnan"})  // as run-time libraries print them
    if (t.find(printed) != std::string::npos) return true;
  return decimalText(token) && !runtime::IsNumber(token);
}

// The first non-finite token of the text that userMaterial does not hold.
std::string systemNonFiniteToken(std::string_view text, std::string_view userMaterial) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && !isTokenChar(text[i])) ++i;
    std::size_t end = i;
    while (end < text.size() && isTokenChar(text[end])) ++end;
    const std::string_view token = text.substr(i, end - i);
    if (!token.empty() && isNonFiniteToken(token) &&
        userMaterial.find(token) == std::string_view::npos)
      return std::string(token);
    i = end;
  }
  return {};
}

}  // namespace

std::optional<DecimalText> decimalText(std::string_view text) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  const std::string_view core = text.substr(b, e - b);
  std::size_t i = 0;
  std::string mantissa;
  if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
  for (; i < core.size() && isDigit(core[i]); ++i) mantissa += core[i];
  if (i < core.size() && core[i] == '.')
    for (++i; i < core.size() && isDigit(core[i]); ++i) mantissa += core[i];
  if (mantissa.empty()) return std::nullopt;
  if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
    ++i;
    if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
    if (i == core.size() || !isDigit(core[i])) return std::nullopt;
    while (i < core.size() && isDigit(core[i])) ++i;
  }
  if (i != core.size()) return std::nullopt;
  const std::size_t first = mantissa.find_first_not_of('0');
  const std::size_t last = mantissa.find_last_not_of('0');
  return DecimalText{std::string(core),
                     first == std::string::npos ? 0 : static_cast<int>(last - first + 1)};
}

std::string snapshot(const runtime::Application& app) {
  std::string out;
  out.reserve(8192);
  for (const runtime::Form* form : app.loadedForms()) {
    out += "[" + form->name() + "] " + form->caption() + (form->visible() ? " shown\n" : "\n");
    for (const runtime::Control* c : form->controls()) describe(out, *c);
  }
  return out;
}

std::string nonFiniteShown(const runtime::Application& app,
                           const std::set<const runtime::Control*>& userEdited,
                           std::string_view userMaterial) {
  for (const runtime::Form* form : app.loadedForms()) {
    for (const runtime::Control* c : form->controls()) {
      if (userEdited.count(c) != 0) continue;
      std::string_view text;
      if (const auto* box = dynamic_cast<const runtime::TextBox*>(c))
        text = box->text();
      else if (const auto* label = dynamic_cast<const runtime::Label*>(c))
        text = label->caption();
      if (!systemNonFiniteToken(text, userMaterial).empty())
        return form->name() + "." + c->name() + ": " + std::string(text);
    }
  }
  return {};
}

static std::set<std::string> shellMessages() {
  std::set<std::string> texts = {shell::kSaveFailedMessage, shell::kOpenFailedMessage,
                                 "Are you sure to quit?",
                                 "System Information Is Unavailable At This Time"};
  for (const shell::ConverterTable* spec :
       {&shell::kTemperatureConverter, &shell::kPressureConverter, &shell::kMolarFlowConverter,
        &shell::kHeightConverter, &shell::kMassFlowConverter})
    texts.insert(std::string(spec->errorText));
  return texts;
}

std::set<std::string> steamMessages() {
  std::set<std::string> texts = shellMessages();
  texts.insert({steam_turbine::kCheckValuesMessage, steam_turbine::kNegativeExhaustMessage,
                steam_turbine::kSearchAbortedMessage, steam_turbine::kWrongValuesMessage});
  return texts;
}

std::set<std::string> gasMessages() {
  std::set<std::string> texts = shellMessages();
  texts.insert({std::string(gas::kCheckValuesMessage), std::string(gas::kInsufficientAirMessage),
                "Your current data will be lost. Do you want to continue?", gas::kNormalizeQuestion,
                gas::kComponentNotNumberMessage, gas::kEmptyCompositionMessage,
                gas::kSumTooLargeMessage, gas::kNormalizeFailedMessage, gas::kUnitsNotFoundMessage,
                gas::kFolderNotWritableMessage, std::string(gas::kExportFailedMessage),
                std::string(gas::kPrintFailedMessage)});
  return texts;
}

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
