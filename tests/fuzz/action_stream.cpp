#include "fuzz/action_stream.h"

#include <array>
#include <chrono>
#include <cmath>
#include <iterator>
#include <set>
#include <string_view>
#include <vector>

#include "runtime/controls.h"
#include "runtime/number.h"
#include "shell/case_file.h"
#include "support/typed_case.h"

namespace corvasine::fuzz {

using runtime::ControlKind;
using Clock = std::chrono::steady_clock;
// An input runs at most this many actions, each within its bound.
constexpr int kMaxActions = 40;
constexpr auto kActionBound = std::chrono::seconds(3);

namespace {

// A text that a user might type: raw bytes, an odd entry, or a figure.
std::string fuzzText(FuzzedDataProvider& input) {
  static constexpr std::array<std::string_view, 20> kOdd = {
      "",  "abc", "1,5",   "1e308", "-1e308", "1e-320", "nan", "inf", " 7 ",   "^",
      "0", "-0",  "1e999", "12..3", "+",      "°C",     ".5",  "5.",  "1E+20", "\r\n"};
  switch (input.ConsumeIntegralInRange(0, 5)) {
    case 0:
      return input.ConsumeRandomLengthString(24);
    case 1:
      return std::string(kOdd[input.ConsumeIntegralInRange<std::size_t>(0, kOdd.size() - 1)]);
    case 2: {
      const double x = input.ConsumeFloatingPoint<double>();
      return std::isfinite(x) ? runtime::NumberText(x) : "1";
    }
    default:  // a figure in the range of turbine conditions
      return runtime::NumberText(
          runtime::RoundHalfEven(input.ConsumeFloatingPointInRange<double>(-100.0, 3000.0),
                                 input.ConsumeIntegralInRange(0, 3)));
  }
}

// Types "Text1=59 Combo1=1 Check1=1 ..." into the form.
void typeEntries(runtime::Form& form, const std::string& line) {
  const std::string missing = testing::typeCase(form, line);
  if (!missing.empty()) finding("a workable case names no control", missing);
}

// A click gives the control the focus first; a list whose validation refuses
// to let it go keeps the focus and the click does nothing.
bool takeFocus(runtime::Control& c) {
  return c.form().activeControl() == &c || c.form().setFocus(c);
}

class ActionStream {
 public:
  ActionStream(runtime::Application& app, FuzzServices& services, FuzzedDataProvider& input,
               const StreamOptions& options)
      : app_(app), services_(services), input_(input), options_(options) {}

  void run() {
    for (int k = 0; k < kMaxActions && input_.remaining_bytes() > 0; ++k)
      perform(input_.ConsumeIntegralInRange(0, kActionCount - 1));
  }

 private:
  // The actions, numbered in the order that the seed streams of window_seeds.py use.
  static constexpr int kActionCount = 11;
  void perform(int action) {
    static constexpr std::pair<const char*, void (ActionStream::*)()> kActions[] = {
        {"type", &ActionStream::type},
        {"pick", &ActionStream::pick},
        {"tick", &ActionStream::tick},
        {"press", &ActionStream::press},
        {"menu", &ActionStream::menu},
        {"focus", &ActionStream::focus},
        {"select", &ActionStream::select},
        {"clipboard", &ActionStream::clipboard},
        {"write file", &ActionStream::writeFile},
        {"close", &ActionStream::close},
        {"type a case", &ActionStream::typeCase}};
    static_assert(std::size(kActions) == kActionCount);
    const auto& [name, run] = kActions[action];
    const Clock::time_point start = Clock::now();
    {
      // One event, as the Qt layer runs it: a form unloaded in it goes at its end.
      runtime::Application::EventScope scope(app_);
      try {
        (this->*run)();
      } catch (const std::exception& error) {
        finding("an error escaped a handler", std::string(name) + ": " + error.what());
      }
    }
    if (app_.loadedForms().empty()) app_.showForm(options_.window);
    if (Clock::now() - start > kActionBound)
      finding("an action did not return within its bound", name);
    const std::string shown = nonFiniteShown(app_, userEdited_, userMaterial_);
    if (!shown.empty()) finding("a box shows a number that is not finite", shown);
  }

  template <class C = runtime::Control>
  C* anyInput(ControlKind kind) {
    std::vector<runtime::Control*> found;
    for (runtime::Form* form : shownForms())
      for (runtime::Control* c : form->controls())
        if (c->kind() == kind && c->acceptsInput()) found.push_back(c);
    if (found.empty()) return nullptr;
    return static_cast<C*>(found[input_.ConsumeIntegralInRange<std::size_t>(0, found.size() - 1)]);
  }

