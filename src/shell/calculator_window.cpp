#include "shell/calculator_window.h"

#include "shell/frmboota.h"
#include "shell/maker.h"

namespace corvasine::shell {

using runtime::MenuItem;
using runtime::MessageAnswer;
using runtime::MessageKind;

namespace {
constexpr const char* kHelpFileName = "corvasine.hlp";
constexpr const char* kQuitQuestion = "Are you sure to quit?";
}  // namespace

CalculatorWindow::CalculatorWindow(runtime::Application& app, std::string name,
                                   std::string quitTitle)
    : Form(app, std::move(name)), quitTitle_(std::move(quitTitle)) {}

void CalculatorWindow::Form_Unload(int& cancel) {
  const MessageAnswer answer =
      application().services().ShowMessage(kQuitQuestion, MessageKind::Question, quitTitle_);
  cancel = answer == MessageAnswer::Yes ? 0 : 1;
}

void CalculatorWindow::nameHelpFile() {
  helpFile_ = application().services().ProgramFolder() + "/" + kHelpFileName;
}

void CalculatorWindow::buildMenus(std::vector<MenuItem> fileItems,
                                  std::vector<MenuItem> editItems) {
  std::vector<MenuItem> file{{"m_new", "&New", "Ctrl+N", [this] { m_new_Click(); }},
                             {"m_save", "&Save", "Ctrl+S", [this] { m_save_Click(); }},
                             {"m_open", "&Open", "Ctrl+O", [this] { m_open_Click(); }},
                             {"mnu_sep1", "-", "", {}}};
  if (!fileItems.empty()) {
    file.insert(file.end(), fileItems.begin(), fileItems.end());
    file.push_back({"mnu_sep2", "-", "", {}});
  }
  file.push_back({"m_exit", "&Exit", "", [this] { m_exit_Click(); }});

  std::vector<MenuItem> edit{{"m_copy", "&Copy", "Ctrl+C", [this] { m_copy_Click(); }},
                             {"m_cut", "&Cut", "Ctrl+X", [this] { m_cut_Click(); }},
                             {"m_paste", "&Paste", "Ctrl+V", [this] { m_paste_Click(); }}};
  if (!editItems.empty()) {
    edit.push_back({"mnu_sep3", "-", "", {}});
    edit.insert(edit.end(), editItems.begin(), editItems.end());
  }

  menus() = {{"mm_file", "&File", std::move(file)},
             {"mm_edit", "&Edit", std::move(edit)},
             {"mm_help",
              "&Help",
              {{"m_help", "&Help", "F1", [this] { m_help_Click(); }},
               {"m_about", "&About", "Ctrl+A", [this] { m_about_Click(); }}}}};
}

void CalculatorWindow::m_exit_Click() { application().unload(*this); }

runtime::TextBox* CalculatorWindow::activeTextBox() const {
  runtime::Control* active = activeControl();
  if (active == nullptr || active->kind() != runtime::ControlKind::TextBox) return nullptr;
  return static_cast<runtime::TextBox*>(active);
}

void CalculatorWindow::m_copy_Click() {
  runtime::TextBox* box = activeTextBox();
  if (box == nullptr) return;
  auto& services = application().services();
  services.clearClipboard();
  services.setClipboardText(box->selectedText());
}

// Cut and Paste edit only a box the user can type into; computed boxes and
// the result stay as their handlers wrote them.
void CalculatorWindow::m_cut_Click() {
  runtime::TextBox* box = activeTextBox();
  if (box == nullptr) return;
  m_copy_Click();
  if (box->acceptsInput() && !box->locked()) box->replaceSelection("");
}

void CalculatorWindow::m_paste_Click() {
  runtime::TextBox* box = activeTextBox();
  if (box == nullptr || !box->acceptsInput() || box->locked()) return;
  box->replaceSelection(application().services().clipboardText());
}

void CalculatorWindow::m_help_Click() { application().services().showHelpContents(helpFile_); }

void CalculatorWindow::m_about_Click() { application().form<frmboota>().show(); }

void CalculatorWindow::openHomePage() { application().services().openWebPage(kHomePage); }

}  // namespace corvasine::shell
