#pragma once

#include <cstdint>
#include <string>

namespace corvasine::runtime {

enum class MessageKind { Error, Warning, Question, Plain };
enum class MessageAnswer { Ok, Yes, No };

inline constexpr const char* kDefaultTitle = "Corvasine";

struct FileDialogOptions {
  std::string title;
  std::string initialFolder;
  std::string fileName;
  std::string defaultExt;
  // "Name (*.ext)|*.ext|Other (*.*)|*.*"
  std::string filter;
};

// Result codes of the registry calls.
inline constexpr long kRegSuccess = 0;
inline constexpr long kRegFileNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegMoreData = 234;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

// The three registry calls of the about box's system-information look-up,
// with their result codes (kRegSuccess on success).
class Registry {
 public:
  virtual ~Registry() = default;
  virtual long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                             std::uint32_t& key) = 0;
  // Copies the value into data (capacity in size); on success size holds the
  // value's length in bytes. A value longer than the capacity gives kRegMoreData.
  virtual long RegQueryValueExA(std::uint32_t key, const std::string& valueName,
                                std::uint32_t& type, std::uint8_t* data, std::uint32_t& size) = 0;
  virtual long RegCloseKey(std::uint32_t key) = 0;
};

// The file formats a workbook can be saved in.
enum class WorkbookFormat {
  Excel97,       // Excel 97-2003 workbook (.xls)
  ExcelXml,      // Excel 2007 and later (.xlsx)
  OpenDocument,  // OpenDocument spreadsheet (.ods)
};

// A spreadsheet application driven by automation, one workbook at a time.
// Rows and columns count from 1. Every failure, including a call that the
// application does not answer in time, raises RuntimeError.
class SpreadsheetApplication {
 public:
  virtual ~SpreadsheetApplication() = default;
  // Starts the application if needed and opens the file as a new, untitled
  // workbook: the file itself is never written.
  virtual void openTemplate(const std::string& path) = 0;
  // Makes the workbook's first worksheet the one that the cell writes go to.
  virtual void useFirstSheet() = 0;
  virtual void setCellNumber(int row, int column, double value) = 0;
  // A literal text: never read as a number or a formula.
  virtual void setCellText(int row, int column, const std::string& text) = 0;
  // Writes the workbook to the file, replacing one that is there.
  virtual void saveAs(const std::string& path, WorkbookFormat format) = 0;
  // Prints the first worksheet on the named printer; an unknown or empty name
  // is a failure and prints nothing.
  virtual void printOut(const std::string& printerName) = 0;
  virtual void closeWithoutSaving() = 0;
  // Ends the application; harmless when it is not running.
  virtual void quit() = 0;
};

// What the windows need of the desktop. The Qt layer implements it for real;
// the tests use scripted fakes.
class Services {
 public:
  virtual ~Services() = default;

  // Modal message box. Questions answer Yes or No, the others Ok.
  virtual MessageAnswer showMessage(const std::string& text, MessageKind kind,
                                    const std::string& title) = 0;
  MessageAnswer ShowMessage(const std::string& text, MessageKind kind,
                            const std::string& title = kDefaultTitle) {
    return showMessage(text, kind, title);
  }

  // File dialogs: the chosen full name, empty when cancelled.
  virtual std::string openFileDialog(const FileDialogOptions& options) = 0;
  virtual std::string saveFileDialog(const FileDialogOptions& options) = 0;

  virtual void clearClipboard() = 0;
  virtual void setClipboardText(const std::string& text) = 0;
  virtual std::string clipboardText() = 0;

  // Shows the contents of a help file.
  virtual void showHelpContents(const std::string& helpFile) = 0;
  // Opens a web page in the desktop's browser; the outcome is not reported.
  virtual void openWebPage(const std::string& address) = 0;
  // The name of the default printer; empty when there is none.
  virtual std::string defaultPrinterName() = 0;
  // RuntimeError when the program has none.
  virtual SpreadsheetApplication& spreadsheet() = 0;

  virtual Registry& registry() = 0;
  virtual bool fileExists(const std::string& path) = 0;
  // Starts a program in a normal window with the focus, without waiting;
  // RuntimeError when it cannot be started.
  virtual void startProgram(const std::string& path) = 0;

  // The folder of the program file, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
};

}  // namespace corvasine::runtime
