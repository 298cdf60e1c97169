#include "gui_qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>
#include <vector>

#include "gui_qt/text_offsets.h"

namespace corvasine::gui {

using runtime::ControlKind;

namespace {

// Twips per inch: 15 twips are one pixel at 96 dots per inch.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDotsPerInch = 96.0;
// A picture without a design size shows at its own size, in pixels at 96 dpi.
constexpr int kTwipsPerPixelAt96Dpi = 15;
// A frame's caption sits in its border line, as desktop group boxes draw it.
constexpr const char* kFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 0.6em; padding: 0 0.2em; }";

QString toQ(const std::string& text) { return QString::fromStdString(text); }

double screenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 0.0;
  return dpi > 0.0 ? dpi : kDefaultDotsPerInch;
}

QFont fontOf(const runtime::Control& control) {
  const runtime::Font& font = control.font();
  QFont qfont(toQ(font.name));
  qfont.setPointSizeF(font.points > 0.0 ? font.points : 8.25);
  qfont.setBold(font.bold);
  return qfont;
}

QColor colorOf(runtime::Color color) {
  return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// The widget's selection as UTF-16 indexes [start, end) of its text.
std::pair<int, int> widgetSelection(QWidget* widget) {
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->hasSelectedText()) {
      const int start = static_cast<int>(line->selectionStart());
      return {start, start + static_cast<int>(line->selectedText().size())};
    }
    return {line->cursorPosition(), line->cursorPosition()};
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    const QTextCursor cursor = edit->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
  }
  return {0, 0};
}

QString widgetText(QWidget* widget) {
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return edit->toPlainText();
  return {};
}

void applySelection(QWidget* widget, const runtime::TextBox& box) {
  const bool multi = box.multiLine();
  const int start = widgetIndexOf(box.text(), box.selStart(), multi);
  const int end = widgetIndexOf(box.text(), box.selStart() + box.selLength(), multi);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (end > start) {
      line->setSelection(start, end - start);
    } else {
      line->setCursorPosition(start);
    }
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
  }
}

bool takesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
      return true;
    default:
      return false;
  }
}

// Whether a caption marks an access key: an "&" before anything but "&".
bool hasAccessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return true;
    ++i;
  }
  return false;
}

Qt::CheckState checkStateOf(int value) {
  if (value == 1) return Qt::Checked;
  if (value == 2) return Qt::PartiallyChecked;
  return Qt::Unchecked;
}

}  // namespace

QString withoutAccessKeys(const QString& caption) {
  QString shown;
  shown.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
        shown += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

template <class F>
void FormWindow::run(const runtime::Control* control, const char* what, F&& call) {
  if (form_ == nullptr) return;
  const std::string source = formName_ + (control != nullptr ? "." + control->name() : "");
  // One event: a form unloaded inside it is destroyed only when it has ended.
  runtime::Application::EventScope scope(app_);
  try {
    call();
  } catch (const std::exception& error) {
    std::cerr << "corvasine: " << source << " " << what << ": " << error.what() << std::endl;
  } catch (...) {
    std::cerr << "corvasine: " << source << " " << what << ": unknown error" << std::endl;
  }
}

FormWindow::FormWindow(runtime::Form& form)
    : app_(form.application()),
      form_(&form),
      formName_(form.name()),
      client_(new QWidget(this)),
      dotsPerInch_(screenDotsPerInch()) {
  setObjectName(toQ(form.name()));
  setAttribute(Qt::WA_DeleteOnClose, false);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  buildMenus();
  for (runtime::Control* control : form.controls()) buildWidget(*control);
  // As on the desktop the forms were drawn for, labels and pictures lie
  // beneath the controls that are windows of their own (edits, lists,
  // buttons, frames), keeping their order among themselves.
  const std::vector<runtime::Control*>& controls = form.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const ControlKind kind = (*it)->kind();
    if (kind == ControlKind::Label || kind == ControlKind::Picture) widgetFor(**it)->lower();
  }
  buildTabOrder();
  assignBuddies();
  findCaptionPartners();
  for (runtime::Control* control : form.controls()) syncControl(*control);
  // Keys pressed while no control has the focus reach the window; the menu
  // bar has the focus after a menu opened from the keyboard was closed.
  client_->installEventFilter(this);
  if (QMenuBar* bar = menuWidget() != nullptr ? menuBar() : nullptr) bar->installEventFilter(this);
  lastCaption_ = form.caption();
  setWindowTitle(toQ(lastCaption_));
  lastWidth_ = form.clientWidth();
  lastHeight_ = form.clientHeight();
  if (form.fixedSize()) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!form.menus().empty()) flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
  }
  applyFormSize();
  syncForm();
  // A progress text shows while its search runs, at most once per screen frame.
  form.setRepaintHandler([this](const runtime::Control& control) {
    if (repaintClock_.isValid() && repaintClock_.elapsed() < kRepaintIntervalMs) return;
    repaintClock_.start();
    if (QWidget* widget = widgetFor(control)) widget->repaint();
  });
}

