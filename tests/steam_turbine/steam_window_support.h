#pragma once

// A headless steam window on fake services, for the window's tests.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/number.h"
#include "steam_turbine/frmstm.h"
#include "support/fake_services.h"

namespace corvasine::steam_turbine {

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

  // Types "Text1=500 Combo2=1 Check1=1 ..." into the window, in order.
  static void type(frmstm& f, const std::string& line) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
      const std::size_t eq = word.find('=');
      runtime::Control* c = f.findControl(word.substr(0, eq));
      ASSERT_NE(c, nullptr) << word;
      const std::string text = word.substr(eq + 1);
      if (auto* box = dynamic_cast<runtime::TextBox*>(c))
        box->setText(text);
      else if (auto* list = dynamic_cast<runtime::ComboBox*>(c))
        list->setListIndex(static_cast<int>(runtime::ParseNumber(text)));
      else if (auto* check = dynamic_cast<runtime::CheckBox*>(c))
        check->setValue(static_cast<int>(runtime::ParseNumber(text)));
    }
  }

  std::string path(const std::string& name) const { return services.programFolder + "/" + name; }
  void writeFile(const std::string& name, const std::string& content) const {
    std::ofstream(path(name), std::ios::binary | std::ios::trunc) << content;
  }
  std::string readFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
};

}  // namespace corvasine::steam_turbine
