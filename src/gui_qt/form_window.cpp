#include "gui_qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>
#include <vector>

namespace corvasine::gui {

using runtime::ControlKind;

namespace {

// Twips per inch: 15 twips are one pixel at 96 dots per inch.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDotsPerInch = 96.0;

QString toQ(const std::string& text) { return QString::fromStdString(text); }

double screenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 0.0;
  return dpi > 0.0 ? dpi : kDefaultDotsPerInch;
}

}  // namespace

void FormWindow::runEvent(const runtime::Control* control, const char* what,
                          const std::function<void()>& call) {
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
  menus_.emplace(*this, form, static_cast<ControlHost&>(*this));
  for (runtime::Control* control : form.controls()) buildWidget(*control);
  // As on the desktop the forms were drawn for, labels and pictures lie
  // beneath the controls that are windows of their own (edits, lists,
  // buttons, frames), keeping their order among themselves.
  const std::vector<runtime::Control*>& controls = form.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if (adapterFor(**it)->liesBeneath()) widgetFor(**it)->lower();
  buildTabOrder();
  for (runtime::Control* control : form.controls()) adapterFor(*control)->relate();
  for (runtime::Control* control : form.controls()) syncControl(*control);
  // Keys pressed while no control has the focus reach the window; the menu
  // bar has the focus after a menu opened from the keyboard was closed.
  client_->installEventFilter(this);
  if (QMenuBar* bar = menus_->bar()) bar->installEventFilter(this);
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

std::string FormWindow::programFolder() const { return app_.services().ProgramFolder(); }

ControlAdapter* FormWindow::adapterFor(const runtime::Control& control) const {
  const auto it = adapters_.find(&control);
  return it != adapters_.end() ? it->second : nullptr;
}

QWidget* FormWindow::widgetFor(const runtime::Control& control) const {
  const ControlAdapter* adapter = adapterFor(control);
  return adapter != nullptr ? adapter->widget() : nullptr;
}

bool FormWindow::takesFocus(const runtime::Control& control) const {
  const ControlAdapter* adapter = adapterFor(control);
  return adapter != nullptr && adapter->takesFocus();
}

QAction* FormWindow::actionFor(const std::string& menuItemName) const {
  return menus_->actionFor(menuItemName);
}

QWidget* FormWindow::buildWidget(runtime::Control& control) {
  if (QWidget* existing = widgetFor(control)) return existing;
  QWidget* parent = client_;
  if (runtime::Frame* frame = control.container()) parent = buildWidget(*frame);
  ControlAdapter* adapter = makeAdapter(control, parent, *this);
  adapters_[&control] = adapter;
  adapterOfWidget_[adapter->widget()] = adapter;
  adapter->widget()->installEventFilter(this);
  return adapter->widget();
}

void FormWindow::buildTabOrder() {
  QWidget* previous = nullptr;
  for (runtime::Control* control : form_->tabOrder()) {
    if (!takesFocus(*control)) continue;
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

void FormWindow::syncControl(const runtime::Control& control) {
  if (ControlAdapter* adapter = form_ != nullptr ? adapterFor(control) : nullptr) adapter->sync();
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
  menus_->syncStates();
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
  refused_ = nullptr;
  lastActive_ = nullptr;
  menus_->disable();
}

void FormWindow::userFocused(runtime::Control& control) {
  if (form_ == nullptr || form_->activeControl() == &control) {
    refused_ = nullptr;
    return;
  }
  bool moved = true;
  runEvent(&control, "focus", [&] { moved = form_->setFocus(control); });
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
    const auto it = adapterOfWidget_.find(QApplication::focusWidget());
    if (it != adapterOfWidget_.end() && it->second->control().kind() == ControlKind::CommandButton)
      target = static_cast<runtime::CommandButton*>(&it->second->control());
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
  runEvent(target, "click", [target] { target->click(); });
  return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (form_ == nullptr) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      auto* key = static_cast<QKeyEvent*>(event);
      // Alt and a menu's access key open that menu at every press: taken as
      // a plain key press, it competes with no button's access key.
      if (menus_->menuForKey(*key) != nullptr) {
        event->accept();
        return true;
      }
      // A menu's shortcut wins over the edit's own use of the key (Ctrl+A).
      if (menus_->isShortcut(QKeySequence(key->keyCombination()))) return true;
      break;
    }
    case QEvent::KeyPress:
      if (menus_->openForKey(*static_cast<QKeyEvent*>(event))) return true;
      if (handleKey(static_cast<QKeyEvent*>(event))) return true;
      break;
    default: {
      const auto it = adapterOfWidget_.find(watched);
      if (it == adapterOfWidget_.end()) break;
      ControlAdapter& adapter = *it->second;
      if (event->type() == QEvent::FocusIn && !adapter.takesFocus()) break;
      if (adapter.filter(*event)) return true;
      if (event->type() == QEvent::FocusIn) userFocused(adapter.control());
      break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (menus_->openForKey(*event)) return;
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
  runEvent(nullptr, "unload", [&] { unloaded = app_.unload(*form); });
  event->setAccepted(unloaded);
}

}  // namespace corvasine::gui