FormWindow::~FormWindow() {
  if (form_ != nullptr) form_->setRepaintHandler({});
}

int FormWindow::pixels(int twips) const {
  return static_cast<int>(std::lround(twips * dotsPerInch_ / kTwipsPerInch));
}

QWidget* FormWindow::widgetFor(const runtime::Control& control) const {
  const auto it = widgets_.find(&control);
  return it != widgets_.end() ? it->second : nullptr;
}

QAction* FormWindow::actionFor(const std::string& menuItemName) const {
  const auto it = actions_.find(menuItemName);
  return it != actions_.end() ? it->second : nullptr;
}

void FormWindow::buildMenus() {
  if (form_->menus().empty()) return;
  QMenuBar* bar = menuBar();
  for (const runtime::Menu& menu : form_->menus()) {
    QMenu* qmenu = bar->addMenu(toQ(menu.caption));
    qmenu->setObjectName(toQ(menu.name));
    for (const runtime::MenuItem& item : menu.items) {
      if (item.isSeparator()) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(toQ(item.caption));
      action->setObjectName(toQ(item.name));
      if (!item.shortcut.empty())
        action->setShortcut(
            QKeySequence::fromString(toQ(item.shortcut), QKeySequence::PortableText));
      action->setShortcutContext(Qt::WindowShortcut);
      action->setEnabled(item.enabled);
      actions_[item.name] = action;
      const std::string name = item.name;
      connect(action, &QAction::triggered, this, [this, name] {
        run(nullptr, name.c_str(), [this, &name] { form_->clickMenuItem(name); });
      });
    }
    // Menu items have no change notices: their state is read when a menu
    // opens and whenever the form changes.
    connect(qmenu, &QMenu::aboutToShow, this, [this] { syncMenuStates(); });
  }
}

void FormWindow::syncMenuStates() {
  if (form_ == nullptr) return;
  for (const runtime::Menu& menu : form_->menus())
    for (const runtime::MenuItem& item : menu.items)
      if (QAction* action = actionFor(item.name)) action->setEnabled(item.enabled);
}

QWidget* FormWindow::buildWidget(runtime::Control& control) {
  if (QWidget* existing = widgetFor(control)) return existing;
  QWidget* parent = client_;
  if (runtime::Frame* frame = control.container()) parent = buildWidget(*frame);

  QWidget* widget = nullptr;
  switch (control.kind()) {
    case ControlKind::TextBox: {
      auto& box = static_cast<runtime::TextBox&>(control);
      if (box.multiLine()) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        widget = edit;
      } else {
        widget = new QLineEdit(parent);
      }
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      for (const std::string& item : static_cast<runtime::ComboBox&>(control).items())
        combo->addItem(toQ(item));
      widget = combo;
      break;
    }
    case ControlKind::CheckBox:
      widget = new QCheckBox(parent);
      // A check box that stands on a frame's edge hides the border behind it.
      widget->setAutoFillBackground(true);
      break;
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(parent);
      // The model keeps the options of a container exclusive.
      option->setAutoExclusive(false);
      widget = option;
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      widget = label;
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case ControlKind::Frame:
      widget = new QGroupBox(parent);
      widget->setAutoFillBackground(true);  // a frame hides what lies beneath it
      widget->setStyleSheet(QString::fromLatin1(kFrameStyle));
      break;
    case ControlKind::Picture: {
      auto* label = new QLabel(parent);
      const auto& picture = static_cast<runtime::Picture&>(control);
      const QPixmap pixmap(toQ(app_.services().ProgramFolder() + "/" + picture.imageFile()));
      if (!pixmap.isNull()) {
        const runtime::Rect rect = picture.rect();
        const QSize size = rect.width > 0 && rect.height > 0
                               ? QSize(pixels(rect.width), pixels(rect.height))
                               : QSize(pixels(pixmap.width() * kTwipsPerPixelAt96Dpi),
                                       pixels(pixmap.height() * kTwipsPerPixelAt96Dpi));
        // Scaled into its design rectangle, keeping its shape.
        label->setPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        label->setAlignment(Qt::AlignCenter);
        label->resize(size);
      }
      widget = label;
      break;
    }
  }
  widget->setObjectName(toQ(control.name()));
  widgets_[&control] = widget;
  controlOf_[widget] = &control;
  bindInput(control, widget);
  widget->installEventFilter(this);
  return widget;
}