  std::vector<runtime::Form*> shownForms() const {
    std::vector<runtime::Form*> shown;
    for (runtime::Form* form : app_.loadedForms())
      if (form->visible() && !form->isUnloaded()) shown.push_back(form);
    return shown;
  }

  void type() {
    auto* box = anyInput<runtime::TextBox>(ControlKind::TextBox);
    if (box == nullptr || !takeFocus(*box)) return;
    userEdited_.insert(box);
    box->setText(text());
  }

  void pick() {
    auto* list = anyInput<runtime::ComboBox>(ControlKind::ComboBox);
    if (list == nullptr || list->items().empty() || !takeFocus(*list)) return;
    list->setListIndex(input_.ConsumeIntegralInRange<int>(0, int(list->items().size()) - 1));
  }

  void tick() {
    if (input_.ConsumeBool()) {
      auto* check = anyInput<runtime::CheckBox>(ControlKind::CheckBox);
      if (check != nullptr && takeFocus(*check)) check->setValue(check->value() == 1 ? 0 : 1);
    } else {
      auto* option = anyInput<runtime::OptionButton>(ControlKind::OptionButton);
      if (option != nullptr && takeFocus(*option)) option->setValue(true);
    }
  }

  void press() {
    if (input_.ConsumeBool()) {
      auto* button = anyInput<runtime::CommandButton>(ControlKind::CommandButton);
      if (button != nullptr && takeFocus(*button)) evaluate(*button);
    } else if (auto* label = anyInput<runtime::Label>(ControlKind::Label)) {
      label->click();  // labels take no focus; a click runs their handler at once
    }
  }

  // A click on any button; on the Evaluate button its promises are checked.
  void evaluate(runtime::CommandButton& button) {
    const auto& e = options_.evaluation;
    if (button.name() != e.button || button.form().name() != options_.window) return button.click();
    runtime::Form& form = button.form();
    const bool numbers = e.readsNumbers(form);
    const std::string caption = button.caption();
    const auto& result = static_cast<const runtime::TextBox&>(*form.findControl(e.result));
    const std::string before = result.text();
    const std::size_t shown = services_.messages.size();
    button.click();
    const bool quiet = services_.messages.size() == shown;
    if (!numbers &&
        (quiet || services_.messages[shown].text != e.refusal || result.text() != before))
      finding("Evaluate used a box that holds no number", result.text());
    if (quiet && result.text().rfind(e.resultStart, 0) != 0)
      finding("a quiet evaluation showed no result", result.text());
    if (button.caption() != caption || !button.enabled())
      finding("Evaluate did not give its button back", button.caption());
  }

  void menu() {
    std::vector<std::pair<runtime::Form*, std::string>> items;
    for (runtime::Form* form : shownForms())
      for (const runtime::Menu& m : form->menus())
        for (const runtime::MenuItem& item : m.items)
          if (!item.isSeparator() && item.enabled && item.onClick)
            items.push_back({form, item.name});
    if (items.empty()) return;
    const auto& [form, name] =
        items[input_.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)];
    const std::string before = snapshot(app_);
    const std::string hiddenBefore = options_.hiddenState ? options_.hiddenState(app_) : "";
    const std::size_t shown = services_.messages.size();
    if (name == "m_paste" && form->activeControl() != nullptr)
      userEdited_.insert(form->activeControl());
    services_.lastChosen.clear();
    form->clickMenuItem(name);
    const bool quiet = services_.messages.size() == shown;
    if (name == "m_save" && quiet && services_.lastChosen == services_.fuzzFile)
      savedCase_ = caseTexts();
    if (name == "m_open") checkOpenedFile(before, hiddenBefore, shown);
  }

