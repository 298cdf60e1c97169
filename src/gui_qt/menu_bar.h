#pragma once

#include <map>
#include <string>

#include "gui_qt/control_adapter.h"
#include "runtime/form.h"

class QAction;
class QKeyEvent;
class QKeySequence;
class QMainWindow;
class QMenuBar;

namespace corvasine::gui {

// The form's menus on its window's menu bar. Menu items have no change
// notices: their states are read when a menu opens and whenever the form
// changes.
class MenuBar {
 public:
  MenuBar(QMainWindow& window, runtime::Form& form, ControlHost& host);

  // The bar, or nullptr for a form without menus.
  QMenuBar* bar() const { return bar_; }
  QAction* actionFor(const std::string& itemName) const;
  void syncStates();
  // Whether the keys are an item's shortcut.
  bool isShortcut(const QKeySequence& keys) const;
  // The menu whose access key is pressed with Alt, or nullptr.
  QAction* menuForKey(const QKeyEvent& key) const;
  // Opens the menu of an Alt key; false when the key opens none.
  bool openForKey(const QKeyEvent& key);
  // The form has gone: no item runs any more.
  void disable();

 private:
  runtime::Form& form_;
  ControlHost& host_;
  QMenuBar* bar_ = nullptr;
  std::map<std::string, QAction*> actions_;
};

}  // namespace corvasine::gui
