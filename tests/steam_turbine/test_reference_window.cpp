// The reference figures of reference/steam_reference.py, typed into the real
// window: every derived box after the typing and, for the cases, the message,
// the exhaust flow and the result text of Evaluate, character by character.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "runtime/number.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

struct ReferenceBlock {
  std::string name;
  std::map<std::string, std::string> lines;  // by their first word
};

std::vector<ReferenceBlock> readReference() {
  std::ifstream in(std::string(CORVASINE_STEAM_REFERENCE_DIR) + "/steam_reference.txt");
  std::vector<ReferenceBlock> blocks;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("# field ", 0) == 0 || line.rfind("# case ", 0) == 0) {
      blocks.push_back({line.substr(2), {}});
    } else if (!blocks.empty() && !line.empty() && line[0] != '#') {
      const std::size_t blank = line.find(' ');
      blocks.back().lines[line.substr(0, blank)] =
          blank == std::string::npos ? "" : line.substr(blank + 1);
    }
  }
  std::erase_if(blocks, [](const ReferenceBlock& b) { return b.lines.count("typed") == 0; });
  return blocks;
}

// "Text1=500 Combo2=1" as name and text pairs, in order.
std::vector<std::pair<std::string, std::string>> assignments(const std::string& line) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    const std::size_t eq = word.find('=');
    pairs.emplace_back(word.substr(0, eq), word.substr(eq + 1));
  }
  return pairs;
}

std::string unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 4, "\\r\\n") == 0) {
      out += "\r\n";
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

class ReferenceWindowTest : public SteamWindowTest {
 protected:
  void type(frmstm& f, const std::string& line) {
    for (const auto& [name, text] : assignments(line)) {
      runtime::Control* c = f.findControl(name);
      ASSERT_NE(c, nullptr) << name;
      if (auto* box = dynamic_cast<runtime::TextBox*>(c))
        box->setText(text);
      else if (auto* list = dynamic_cast<runtime::ComboBox*>(c))
        list->setListIndex(static_cast<int>(runtime::ParseNumber(text)));
      else if (auto* check = dynamic_cast<runtime::CheckBox*>(c))
        check->setValue(static_cast<int>(runtime::ParseNumber(text)));
    }
  }
};

TEST_F(ReferenceWindowTest, EveryReferenceBlockTypedIntoTheWindow) {
  const std::vector<ReferenceBlock> blocks = readReference();
  ASSERT_GE(blocks.size(), 15u);
  int cases = 0;
  for (const ReferenceBlock& block : blocks) {
    SCOPED_TRACE(block.name);
    frmstm& f = window();
    services.messages.clear();
    type(f, block.lines.at("typed"));
    for (const auto& [name, text] : assignments(block.lines.at("shown"))) {
      auto* box = dynamic_cast<runtime::TextBox*>(f.findControl(name));
      ASSERT_NE(box, nullptr) << name;
      EXPECT_EQ(box->text(), text) << name;
    }
    if (block.lines.count("results") == 0) {
      services.answers = {runtime::MessageAnswer::Yes};
      app.unload(f);
      continue;
    }
    ++cases;
    const std::string before = f.results.text();
    f.cmdresult.click();
    const std::string message = block.lines.at("message");
    if (message == "-") {
      EXPECT_TRUE(services.messages.empty());
    } else {
      ASSERT_EQ(services.messages.size(), 1u);
      EXPECT_EQ(services.messages[0].text, message);
    }
    const std::string exhaust = block.lines.at("Text24");
    if (exhaust != "-") {
      EXPECT_EQ(f.Text24.text(), exhaust);
    }
    const std::string results = block.lines.at("results");
    EXPECT_EQ(f.results.text(), results == "-" ? before : unescaped(results));
    EXPECT_EQ(f.cmdresult.caption(), "Evaluate Performance");
    EXPECT_TRUE(f.cmdresult.enabled());
    services.answers = {runtime::MessageAnswer::Yes};
    app.unload(f);
  }
  EXPECT_GE(cases, 6);
}

}  // namespace
}  // namespace corvasine::steam_turbine
