#include <QApplication>
#include <exception>
#include <iostream>

#include "gas_turbine/register.h"
#include "gui_qt/form_view.h"
#include "gui_qt/qt_services.h"
#include "runtime/application.h"
#include "shell/frmmain.h"
#include "spreadsheet/libreoffice_spreadsheet.h"
#include "steam_turbine/register.h"

namespace {

// The windows that the start window opens by name; the start window asks
// for them when it loads, so they are registered first.
void registerOpeners(corvasine::runtime::Application& app) {
  corvasine::gas::registerGasTurbine(app);
  corvasine::steam_turbine::registerSteamTurbine(app);
}

}  // namespace

int main(int argc, char** argv) {
  // Before any thread starts, so that every thread inherits it.
  corvasine::spreadsheet::endRunsOnTerminationSignals();
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Corvasine"));
  // The program ends when its last form has closed, not when Qt's last
  // window (a message box, the help window) has.
  QApplication::setQuitOnLastWindowClosed(false);

  corvasine::gui::QtServices services;
  // Export and print drive LibreOffice Calc, started hidden for each run.
  corvasine::spreadsheet::LibreOfficeSpreadsheet spreadsheet;
  services.setSpreadsheet(&spreadsheet);
  corvasine::runtime::Application app(services);
  corvasine::gui::FormView view(app);
  view.onLastWindowClosed = [] { QApplication::quit(); };
  registerOpeners(app);

  try {
    corvasine::runtime::Application::EventScope scope(app);
    app.form<corvasine::shell::frmmain>().show();
  } catch (const std::exception& error) {
    std::cerr << "corvasine: start: " << error.what() << std::endl;
  }
  if (!app.anyVisibleForm()) return 0;
  return QApplication::exec();
}