void FormWindow::buildTabOrder() {
  QWidget* previous = nullptr;
  for (runtime::Control* control : form_->tabOrder()) {
    if (!takesFocus(control->kind())) continue;
    QWidget* widget = widgetFor(*control);
    if (!control->tabStop()) {
      widget->setFocusPolicy(Qt::ClickFocus);
      continue;
    }
    widget->setFocusPolicy(Qt::StrongFocus);
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

// The field that a label captions: the nearest text box or list to its
// right, in the same frame, on the same row.
void FormWindow::findCaptionPartners() {
  for (const runtime::Control* label : form_->controls()) {
    if (label->kind() != ControlKind::Label) continue;
    const runtime::Rect l = label->rect();
    const runtime::Control* best = nullptr;
    for (const runtime::Control* field : form_->controls()) {
      if (field->kind() != ControlKind::TextBox && field->kind() != ControlKind::ComboBox) continue;
      if (field->container() != label->container() || !field->visible()) continue;
      const runtime::Rect f = field->rect();
      const bool sameRow = f.top < l.top + l.height && l.top < f.top + f.height;
      if (!sameRow || f.left < l.left + l.width / 2) continue;
      if (best == nullptr || f.left < best->rect().left) best = field;
    }
    if (best != nullptr) captionPartners_[label] = best;
  }
}

// A label with an access key hands the focus to the next control in tab
// order, as on the desktop.
void FormWindow::assignBuddies() {
  const std::vector<runtime::Control*> order = form_->tabOrder();
  for (auto it = order.begin(); it != order.end(); ++it) {
    if ((*it)->kind() != ControlKind::Label) continue;
    if (!hasAccessKey(static_cast<runtime::Label*>(*it)->caption())) continue;
    const auto next = std::find_if(std::next(it), order.end(),
                                   [](const runtime::Control* c) { return takesFocus(c->kind()); });
    if (next != order.end()) static_cast<QLabel*>(widgetFor(**it))->setBuddy(widgetFor(**next));
  }
}

void FormWindow::bindInput(runtime::Control& control, QWidget* widget) {
  runtime::Control* c = &control;
  switch (control.kind()) {
    case ControlKind::TextBox: {
      auto* box = static_cast<runtime::TextBox*>(c);
      if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        connect(line, &QLineEdit::textEdited, this, [this, box] { userEditedText(*box); });
        connect(line, &QLineEdit::selectionChanged, this, [this, box] { pushSelection(*box); });
        connect(line, &QLineEdit::cursorPositionChanged, this,
                [this, box] { pushSelection(*box); });
      } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        // Signals are blocked while the model writes, so this is the user.
        connect(edit, &QPlainTextEdit::textChanged, this, [this, box] { userEditedText(*box); });
        connect(edit, &QPlainTextEdit::cursorPositionChanged, this,
                [this, box] { pushSelection(*box); });
        connect(edit, &QPlainTextEdit::selectionChanged, this,
                [this, box] { pushSelection(*box); });
      }
      break;
    }
    case ControlKind::ComboBox: {
      auto* list = static_cast<runtime::ComboBox*>(c);
      connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
              [this, list](int index) {
                run(list, "click", [this, list, index] {
                  if (mayClick(*list)) list->setListIndex(index);
                });
                if (form_ != nullptr) syncControl(*list);
              });
      break;
    }
    case ControlKind::CheckBox: {
      auto* check = static_cast<runtime::CheckBox*>(c);
      connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, [this, check] {
        run(check, "click", [this, check] {
          if (mayClick(*check)) check->setValue(check->value() == 1 ? 0 : 1);
        });
        if (form_ != nullptr) syncControl(*check);
      });
      break;
    }
    case ControlKind::OptionButton: {
      auto* option = static_cast<runtime::OptionButton*>(c);
      connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this, [this, option] {
        run(option, "click", [this, option] {
          if (mayClick(*option)) option->setValue(true);
        });
        if (form_ != nullptr) syncControl(*option);
      });
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = static_cast<runtime::CommandButton*>(c);
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, [this, button] {
        run(button, "click", [this, button] {
          if (mayClick(*button)) button->click();
        });
      });
      break;
    }
    default:
      break;  // labels take their clicks in eventFilter; frames and pictures take none
  }
}

