#include "fuzz/window_checks.h"

#include <algorithm>
#include <cctype>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_report.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/number.h"
#include "shell/case_file.h"
#include "shell/converter_tables.h"
#include "steam_turbine/steam_evaluation.h"

namespace corvasine::fuzz {

namespace {

using runtime::ControlKind;

void describe(std::string& out, const runtime::Control& c) {
  out += c.name();
  out += c.enabled() ? '+' : '-';
  out += c.visible() ? '+' : '-';
  switch (c.kind()) {
    case ControlKind::TextBox:
      out += static_cast<const runtime::TextBox&>(c).text();
      break;
    case ControlKind::ComboBox:
      out += static_cast<char>('0' + 1 + static_cast<const runtime::ComboBox&>(c).listIndex());
      break;
    case ControlKind::CheckBox:
      out += static_cast<char>('0' + static_cast<const runtime::CheckBox&>(c).value());
      break;
    case ControlKind::OptionButton:
      out += static_cast<const runtime::OptionButton&>(c).value() ? '1' : '0';
      break;
    case ControlKind::Label:
      out += static_cast<const runtime::Label&>(c).caption();
      break;
    case ControlKind::CommandButton:
      out += static_cast<const runtime::CommandButton&>(c).caption();
      break;
    default:
      break;
  }
  out += '\n';
}

bool isTokenChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
         c == '#' || c == '(' || c == ')';
}

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Decimal syntax as ParseNumber reads it, whether or not the value fits.
bool hasDecimalSyntax(std::string_view s) {
  std::size_t i = 0, digits = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') ++i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

bool isNonFiniteToken(std::string_view token) {
  std::string t = lower(token);
  while (!t.empty() && (t.front() == '+' || t.front() == '-')) t.erase(0, 1);
  if (t == "inf" || t == "infinity" || t == "nan" || t.rfind("nan(", 0) == 0) return true;
  if (t.find("#inf") != std::string::npos || t.find("#ind") != std::string::npos ||
      t.find("#nan") != std::string::npos || t.find("#qnan") != std::string::npos)
    return true;
  return hasDecimalSyntax(token) && !runtime::IsNumber(token);
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

std::string snapshot(const runtime::Application& app) {
  std::string out;
  out.reserve(8192);
  for (const runtime::Form* form : app.loadedForms()) {
    out += "[" + form->name() + "] " + form->caption() + (form->visible() ? " shown\n" : "\n");
    for (const runtime::Control* c : form->controls()) describe(out, *c);
  }
  return out;
}

bool showsNonFinite(std::string_view text) { return !systemNonFiniteToken(text, {}).empty(); }

std::string nonFiniteShown(const runtime::Application& app,
                           const std::set<const runtime::Control*>& userEdited,
                           std::string_view userMaterial) {
  for (const runtime::Form* form : app.loadedForms()) {
    for (const runtime::Control* c : form->controls()) {
      if (userEdited.count(c) != 0) continue;
      std::string_view text;
      if (c->kind() == ControlKind::TextBox)
        text = static_cast<const runtime::TextBox*>(c)->text();
      else if (c->kind() == ControlKind::Label)
        text = static_cast<const runtime::Label*>(c)->caption();
      else
        continue;
      if (!systemNonFiniteToken(text, userMaterial).empty())
        return form->name() + "." + c->name() + ": " + std::string(text);
    }
  }
  return {};
}

std::set<std::string> shellMessages() {
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

std::string printQuestion(const std::string& printer) {
  return "Print will be sent to your default printer;\r\nDefault printer: " + printer +
         "\r\nDo you want to continue?";
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

}  // namespace corvasine::fuzz
