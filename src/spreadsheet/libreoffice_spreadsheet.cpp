#include "spreadsheet/libreoffice_spreadsheet.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/view/XPrintable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cstdlib>
#include <mutex>
#include <rtl/ustring.hxx>
#include <thread>
#include <vector>

#include "runtime/runtime_error.h"
#include "spreadsheet/call_watchdog.h"
#include "spreadsheet/file_url.h"
#include "spreadsheet/soffice_process.h"

namespace corvasine::spreadsheet {

namespace css = com::sun::star;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OString;
using rtl::OUString;
using runtime::RuntimeError;

namespace {

// LibreOffice's program folder, as the build found it.
constexpr const char* kProgramFolder = CORVASINE_LIBREOFFICE_PROGRAM;
constexpr auto kConnectRetryStep = std::chrono::milliseconds(50);
constexpr auto kExitWait = std::chrono::seconds(5);

OUString toUno(const std::string& text) {
  return OUString(text.data(), static_cast<sal_Int32>(text.size()), RTL_TEXTENCODING_UTF8);
}

std::string fromUno(const OUString& text) {
  const OString utf8 = OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(utf8.getStr(), static_cast<std::size_t>(utf8.getLength()));
}

css::beans::PropertyValue property(const char* name, const css::uno::Any& value) {
  css::beans::PropertyValue p;
  p.Name = OUString::createFromAscii(name);
  p.Value = value;
  return p;
}

Sequence<css::beans::PropertyValue> properties(
    const std::vector<css::beans::PropertyValue>& values) {
  return Sequence<css::beans::PropertyValue>(values.data(), static_cast<sal_Int32>(values.size()));
}

const char* filterName(runtime::WorkbookFormat format) {
  switch (format) {
    case runtime::WorkbookFormat::ExcelXml:
      return "Calc MS Excel 2007 XML";
    case runtime::WorkbookFormat::OpenDocument:
      return "calc8";
    case runtime::WorkbookFormat::Excel97:
      break;
  }
  return "MS Excel 97";
}

// The type descriptions that the generated headers make on first use are not
// made safely by two threads at once: make them all here, once.
void describeTypes() {
  cppu::UnoType<css::beans::PropertyValue>::get();
  cppu::UnoType<Sequence<css::beans::PropertyValue>>::get();
  cppu::UnoType<css::bridge::XUnoUrlResolver>::get();
  cppu::UnoType<css::container::XIndexAccess>::get();
  cppu::UnoType<css::frame::XComponentLoader>::get();
  cppu::UnoType<css::frame::XDesktop2>::get();
  cppu::UnoType<css::frame::XModel>::get();
  cppu::UnoType<css::frame::XStorable>::get();
  cppu::UnoType<css::lang::XComponent>::get();
  cppu::UnoType<css::sheet::XSpreadsheet>::get();
  cppu::UnoType<css::sheet::XSpreadsheetDocument>::get();
  cppu::UnoType<css::sheet::XSpreadsheetView>::get();
  cppu::UnoType<css::table::XCell>::get();
  cppu::UnoType<css::text::XText>::get();
  cppu::UnoType<css::uno::XComponentContext>::get();
  cppu::UnoType<css::util::XCloseable>::get();
  cppu::UnoType<css::view::XPrintable>::get();
}

// The process's own UNO environment, made once; it finds the installed
// LibreOffice through URE_BOOTSTRAP.
Reference<css::uno::XComponentContext> localContext() {
  static std::once_flag once;
  static Reference<css::uno::XComponentContext> context;
  std::call_once(once, [] {
    const std::string ureBootstrap =
        std::string("vnd.sun.star.pathname:") + kProgramFolder + "/fundamentalrc";
    setEnvironmentDefault("URE_BOOTSTRAP", ureBootstrap);
    context = cppu::defaultBootstrap_InitialComponentContext();
    describeTypes();
  });
  if (!context.is()) throw RuntimeError("no UNO environment");
  return context;
}

}  // namespace

// One running soffice with its connection and the workbook open in it.
struct LibreOfficeSpreadsheet::Session {
  explicit Session(const LibreOfficeOptions& options)
      : process(options.sofficePath), watchdog([this] { process.kill(); }) {}

