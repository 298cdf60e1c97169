#pragma once

// Shared by the gas turbine tests: a gas window on fake services whose
// program folder holds a units file, a case typed into its boxes, and the
// figures that the reference scripts of reference/ printed.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "runtime/application.h"
#include "support/fake_services.h"

namespace corvasine::gas {

class FrmgasTest : public ::testing::Test {
 protected:
  FrmgasTest() { writeProgramFile("gtunits.qvd", "0*0*0*0*0*0*0*0*0*0\r\n"); }

  std::string path(const std::string& name) const { return services.programFolder + "/" + name; }
  void writeProgramFile(const std::string& name, const std::string& content) const {
    std::ofstream(path(name), std::ios::binary | std::ios::trunc) << content;
  }
  std::string readProgramFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  frmgas& window() { return app.form<frmgas>(); }
  GasShared& gasState() { return gasShared(app); }

  // The 14 boxes of a case file and a natural gas that sums to 100 %.
  void typeCase(frmgas& f) {
    const std::pair<runtime::TextBox*, const char*> texts[] = {
        {&f.Text1, "59"},    {&f.Text2, "150"},   {&f.Text4, "60"},    {&f.Text6, "4"},
        {&f.Text18, "80"},   {&f.Text17, "300"},  {&f.Text16, "1000"}, {&f.Text26, "1.5"},
        {&f.Text25, "98.5"}, {&f.Text10, "1050"}, {&f.Text11, "5.5"},  {&f.Text15, "15"},
        {&f.Text19, "720"},  {&f.Text20, "220"}};
    for (auto [box, text] : texts) box->setText(text);
    auto& comp = gasState().fuelComp;
    comp.fill(0.0);
    comp[1] = 85.25;
    comp[2] = 6;
    comp[4] = 2;
    comp[13] = 2;
    comp[14] = 4.25;
    comp[15] = 0.5;
  }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
};

// The messages shown so far, each as "kind|title|text".
inline std::vector<std::string> shownMessages(const corvasine::testing::FakeServices& services) {
  static const char* const kKinds[] = {"error", "warning", "question", "plain"};
  std::vector<std::string> shown;
  for (const auto& m : services.messages)
    shown.push_back(std::string(kKinds[static_cast<int>(m.kind)]) + "|" + m.title + "|" + m.text);
  return shown;
}

// The lines that a script of reference/ printed under "# <section>", up to the
// next blank line; an empty section reads from the top of the file.
inline std::vector<std::string> referenceLines(const std::string& file,
                                               const std::string& section) {
  std::ifstream in(std::string(CORVASINE_GAS_REFERENCE_DIR) + "/" + file);
  std::string line;
  if (!section.empty())
    while (std::getline(in, line) && line != "# " + section) {
    }
  std::vector<std::string> lines;
  while (std::getline(in, line) && !line.empty()) lines.push_back(line);
  EXPECT_FALSE(lines.empty()) << file << " has no section " << section;
  return lines;
}

// The figure after `key` in a printed line of figures, up to the next ", ".
inline std::string figure(const std::string& line, const std::string& key) {
  const std::size_t start = line.find(key);
  if (start == std::string::npos) return "(" + key + " missing)";
  const std::size_t from = start + key.size();
  return line.substr(from, line.find(", ", from) - from);
}

}  // namespace corvasine::gas
