#pragma once

// Shared by the gas turbine tests: a gas window on fake services whose
// program folder holds a units file, a case typed into its boxes, and the
// figures that the reference scripts of reference/ printed.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "runtime/application.h"
#include "support/fake_services.h"

namespace corvasine::gas {

using Composition = std::map<std::size_t, double>;  // component index -> mole %

using testing::typeInto;

class FrmgasTest : public ::testing::Test {
 protected:
  FrmgasTest() { services.writeProgramFile("gtunits.qvd", "0*0*0*0*0*0*0*0*0*0\r\n"); }

  frmgas& window() { return app.form<frmgas>(); }
  GasShared& gasState() { return gasShared(app); }
  // The fuel composition: these shares, every other component 0.
  void setComposition(const Composition& shares) {
    gasState().fuelComp.fill(0.0);
    for (const auto& [index, share] : shares) gasState().fuelComp[index] = share;
  }

  // The 14 boxes of a case file and a natural gas that sums to 100 %.
  void typeCase(frmgas& f) {
    typeInto(f,
             "Text1=59 Text2=150 Text4=60 Text6=4 Text18=80 Text17=300 Text16=1000 "
             "Text26=1.5 Text25=98.5 Text10=1050 Text11=5.5 Text15=15 Text19=720 Text20=220");
    setComposition({{1, 85.25}, {2, 6}, {4, 2}, {13, 2}, {14, 4.25}, {15, 0.5}});
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

// The figure printed right after `key` in the first of the lines that holds
// it, up to the next blank, comma or semicolon.
inline std::string figure(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines) {
    const std::size_t at = line.find(key);
    if (at == std::string::npos) continue;
    const std::string rest = line.substr(at + key.size());
    return rest.substr(0, rest.find_first_of(" ;,"));
  }
  ADD_FAILURE() << "no reference line " << key;
  return "";
}

}  // namespace corvasine::gas