  SofficeProcess process;
  CallWatchdog watchdog;
  Reference<css::frame::XDesktop2> desktop;
  Reference<css::lang::XComponent> document;
  Reference<css::sheet::XSpreadsheet> sheet;

  void connect(std::chrono::milliseconds timeout) {
    const Reference<css::bridge::XUnoUrlResolver> resolver =
        css::bridge::UnoUrlResolver::create(localContext());
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Reference<css::uno::XComponentContext> remote;
    while (!remote.is()) {
      try {
        remote.set(resolver->resolve(toUno(process.unoUrl())), UNO_QUERY_THROW);
      } catch (const css::connection::NoConnectException&) {
        if (!process.running()) throw RuntimeError("soffice ended while starting");
        if (std::chrono::steady_clock::now() >= deadline)
          throw RuntimeError("soffice did not answer in time");
        std::this_thread::sleep_for(kConnectRetryStep);
      }
    }
    desktop = css::frame::Desktop::create(remote);
  }
};

LibreOfficeSpreadsheet::LibreOfficeSpreadsheet(LibreOfficeOptions options)
    : options_(std::move(options)) {}

LibreOfficeSpreadsheet::~LibreOfficeSpreadsheet() {
  try {
    quit();
  } catch (const std::exception&) {
  }
}

std::string defaultSofficePath() { return std::string(kProgramFolder) + "/soffice"; }

namespace {

// Runs one call under the session's watchdog and turns UNO's exceptions into
// the runtime's error.
template <class Call>
void guarded(const char* what, CallWatchdog& watchdog, std::chrono::milliseconds timeout,
             Call&& call) {
  CallWatchdog::Armed armed(watchdog, timeout);
  try {
    call();
  } catch (const css::uno::Exception& error) {
    throw RuntimeError(std::string(what) + ": " + fromUno(error.Message));
  }
}

}  // namespace

void LibreOfficeSpreadsheet::openTemplate(const std::string& path) {
  if (!session_) {
    session_ = std::make_unique<Session>(options_);
    try {
      guarded("start", session_->watchdog, options_.startTimeout,
              [&] { session_->connect(options_.startTimeout); });
    } catch (...) {
      session_.reset();
      throw;
    }
  }
  if (session_->document.is()) closeWithoutSaving();
  guarded("open", session_->watchdog, options_.callTimeout, [&] {
    const Sequence<css::beans::PropertyValue> load = properties(
        {property("Hidden", css::uno::Any(true)), property("AsTemplate", css::uno::Any(true))});
    const Reference<css::frame::XComponentLoader> loader(session_->desktop, UNO_QUERY_THROW);
    session_->document = loader->loadComponentFromURL(toUno(fileUrl(path)), "_blank", 0, load);
    if (!session_->document.is()) throw RuntimeError("cannot open " + path);
  });
}

void LibreOfficeSpreadsheet::useFirstSheet() {
  if (!session_ || !session_->document.is()) throw RuntimeError("no workbook open");
  guarded("first sheet", session_->watchdog, options_.callTimeout, [&] {
    const Reference<css::sheet::XSpreadsheetDocument> workbook(session_->document, UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> sheets(workbook->getSheets(), UNO_QUERY_THROW);
    if (sheets->getCount() < 1) throw RuntimeError("the workbook has no sheet");
    session_->sheet.set(sheets->getByIndex(0), UNO_QUERY_THROW);
  });
}

namespace {

Reference<css::table::XCell> cellAt(const Reference<css::sheet::XSpreadsheet>& sheet, int row,
                                    int column) {
  if (!sheet.is()) throw RuntimeError("no sheet in use");
  if (row < 1 || column < 1) throw RuntimeError("no such cell");
  return sheet->getCellByPosition(column - 1, row - 1);
}

}  // namespace

void LibreOfficeSpreadsheet::setCellNumber(int row, int column, double value) {
  if (!session_) throw RuntimeError("no workbook open");
  guarded("cell", session_->watchdog, options_.callTimeout,
          [&] { cellAt(session_->sheet, row, column)->setValue(value); });
}

void LibreOfficeSpreadsheet::setCellText(int row, int column, const std::string& text) {
  if (!session_) throw RuntimeError("no workbook open");
  guarded("cell", session_->watchdog, options_.callTimeout, [&] {
    const Reference<css::text::XText> cellText(cellAt(session_->sheet, row, column),
                                               UNO_QUERY_THROW);
    cellText->setString(toUno(text));
  });
}

void LibreOfficeSpreadsheet::saveAs(const std::string& path, runtime::WorkbookFormat format) {
  if (!session_ || !session_->document.is()) throw RuntimeError("no workbook open");
  guarded("save", session_->watchdog, options_.callTimeout, [&] {
    const Sequence<css::beans::PropertyValue> store = properties(
        {property("FilterName", css::uno::Any(OUString::createFromAscii(filterName(format)))),
         property("Overwrite", css::uno::Any(true))});
    const Reference<css::frame::XStorable> storable(session_->document, UNO_QUERY_THROW);
    storable->storeToURL(toUno(fileUrl(path)), store);
  });
}

void LibreOfficeSpreadsheet::printOut(const std::string& printerName) {
  if (!session_ || !session_->document.is()) throw RuntimeError("no workbook open");
  if (printerName.empty()) throw RuntimeError("no printer");
  guarded("print", session_->watchdog, options_.callTimeout, [&] {
    const Reference<css::frame::XModel> model(session_->document, UNO_QUERY_THROW);
    const Reference<css::sheet::XSpreadsheetView> view(model->getCurrentController(), UNO_QUERY);
    if (view.is() && session_->sheet.is()) view->setActiveSheet(session_->sheet);

    const Reference<css::view::XPrintable> printable(session_->document, UNO_QUERY_THROW);
    printable->setPrinter(properties({property("Name", css::uno::Any(toUno(printerName)))}));
    // An unknown name silently falls back to another printer: print only
    // where the question said.
    OUString chosen;
    const Sequence<css::beans::PropertyValue> printer = printable->getPrinter();
    for (sal_Int32 i = 0; i < printer.getLength(); ++i)
      if (printer[i].Name == "Name") printer[i].Value >>= chosen;
    if (chosen != toUno(printerName)) throw RuntimeError("printer not accepted: " + printerName);
    printable->print(properties({property("Wait", css::uno::Any(true))}));
  });
}

void LibreOfficeSpreadsheet::closeWithoutSaving() {
  if (!session_ || !session_->document.is()) return;
  Reference<css::lang::XComponent> document = session_->document;
  session_->document.clear();
  session_->sheet.clear();
  guarded("close", session_->watchdog, options_.callTimeout, [&] {
    const Reference<css::util::XCloseable> closeable(document, UNO_QUERY);
    if (closeable.is())
      closeable->close(true);
    else
      document->dispose();
  });
}

// Asks soffice to end, then waits a bounded time; the session's end kills
// whatever is still there and removes the profile.
void LibreOfficeSpreadsheet::quit() {
  if (!session_) return;
  std::unique_ptr<Session> session = std::move(session_);
  session->document.clear();
  session->sheet.clear();
  if (session->desktop.is() && session->process.running()) {
    try {
      guarded("quit", session->watchdog, options_.callTimeout,
              [&] { session->desktop->terminate(); });
    } catch (const RuntimeError&) {
      // The connection goes while soffice ends; that is the expected way out.
    }
    session->desktop.clear();
    session->process.waitForExit(kExitWait);
  }
}

}  // namespace corvasine::spreadsheet