void FormWindow::applyCommon(const runtime::Control& control, QWidget* widget) {
  const runtime::Rect rect = control.rect();
  QRect geometry(pixels(rect.left), pixels(rect.top),
                 pixels(rect.left + rect.width) - pixels(rect.left),
                 pixels(rect.top + rect.height) - pixels(rect.top));
  if (control.kind() == ControlKind::Picture && (rect.width <= 0 || rect.height <= 0))
    geometry.setSize(widget->size());
  // A one-line caption stands level with the field beside it: it takes the
  // field's height and centres its text on it.
  if (const auto partner = captionPartners_.find(&control); partner != captionPartners_.end()) {
    const runtime::Rect field = partner->second->rect();
    const int oneLine = QFontMetrics(fontOf(control)).lineSpacing();
    const int top = pixels(field.top);
    const int height = pixels(field.top + field.height) - top;
    if (geometry.height() < 2 * oneLine && height < 2 * oneLine) {
      geometry.setTop(top);
      geometry.setHeight(height);
    }
  }
  if (widget->geometry() != geometry) widget->setGeometry(geometry);
  QFont font = fontOf(control);
  const bool link =
      control.kind() == ControlKind::Label && static_cast<const runtime::Label&>(control).isLink();
  if (link && widget->underMouse()) font.setUnderline(true);
  if (widget->font() != font) widget->setFont(font);

  // The desktop's palette for the widget, with the form's own colours on it.
  QPalette palette = QApplication::palette(widget);
  bool custom = false;
  if (link) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::WindowText, palette.color(group, QPalette::Link));
    custom = true;
  }
  const bool readOnlyBox = control.kind() == ControlKind::TextBox && !control.enabled();
  if (readOnlyBox) {
    // A box the user cannot change: its text in the normal colour on the
    // background of the window, not greyed out.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    custom = true;
  }
  if (control.backColor() != runtime::kDefaultColor) {
    const QColor back = colorOf(control.backColor());
    const bool edit =
        control.kind() == ControlKind::TextBox || control.kind() == ControlKind::ComboBox;
    palette.setColor(edit ? QPalette::Base : QPalette::Window, back);
    if (control.kind() == ControlKind::CommandButton) palette.setColor(QPalette::Button, back);
    widget->setAutoFillBackground(!edit);
    custom = true;
  }
  if (control.foreColor() != runtime::kDefaultColor) {
    const QColor fore = colorOf(control.foreColor());
    // Disabled controls keep the desktop's grey.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::Text, fore);
      palette.setColor(group, QPalette::WindowText, fore);
      palette.setColor(group, QPalette::ButtonText, fore);
    }
    custom = true;
  }
  if (custom || widget->testAttribute(Qt::WA_SetPalette)) {
    if (!custom) palette = QApplication::palette(widget);
    if (widget->palette() != palette) widget->setPalette(palette);
  }

  if (control.kind() == ControlKind::TextBox) {
    applyTextBoxState(static_cast<const runtime::TextBox&>(control), widget);
  } else if (widget->testAttribute(Qt::WA_ForceDisabled) == control.enabled()) {
    widget->setEnabled(control.enabled());
  }
  if (widget->isHidden() == control.visible()) widget->setVisible(control.visible());
}

