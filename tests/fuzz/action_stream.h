#pragma once

// The fuzz input as a stream of user actions, as the Qt layer delivers them.
// After each: it returned within its bound, no box shows a non-finite number
// the system made, a refused case file changed nothing, a saved case opens as
// saved, and Evaluate computed nothing from a box without a number.

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
  // What no control shows; a refused file must leave it as it was too.
  std::string (*hiddenState)(runtime::Application&) = nullptr;
  // The window's case in file order: saved to the fuzz file, it must reopen so.
  std::vector<std::string> (*caseTexts)(runtime::Form&) = nullptr;
  // Workable cases, "Text1=59 Combo1=1 Check1=1 ...", each typed in one action
  // so that a short stream gets past the first checks; caseState then sets
  // what no box holds.
  std::vector<std::string> workableCases;
  void (*caseState)(runtime::Application&) = nullptr;
  // Evaluate: unless readsNumbers, it shows refusal and leaves the result box
  // as it was; a quiet one shows a result starting with resultStart; either
  // way the button comes back as it was.
  struct {
    std::string button, result, refusal, resultStart;
    std::function<bool(runtime::Form&)> readsNumbers;
  } evaluation;
};

// Whether every named box of the form holds a number.
bool holdNumbers(runtime::Form& form, std::initializer_list<const char*> names);

// Runs the input on a fresh application; then forgets what the services recorded.
void runStream(FuzzServices& services, FuzzedDataProvider& input,
               void (*registerWindows)(runtime::Application&), const StreamOptions& options);

}  // namespace corvasine::fuzz
