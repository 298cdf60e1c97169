#pragma once

// A gas window on fake services, its program folder holding a units file.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "gas_turbine/frmgas.h"
#include "runtime/application.h"
#include "shell/vari.h"
#include "support/fake_services.h"

namespace corvasine::gas {

class FrmgasTest : public ::testing::Test {
 protected:
  FrmgasTest() { writeProgramFile("gtunits.qvd", "0*0*0*0*0*0*0*0*0*0\r\n"); }

  void writeProgramFile(const std::string& name, const std::string& content) {
    std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
    out << content;
  }
  std::string readProgramFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string path(const std::string& name) const { return services.programFolder + "/" + name; }

  frmgas& window() { return app.form<frmgas>(); }
  shell::Vari& vari() { return shell::vari(app); }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
};

}  // namespace corvasine::gas