// A disabled box stays a readable, read-only widget that takes no focus and
// no mouse; a locked one can be read, selected and copied but not edited.
void FormWindow::applyTextBoxState(const runtime::TextBox& box, QWidget* widget) {
  const bool enabled = box.enabled();
  const bool readOnly = !enabled || box.locked();
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->isReadOnly() != readOnly) line->setReadOnly(readOnly);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    if (edit->isReadOnly() != readOnly) edit->setReadOnly(readOnly);
    if (readOnly)
      edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  const Qt::FocusPolicy policy =
      !enabled ? Qt::NoFocus : (box.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  if (widget->focusPolicy() != policy) widget->setFocusPolicy(policy);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

void FormWindow::syncControl(const runtime::Control& control) {
  QWidget* widget = widgetFor(control);
  if (widget == nullptr) return;
  applyCommon(control, widget);
  switch (control.kind()) {
    case ControlKind::TextBox:
      syncTextBox(static_cast<const runtime::TextBox&>(control), widget);
      break;
    case ControlKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      const int index = static_cast<const runtime::ComboBox&>(control).listIndex();
      if (combo->currentIndex() != index) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
      }
      break;
    }
    case ControlKind::CheckBox: {
      const auto& check = static_cast<const runtime::CheckBox&>(control);
      auto* box = static_cast<QCheckBox*>(widget);
      const QSignalBlocker block(box);
      box->setText(toQ(check.caption()));
      box->setTristate(check.value() == 2);
      box->setCheckState(checkStateOf(check.value()));
      break;
    }
    case ControlKind::OptionButton: {
      const auto& option = static_cast<const runtime::OptionButton&>(control);
      auto* radio = static_cast<QRadioButton*>(widget);
      const QSignalBlocker block(radio);
      radio->setText(toQ(option.caption()));
      radio->setChecked(option.value());
      break;
    }
    case ControlKind::Label: {
      const auto& label = static_cast<const runtime::Label&>(control);
      auto* qlabel = static_cast<QLabel*>(widget);
      // With a buddy the label underlines its access key itself.
      const QString caption = qlabel->buddy() != nullptr ? toQ(label.caption())
                                                         : withoutAccessKeys(toQ(label.caption()));
      if (qlabel->text() != caption) qlabel->setText(caption);
      // A link shows the pointing hand, as the desktop's links do.
      if (label.isLink() != (qlabel->cursor().shape() == Qt::PointingHandCursor)) {
        if (label.isLink())
          qlabel->setCursor(Qt::PointingHandCursor);
        else
          qlabel->unsetCursor();
      }
      Qt::Alignment align = Qt::AlignLeft;
      if (label.alignment() == 1) align = Qt::AlignRight;
      if (label.alignment() == 2) align = Qt::AlignHCenter;
      // A one-line caption is centred on the height of its row, so that it
      // stands level with the text of the field beside it.
      const bool oneLine = qlabel->height() < 2 * QFontMetrics(qlabel->font()).lineSpacing();
      qlabel->setAlignment(align | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
      break;
    }
    case ControlKind::CommandButton: {
      const auto& button = static_cast<const runtime::CommandButton&>(control);
      auto* push = static_cast<QPushButton*>(widget);
      const QString caption = toQ(button.caption());
      if (push->text() != caption) push->setText(caption);
      push->setDefault(button.isDefault());
      break;
    }
    case ControlKind::Frame: {
      auto* group = static_cast<QGroupBox*>(widget);
      const QString caption = toQ(static_cast<const runtime::Frame&>(control).caption());
      if (group->title() != caption) group->setTitle(caption);
      break;
    }
    case ControlKind::Picture:
      break;
  }
}

void FormWindow::syncTextBox(const runtime::TextBox& box, QWidget* widget) {
  const QString shown = toQ(displayText(box.text(), box.multiLine()));
  const QSignalBlocker block(widget);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->text() != shown) {
      line->setText(shown);
      applySelection(widget, box);
      return;
    }
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    if (edit->toPlainText() != shown) {
      edit->setPlainText(shown);
      applySelection(widget, box);
      return;
    }
  }
  // The same text: the caret stays where the user left it, unless the model
  // moved the selection itself.
  if (editing_ == &box) return;
  const auto [start, end] = widgetSelection(widget);
  const int modelStart = byteOffsetOf(box.text(), start, box.multiLine());
  const int modelEnd = byteOffsetOf(box.text(), end, box.multiLine());
  if (modelStart != box.selStart() || modelEnd - modelStart != box.selLength())
    applySelection(widget, box);
}

void FormWindow::applyFormSize() {
  const int width = pixels(form_->clientWidth());
  const int height = pixels(form_->clientHeight());
  if (form_->fixedSize()) {
    client_->setFixedSize(width, height);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
  } else {
    client_->setMinimumSize(0, 0);
    client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int menuHeight = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
    resize(width, height + menuHeight);
  }
}

