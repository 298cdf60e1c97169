#pragma once

// A case typed as "Text1=59 cmbtemp=1 Check1=1 ...": a box takes the text, a
// list the position, a check box the value. No googletest: the fuzz targets use it.

#include <sstream>
#include <string>

#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/number.h"

namespace corvasine::testing {

// Types the case into the form up to the first name that names no control,
// and returns that name ("" when every name does).
inline std::string typeCase(runtime::Form& form, const std::string& line) {
  std::istringstream words(line);
  for (std::string word; words >> word;) {
    const std::size_t eq = word.find('=');
    runtime::Control* c = form.findControl(word.substr(0, eq));
    if (c == nullptr) return word.substr(0, eq);
    const std::string text = word.substr(eq + 1);
    if (auto* box = dynamic_cast<runtime::TextBox*>(c))
      box->setText(text);
    else if (auto* list = dynamic_cast<runtime::ComboBox*>(c))
      list->setListIndex(static_cast<int>(runtime::ParseNumber(text)));
    else if (auto* check = dynamic_cast<runtime::CheckBox*>(c))
      check->setValue(static_cast<int>(runtime::ParseNumber(text)));
  }
  return "";
}

}  // namespace corvasine::testing