  // A refused file changes nothing; a case saved to the fuzz file opens as
  // saved, but for the blanks before the first field that reading skips.
  void checkOpenedFile(const std::string& before, const std::string& hiddenBefore,
                       std::size_t shown) {
    bool refused = false;
    for (std::size_t k = shown; k < services_.messages.size(); ++k)
      refused |= services_.messages[k].text == shell::kOpenFailedMessage;
    if (refused) {
      if (snapshot(app_) != before)
        finding("a refused case file changed the window", before + "----\n" + snapshot(app_));
      if (options_.hiddenState && options_.hiddenState(app_) != hiddenBefore)
        finding("a refused case file changed the window's state");
      return;
    }
    if (services_.lastChosen != services_.fuzzFile || !savedCase_) return;
    std::vector<std::string> saved = *savedCase_;
    if (!saved.empty()) saved[0].erase(0, saved[0].find_first_not_of(" \t"));
    const std::vector<std::string> opened = caseTexts();
    for (std::size_t k = 0; k < saved.size() && k < opened.size(); ++k)
      if (saved[k] != opened[k])
        finding("a saved case did not open as it was saved",
                "field " + std::to_string(k) + ": saved \"" + saved[k] + "\", opened \"" +
                    opened[k] + "\"");
  }

  // The case of the window under test; nothing while it is closed.
  std::vector<std::string> caseTexts() {
    for (runtime::Form* form : app_.loadedForms())
      if (form->name() == options_.window && options_.caseTexts) return options_.caseTexts(*form);
    return {};
  }

  void focus() {
    static constexpr ControlKind kKinds[] = {ControlKind::TextBox, ControlKind::ComboBox,
                                             ControlKind::CheckBox, ControlKind::CommandButton,
                                             ControlKind::OptionButton};
    runtime::Control* c = anyInput(kKinds[input_.ConsumeIntegralInRange<std::size_t>(0, 4)]);
    if (c != nullptr) c->form().setFocus(*c);
  }

  void select() {
    for (runtime::Form* form : app_.loadedForms()) {
      runtime::Control* active = form->activeControl();
      if (active == nullptr || active->kind() != ControlKind::TextBox) continue;
      auto* box = static_cast<runtime::TextBox*>(active);
      const int length = static_cast<int>(box->text().size());
      const int start = input_.ConsumeIntegralInRange(0, length);
      box->setSelection(start, input_.ConsumeIntegralInRange(0, length - start));
      return;
    }
  }

  void clipboard() { services_.clipboard = text(); }

  // Raw bytes, or a line of fields joined by "^" as the case files hold them.
  void writeFile() {
    std::string bytes;
    if (input_.ConsumeBool()) {
      bytes = input_.ConsumeRandomLengthString(400);
    } else {
      for (int k = input_.ConsumeIntegralInRange(1, 40); k > 0; --k)
        bytes += fuzzText(input_) + (k > 1 ? shell::kCaseFieldSeparator : "");
      if (input_.ConsumeBool()) bytes += "\r\n";
    }
    userMaterial_ += bytes + '\n';
    writeBytes(services_.fuzzFile, bytes);
    savedCase_.reset();
  }

  // The close box of a window: its unload handler may cancel.
  void close() {
    const std::vector<runtime::Form*> shown = shownForms();
    if (!shown.empty())
      app_.unload(*shown[input_.ConsumeIntegralInRange<std::size_t>(0, shown.size() - 1)]);
  }

  void typeCase() {
    const auto& cases = options_.workableCases;
    if (cases.empty()) return;
    const std::string& line =
        cases[input_.ConsumeIntegralInRange<std::size_t>(0, cases.size() - 1)];
    for (runtime::Form* form : app_.loadedForms())
      if (form->name() == options_.window && !form->isUnloaded()) typeEntries(*form, line);
    if (options_.caseState) options_.caseState(app_);
  }

  std::string text() {
    std::string typed = fuzzText(input_);
    userMaterial_ += typed + '\n';
    return typed;
  }

  runtime::Application& app_;
  FuzzServices& services_;
  FuzzedDataProvider& input_;
  const StreamOptions& options_;
  std::set<const runtime::Control*> userEdited_;
  std::string userMaterial_;
  std::optional<std::vector<std::string>> savedCase_;  // what the fuzz file holds
};

}  // namespace

bool holdNumbers(runtime::Form& form, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (!runtime::IsNumber(static_cast<runtime::TextBox&>(*form.findControl(name)).text()))
      return false;
  return true;
}

void runStream(FuzzServices& services, FuzzedDataProvider& input,
               void (*registerWindows)(runtime::Application&), const StreamOptions& options) {
  services.answerFrom(&input);
  {
    runtime::Application app(services);
    registerWindows(app);
    app.showForm(options.window);
    ActionStream(app, services, input, options).run();
  }
  services.answerFrom(nullptr);
  services.reset();
}

}  // namespace corvasine::fuzz