bool FormWindow::syncForm() {
  if (form_ == nullptr) return false;
  syncMenuStates();
  bool changed = false;
  if (form_->caption() != lastCaption_) {
    lastCaption_ = form_->caption();
    setWindowTitle(toQ(lastCaption_));
    changed = true;
  }
  if (form_->clientWidth() != lastWidth_ || form_->clientHeight() != lastHeight_) {
    lastWidth_ = form_->clientWidth();
    lastHeight_ = form_->clientHeight();
    applyFormSize();
    changed = true;
  }
  if (form_->activeControl() != lastActive_) {
    lastActive_ = form_->activeControl();
    focusModelControl();
    changed = true;
  }
  return changed;
}

void FormWindow::focusModelControl() {
  if (form_ == nullptr || form_->activeControl() == nullptr) return;
  QWidget* widget = widgetFor(*form_->activeControl());
  if (widget != nullptr && !widget->hasFocus() && widget->focusPolicy() != Qt::NoFocus)
    widget->setFocus(Qt::OtherFocusReason);
}

void FormWindow::showFirst(int cascadeStep) {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    const int offset = pixels(360) * cascadeStep;  // a quarter inch per open window
    QPoint topLeft = area.center() - QPoint(width() / 2, height() / 2) + QPoint(offset, offset);
    topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() - width())));
    topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() - height())));
    move(topLeft);
  }
  show();
  raise();
  activateWindow();
  focusModelControl();
}

void FormWindow::detach() {
  if (form_ != nullptr) form_->setRepaintHandler({});
  form_ = nullptr;
  editing_ = nullptr;
  refused_ = nullptr;
  lastActive_ = nullptr;
  for (auto& [name, action] : actions_) action->setEnabled(false);
}

void FormWindow::userEditedText(runtime::TextBox& box) {
  QWidget* widget = widgetFor(box);
  const std::string text = modelTextFromDisplay(widgetText(widget).toStdString(), box.multiLine());
  run(&box, "change", [&] {
    editing_ = &box;
    struct Reset {
      const runtime::TextBox*& slot;
      ~Reset() { slot = nullptr; }
    } reset{editing_};
    box.setText(text);
    if (form_ != nullptr) pushSelection(box);
  });
}

void FormWindow::pushSelection(runtime::TextBox& box) {
  if (form_ == nullptr) return;
  QWidget* widget = widgetFor(box);
  // The user selects only in the box that has the focus; a box losing it to
  // a menu or another control drops its selection on the screen, which the
  // model keeps for the edit commands.
  if (!widget->hasFocus() && editing_ != &box) return;
  const QString shown = widgetText(widget);
  if (shown != toQ(displayText(box.text(), box.multiLine()))) return;  // not in step yet
  const auto [start, end] = widgetSelection(widget);
  const int modelStart = byteOffsetOf(box.text(), start, box.multiLine());
  const int modelEnd = byteOffsetOf(box.text(), end, box.multiLine());
  if (modelStart == box.selStart() && modelEnd - modelStart == box.selLength()) return;
  run(&box, "selection", [&] { box.setSelection(modelStart, modelEnd - modelStart); });
}

void FormWindow::userFocused(runtime::Control& control) {
  if (form_ == nullptr || form_->activeControl() == &control) {
    refused_ = nullptr;
    return;
  }
  bool moved = true;
  run(&control, "focus", [&] { moved = form_->setFocus(control); });
  if (form_ == nullptr) return;
  if (moved) {
    refused_ = nullptr;
    return;
  }
  // A list's validate handler kept the focus: give it back once Qt is done
  // moving it.
  refused_ = &control;
  QTimer::singleShot(0, this, [this] { focusModelControl(); });
}

bool FormWindow::mayClick(runtime::Control& control) {
  if (refused_ == &control) {
    refused_ = nullptr;
    return false;
  }
  if (form_->activeControl() == &control) return true;
  QWidget* widget = widgetFor(control);
  if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) return true;
  return form_->setFocus(control);
}

bool FormWindow::isMenuShortcut(const QKeySequence& keys) const {
  for (const auto& [name, action] : actions_)
    if (!action->shortcut().isEmpty() && action->shortcut() == keys) return true;
  return false;
}

