#pragma once

// What both calculator windows share: the File, Edit and Help menus with
// their shortcut keys, Exit and the quit question, Cut/Copy/Paste on the
// active text box, Help on the help file of the program folder, the about
// box and the notice that opens the maker's home page. A calculator window
// derives from it and adds its own controls, menu items and handlers.

#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/layout.h"

namespace corvasine::shell {

// The rows of the calculators' frames, twips: caption, field and unit list
// (or unit label) at the same lefts and widths in both windows.
inline constexpr runtime::RowLayout kCalculatorRows{.captionLeft = 120,
                                                    .captionWidth = 2175,
                                                    .fieldLeft = 2400,
                                                    .fieldWidth = 1095,
                                                    .unitLeft = 3600,
                                                    .unitWidth = 975,
                                                    .unitLabelLeft = 3600,
                                                    .firstTop = 300,
                                                    .step = 360,
                                                    .fieldHeight = 285,
                                                    .listHeight = 315};

// Rights notice under each calculator's result box.
inline constexpr const char* kRightsNotice = "Copyright © Brennovask. All rights reserved.";

class CalculatorWindow : public runtime::Form {
 public:
  // quitTitle titles the question asked when the window closes.
  CalculatorWindow(runtime::Application& app, std::string name, std::string quitTitle);

  // Asks "Are you sure to quit?"; No cancels the closing.
  void Form_Unload(int& cancel) override;

  // The help file that Help shows, named at load.
  const std::string& helpFile() const { return helpFile_; }

  virtual void m_new_Click() = 0;
  virtual void m_save_Click() = 0;
  virtual void m_open_Click() = 0;
  void m_exit_Click();
  void m_copy_Click();
  void m_cut_Click();
  void m_paste_Click();
  void m_help_Click();
  void m_about_Click();

 protected:
  // Names the help file: corvasine.hlp in the program folder (part of the load step).
  void nameHelpFile();
  // File: New, Save, Open, then the window's own items, then Exit; Edit: Copy,
  // Cut, Paste, then its own items; Help: Help, About.
  void buildMenus(std::vector<runtime::MenuItem> fileItems,
                  std::vector<runtime::MenuItem> editItems);
  // The notice's click: the maker's home page in the desktop's browser.
  void openHomePage();

 private:
  runtime::TextBox* activeTextBox() const;

  std::string quitTitle_;
  std::string helpFile_;
};

}  // namespace corvasine::shell
