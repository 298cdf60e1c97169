#include "gui_qt/menu_bar.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace corvasine::gui {

namespace {

QString toQ(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MenuBar::MenuBar(QMainWindow& window, runtime::Form& form, ControlHost& host)
    : form_(form), host_(host) {
  if (form.menus().empty()) return;
  bar_ = window.menuBar();
  for (const runtime::Menu& menu : form.menus()) {
    QMenu* qmenu = bar_->addMenu(toQ(menu.caption));
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
      QObject::connect(action, &QAction::triggered, &window, [this, name] {
        host_.runEvent(nullptr, name.c_str(), [this, &name] { form_.clickMenuItem(name); });
      });
    }
    QObject::connect(qmenu, &QMenu::aboutToShow, &window, [this] { syncStates(); });
  }
}

QAction* MenuBar::actionFor(const std::string& itemName) const {
  const auto it = actions_.find(itemName);
  return it != actions_.end() ? it->second : nullptr;
}

void MenuBar::syncStates() {
  if (!host_.attached()) return;
  for (const runtime::Menu& menu : form_.menus())
    for (const runtime::MenuItem& item : menu.items)
      if (QAction* action = actionFor(item.name)) action->setEnabled(item.enabled);
}

bool MenuBar::isShortcut(const QKeySequence& keys) const {
  for (const auto& [name, action] : actions_)
    if (!action->shortcut().isEmpty() && action->shortcut() == keys) return true;
  return false;
}

QAction* MenuBar::menuForKey(const QKeyEvent& key) const {
  if (bar_ == nullptr || key.modifiers() != Qt::AltModifier) return nullptr;
  const QKeySequence pressed(key.keyCombination());
  for (QAction* action : bar_->actions())
    if (action->isVisible() && QKeySequence::mnemonic(action->text()) == pressed) return action;
  return nullptr;
}

bool MenuBar::openForKey(const QKeyEvent& key) {
  QAction* menu = menuForKey(key);
  if (menu == nullptr) return false;
  syncStates();
  bar_->setActiveAction(menu);
  return true;
}

void MenuBar::disable() {
  for (auto& [name, action] : actions_) action->setEnabled(false);
}

}  // namespace corvasine::gui