bool FormWindow::handleKey(QKeyEvent* event) {
  if (form_ == nullptr) return false;
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  const bool escape = key == Qt::Key_Escape;
  if ((!enter && !escape) || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
    return false;
  // Enter presses the button that has the focus, else the default button;
  // Esc presses the cancel button.
  runtime::CommandButton* target = nullptr;
  if (enter) {
    const auto it = controlOf_.find(QApplication::focusWidget());
    if (it != controlOf_.end() && it->second->kind() == ControlKind::CommandButton)
      target = static_cast<runtime::CommandButton*>(it->second);
  }
  if (target == nullptr) {
    for (runtime::Control* control : form_->controls()) {
      if (control->kind() != ControlKind::CommandButton) continue;
      auto* button = static_cast<runtime::CommandButton*>(control);
      if ((enter && button->isDefault()) || (escape && button->isCancel())) {
        target = button;
        break;
      }
    }
  }
  // A dialog without a cancel button closes on Esc as from its title bar.
  if (target == nullptr && escape && form_->closesOnEscape()) {
    close();
    return true;
  }
  if (target == nullptr || !target->acceptsInput()) return false;
  run(target, "click", [target] { target->click(); });
  return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (form_ == nullptr) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      auto* key = static_cast<QKeyEvent*>(event);
      // Alt and a menu's access key open that menu at every press: taken as
      // a plain key press, it competes with no button's access key.
      if (menuForKey(*key) != nullptr) {
        event->accept();
        return true;
      }
      // A menu's shortcut wins over the edit's own use of the key (Ctrl+A).
      if (isMenuShortcut(QKeySequence(key->keyCombination()))) return true;
      break;
    }
    case QEvent::KeyPress:
      if (openMenuForKey(*static_cast<QKeyEvent*>(event))) return true;
      if (handleKey(static_cast<QKeyEvent*>(event))) return true;
      break;
    case QEvent::FocusIn: {
      const auto it = controlOf_.find(watched);
      if (it == controlOf_.end() || !takesFocus(it->second->kind())) break;
      // Back from a menu or another window: the box shows the selection that
      // the model kept.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (it->second->kind() == ControlKind::TextBox &&
          (reason == Qt::MenuBarFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::ActiveWindowFocusReason)) {
        const QSignalBlocker block(watched);
        applySelection(static_cast<QWidget*>(watched),
                       *static_cast<const runtime::TextBox*>(it->second));
      }
      userFocused(*it->second);
      break;
    }
    case QEvent::Enter:
    case QEvent::Leave: {
      // A link is underlined while the mouse is over it.
      const auto it = controlOf_.find(watched);
      if (it != controlOf_.end() && it->second->kind() == ControlKind::Label &&
          static_cast<runtime::Label*>(it->second)->isLink()) {
        auto* label = static_cast<QWidget*>(watched);
        QFont font = label->font();
        font.setUnderline(event->type() == QEvent::Enter);
        label->setFont(font);
      }
      break;
    }
    case QEvent::MouseButtonPress: {
      const auto it = controlOf_.find(watched);
      if (it != controlOf_.end() && it->second->kind() == ControlKind::Label) {
        auto* label = static_cast<runtime::Label*>(it->second);
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && label->acceptsInput()) {
          run(label, "click", [label] { label->click(); });
          return true;
        }
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

QAction* FormWindow::menuForKey(const QKeyEvent& key) const {
  if (menuWidget() == nullptr || key.modifiers() != Qt::AltModifier) return nullptr;
  const QKeySequence pressed(key.keyCombination());
  for (QAction* action : menuBar()->actions())
    if (action->isVisible() && QKeySequence::mnemonic(action->text()) == pressed) return action;
  return nullptr;
}

bool FormWindow::openMenuForKey(const QKeyEvent& key) {
  QAction* menu = menuForKey(key);
  if (menu == nullptr) return false;
  syncMenuStates();
  menuBar()->setActiveAction(menu);
  return true;
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (openMenuForKey(*event)) return;
  if (handleKey(event)) return;
  QMainWindow::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (form_ == nullptr) {
    event->accept();
    return;
  }
  bool unloaded = false;
  runtime::Form* form = form_;
  run(nullptr, "unload", [&] { unloaded = app_.unload(*form); });
  event->setAccepted(unloaded);
}

}  // namespace corvasine::gui
