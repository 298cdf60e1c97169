#pragma once

#include "runtime/application.h"
#include "runtime/controls.h"

namespace corvasine::shell {

// The state shared across windows: the text boxes that the unit converters
// write into. It has no initial values of its own: the windows set every
// variable at run time (empty until then).
struct Vari {
  // The text boxes the converter dialogs write into; empty until an opener sets them.
  runtime::ControlRef<runtime::TextBox> tempTarget;
  runtime::ControlRef<runtime::TextBox> pressTarget;
  runtime::ControlRef<runtime::TextBox> moleTarget;
  runtime::ControlRef<runtime::TextBox> altTarget;
  runtime::ControlRef<runtime::TextBox> massTarget;
};

inline Vari& vari(runtime::Application& app) { return app.shared<Vari>(); }

}  // namespace corvasine::shell
