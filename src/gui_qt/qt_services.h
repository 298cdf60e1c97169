#pragma once

#include <QPointer>
#include <QStringList>
#include <QTextBrowser>
#include <string>

#include "gui_qt/desktop_registry.h"
#include "runtime/services.h"

namespace corvasine::gui {

// The desktop's services for the windows: message boxes, file dialogs, the
// clipboard, a help window, the browser, the printer, the registry answers of
// a Linux desktop and program start.
class QtServices : public runtime::Services {
 public:
  QtServices();
  ~QtServices() override;

  runtime::MessageAnswer showMessage(const std::string& text, runtime::MessageKind kind,
                                     const std::string& title) override;
  std::string openFileDialog(const runtime::FileDialogOptions& options) override;
  std::string saveFileDialog(const runtime::FileDialogOptions& options) override;
  void clearClipboard() override;
  void setClipboardText(const std::string& text) override;
  std::string clipboardText() override;
  void showHelpContents(const std::string& helpFile) override;
  void openWebPage(const std::string& address) override;
  std::string defaultPrinterName() override;
  // The spreadsheet application that main wired in; RuntimeError without one.
  runtime::SpreadsheetApplication& spreadsheet() override;
  void setSpreadsheet(runtime::SpreadsheetApplication* spreadsheet) { spreadsheet_ = spreadsheet; }
  runtime::Registry& registry() override { return registry_; }
  bool fileExists(const std::string& path) override;
  void startProgram(const std::string& path) override;
  std::string ProgramFolder() override;

  // The help window, once it was shown.
  QTextBrowser* helpWindow() const { return help_; }

 private:
  std::string runFileDialog(const runtime::FileDialogOptions& options, bool save);

  DesktopRegistry registry_;
  QPointer<QTextBrowser> help_;
  runtime::SpreadsheetApplication* spreadsheet_ = nullptr;
};

// Qt name filters from a filter text "Name (*.ext)|*.ext|All (*.*)|*.*":
// one per pair, the name followed by the pair's patterns in brackets. "*.*"
// becomes "*", so files without an extension show as well.
QStringList nameFilters(const std::string& filter);

// Line ends for the desktop's clipboard (CR LF to LF) and from it (LF and
// CR LF to CR LF); a lone CR stays.
std::string withLfLineEnds(const std::string& text);
std::string withCrLfLineEnds(const std::string& text);

// The chosen file name with ".ext" appended when it has no extension.
std::string withDefaultExtension(const std::string& fileName, const std::string& defaultExt);

}  // namespace corvasine::gui
