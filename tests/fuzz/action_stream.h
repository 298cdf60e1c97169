#pragma once

// Runs the fuzz input as a stream of user actions on the loaded windows, as
// the Qt layer delivers them, with questions and file dialogs answered from
// the input too. After every action the promises are checked: it returned
// within its bound, no box shows a non-finite number the system made, a
// refused case file left the windows as they were, a saved case opens as it
// was saved, and Evaluate computed nothing from a box without a number.

#include <fuzzer/FuzzedDataProvider.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "fuzz/fuzz_services.h"
#include "runtime/application.h"
#include "runtime/form.h"

namespace corvasine::fuzz {

struct StreamOptions {
  // The window under test, shown at the start and again after the user closed it.
  std::string window;
  // State of the window under test that no control shows (the fuel
  // composition); a refused file must leave it as it was too.
  std::string (*hiddenState)(runtime::Application&) = nullptr;
  // The texts and values that the window's case file holds, in file order: a
  // case saved to the fuzz file must open as it was saved.
  std::vector<std::string> (*caseTexts)(runtime::Form&) = nullptr;
  // Workable cases from the tests, each typed into the window in one action
  // as "Text1=59 Combo1=1 Check1=1 ..." (a box gets the text, a list the
  // position, a check box the value), so that a short stream gets past the
  // evaluations' first checks; caseState then sets what no box holds.
  std::vector<std::string> workableCases;
  void (*caseState)(runtime::Application&) = nullptr;
  // The window's Evaluate button: while a box that it reads (named by
  // readsNumbers) holds no number it refuses with refusal and leaves the
  // result box as it was; a quiet evaluation shows a result that starts with
  // resultStart; either way the button comes back as it was.
  struct Evaluation {
    std::string button, result, refusal, resultStart;
    std::function<bool(runtime::Form&)> readsNumbers;
  };
  Evaluation evaluation;
};

// Whether every named box of the form holds a number.
bool holdNumbers(runtime::Form& form, std::initializer_list<const char*> names);

// Runs the input as a stream of actions on a fresh application with the
// registered windows; then forgets what the services recorded.
void runStream(FuzzServices& services, FuzzedDataProvider& input,
               void (*registerWindows)(runtime::Application&), const StreamOptions& options);

}  // namespace corvasine::fuzz
