#pragma once

// A headless steam window on fake services, for the window's tests.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "steam_turbine/frmstm.h"
#include "support/fake_services.h"

namespace corvasine::steam_turbine {

using corvasine::testing::typeInto;

// Everything a user can see of the window, and its stream record.
inline std::vector<std::string> snapshot(frmstm& f) {
  std::vector<std::string> seen;
  for (runtime::Control* c : f.controls()) {
    std::string entry = c->name() + (c->enabled() ? "+" : "-") + (c->visible() ? "v" : "h");
    if (auto* box = dynamic_cast<runtime::TextBox*>(c))
      entry += box->text() + "#" + std::to_string(box->backColor());
    if (auto* list = dynamic_cast<runtime::ComboBox*>(c))
      entry += std::to_string(list->listIndex());
    if (auto* check = dynamic_cast<runtime::CheckBox*>(c)) entry += std::to_string(check->value());
    if (auto* label = dynamic_cast<runtime::Label*>(c)) entry += label->caption();
    seen.push_back(entry);
  }
  const StreamState& s = f.streamState();
  for (const PerGroup* values :
       {&s.streamTemp, &s.streamPress, &s.streamEntropy, &s.streamEnthalpy})
    for (double v : *values) seen.push_back(std::to_string(v));
  seen.push_back(std::to_string(s.inductionOn) + std::to_string(s.extractionOn));
  return seen;
}

class SteamWindowTest : public ::testing::Test {
 protected:
  frmstm& window() { return app.form<frmstm>(); }
  // Unloads the window, answering its quit question.
  void close(frmstm& f) {
    services.answers = {runtime::MessageAnswer::Yes};
    app.unload(f);
  }

  // A control of the window by its design name.
  template <class C = runtime::TextBox>
  static C& control(frmstm& f, const std::string& name) {
    auto* c = dynamic_cast<C*>(f.findControl(name));
    if (c == nullptr) throw std::logic_error("no control " + name);
    return *c;
  }
  static std::string text(frmstm& f, const std::string& box) { return control(f, box).text(); }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
};

}  // namespace corvasine::steam_turbine
