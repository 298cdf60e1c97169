#include "gui_qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QSpacerItem>
#include <QTextBrowser>
#include <QUrl>

#include "runtime/runtime_error.h"
#include "runtime/text_file.h"

namespace corvasine::gui {
namespace {

QString toQ(const std::string& text) { return QString::fromStdString(text); }
std::string fromQ(const QString& text) { return text.toStdString(); }

// Size of the help window, in pixels at 96 dpi.
constexpr int kHelpWidth = 640;
constexpr int kHelpHeight = 480;

// Room that a window frame takes beside the title: icon and buttons, in
// pixels at 96 dpi.
constexpr int kTitleBarExtra = 120;

// A message box is at least as wide as its title needs, so that the window
// frame does not cut the title short.
void fitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  QFont titleFont = box.font();
  titleFont.setBold(true);
  const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void centreOnScreen(QWidget& window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

QString helpNotFoundText(const QString& file) {
  return QStringLiteral("<p>The help file <b>%1</b> could not be found.</p>")
      .arg(file.toHtmlEscaped());
}

}  // namespace

QtServices::QtServices() = default;

QtServices::~QtServices() { delete help_.data(); }

runtime::MessageAnswer QtServices::showMessage(const std::string& text, runtime::MessageKind kind,
                                               const std::string& title) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  switch (kind) {
    case runtime::MessageKind::Error:
      icon = QMessageBox::Critical;
      break;
    case runtime::MessageKind::Warning:
      icon = QMessageBox::Warning;
      break;
    case runtime::MessageKind::Question:
      buttons = QMessageBox::Yes | QMessageBox::No;
      break;
    case runtime::MessageKind::Plain:
      break;
  }
  // Without an owner: a message of a window that is still loading would
  // otherwise bring whichever window was active before it to the front.
  QMessageBox box(icon, toQ(title), toQ(text), buttons);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  fitTitle(box);
  if (kind == runtime::MessageKind::Question) {
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? runtime::MessageAnswer::Yes
                                          : runtime::MessageAnswer::No;
  }
  box.exec();
  return runtime::MessageAnswer::Ok;
}

QStringList nameFilters(const std::string& filter) {
  QStringList filters;
  const QStringList parts = toQ(filter).split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i].trimmed();
    // The name often repeats its patterns in brackets; Qt reads them from there.
    const qsizetype bracket = name.lastIndexOf(QLatin1Char('('));
    if (bracket > 0 && name.endsWith(QLatin1Char(')'))) name = name.left(bracket).trimmed();
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    }
    filters << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

std::string withDefaultExtension(const std::string& fileName, const std::string& defaultExt) {
  std::string ext = defaultExt;
  if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
  if (fileName.empty() || ext.empty()) return fileName;
  if (!QFileInfo(toQ(fileName)).suffix().isEmpty()) return fileName;
  return fileName + "." + ext;
}

std::string QtServices::runFileDialog(const runtime::FileDialogOptions& options, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), toQ(options.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Like the calculators' own dialog: a save replaces a chosen file without
  // asking, and an open accepts any name (a missing file is reported by the
  // caller's error message).
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = nameFilters(options.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!options.initialFolder.empty()) dialog.setDirectory(toQ(options.initialFolder));
  std::string ext = options.defaultExt;
  if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
  dialog.setDefaultSuffix(toQ(ext));
  if (!options.fileName.empty()) dialog.selectFile(toQ(options.fileName));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  return withDefaultExtension(fromQ(chosen.front()), options.defaultExt);
}

std::string QtServices::openFileDialog(const runtime::FileDialogOptions& options) {
  return runFileDialog(options, false);
}

std::string QtServices::saveFileDialog(const runtime::FileDialogOptions& options) {
  return runFileDialog(options, true);
}

std::string withLfLineEnds(const std::string& text) {
  std::string lf;
  lf.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf.push_back(text[i]);
  return lf;
}

std::string withCrLfLineEnds(const std::string& text) {
  std::string crlf;
  crlf.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf.push_back('\r');
    crlf.push_back(text[i]);
  }
  return crlf;
}

void QtServices::clearClipboard() { QGuiApplication::clipboard()->clear(); }

// The windows' texts end their lines with CR LF; the desktop's clipboard
// carries LF.
void QtServices::setClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(toQ(withLfLineEnds(text)));
}

std::string QtServices::clipboardText() {
  return withCrLfLineEnds(fromQ(QGuiApplication::clipboard()->text()));
}

void QtServices::showHelpContents(const std::string& helpFile) {
  if (help_ == nullptr) {
    help_ = new QTextBrowser;
    help_->setAttribute(Qt::WA_DeleteOnClose);
    help_->setWindowTitle(QStringLiteral("Corvasine - Help"));
    help_->setOpenExternalLinks(true);
    help_->resize(kHelpWidth, kHelpHeight);
    centreOnScreen(*help_);
    // Esc closes the help window, as it does a desktop viewer.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), help_);
    QObject::connect(close, &QShortcut::activated, help_.data(), &QWidget::close);
  }
  const QString path = toQ(helpFile);
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    help_->setSearchPaths({QFileInfo(path).absolutePath()});
    help_->setHtml(QString::fromUtf8(file.readAll()));
  } else {
    help_->setHtml(helpNotFoundText(path));
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void QtServices::openWebPage(const std::string& address) {
  QDesktopServices::openUrl(QUrl(toQ(address)));
}

std::string QtServices::defaultPrinterName() { return fromQ(QPrinterInfo::defaultPrinterName()); }

runtime::SpreadsheetApplication& QtServices::spreadsheet() {
  if (spreadsheet_ == nullptr) throw runtime::RuntimeError("no spreadsheet application");
  return *spreadsheet_;
}

bool QtServices::fileExists(const std::string& path) { return QFileInfo(toQ(path)).isFile(); }

void QtServices::startProgram(const std::string& path) {
  if (path.empty() || !QProcess::startDetached(toQ(path), {}))
    throw runtime::RuntimeError("cannot start " + path);
}

std::string QtServices::ProgramFolder() { return runtime::executableFolder(); }

}  // namespace corvasine::gui
