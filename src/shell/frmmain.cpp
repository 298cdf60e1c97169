#include "shell/frmmain.h"

#include "shell/maker.h"

namespace corvasine::shell {

namespace {
constexpr int kClientWidth = 4725;   // twips
constexpr int kClientHeight = 3645;  // twips
constexpr const char* kGasWindow = "frmgas";
constexpr const char* kSteamWindow = "frmstm";
}  // namespace

frmmain::frmmain(runtime::Application& app) : Form(app, "frmmain") {
  setCaption(kProductName);
  setClientSize(kClientWidth, kClientHeight);
  lblcorva.setFont({"Arial", 24});
  lblbrenno.setFont({"Tahoma", 14.25});
  for (runtime::CommandButton* button : {&cmdgas, &cmdsteam, &cmdsupport})
    button->setFont({"Tahoma", 12});
  lblcorva.setTabStop(false);
  lblbrenno.setTabStop(false);
  cmdgas.setTabIndex(0);
  cmdsteam.setTabIndex(1);
  cmdsupport.setTabIndex(2);
  lblcorva.setTabIndex(3);
  lblbrenno.setTabIndex(4);

  cmdgas.onClick = [this] { cmdgas_Click(); };
  cmdsteam.onClick = [this] { cmdsteam_Click(); };
  cmdsupport.onClick = [this] { cmdsupport_Click(); };
}

void frmmain::Form_Load() {
  lblcorva.setCaption(kProductName);
  lblbrenno.setCaption(kMakerName);
  // A calculator that is not part of this build cannot be opened.
  cmdgas.setEnabled(application().hasOpener(kGasWindow));
  cmdsteam.setEnabled(application().hasOpener(kSteamWindow));
}

void frmmain::cmdgas_Click() { application().showForm(kGasWindow); }

void frmmain::cmdsteam_Click() { application().showForm(kSteamWindow); }

void frmmain::cmdsupport_Click() { application().services().openWebPage(kSupportPage); }

}  // namespace corvasine::shell
