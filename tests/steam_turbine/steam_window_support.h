#pragma once

// A headless steam window on fake services, for the window's tests.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "runtime/application.h"
#include "steam_turbine/frmstm.h"
#include "support/fake_services.h"

namespace corvasine::steam_turbine {

class SteamWindowTest : public ::testing::Test {
 protected:
  frmstm& window() { return app.form<frmstm>(); }

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
