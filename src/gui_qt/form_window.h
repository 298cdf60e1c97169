#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <map>
#include <optional>
#include <string>

#include "gui_qt/control_adapter.h"
#include "gui_qt/menu_bar.h"
#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"

class QAction;

namespace corvasine::gui {

// The real window of one form: a top window with the form's menus and a
// client area in which every control of the form has its widget, made and
// kept in step by the adapter of its kind, at its design rectangle. The
// window holds what concerns the form as a whole (size, caption, focus, the
// keys Enter and Esc, closing); it holds no behaviour of its own.
class FormWindow : public QMainWindow, private ControlHost {
 public:
  explicit FormWindow(runtime::Form& form);
  ~FormWindow() override;

  // The form, or nullptr once it has been unloaded.
  runtime::Form* form() const { return form_; }
  QWidget* widgetFor(const runtime::Control& control) const override;
  QAction* actionFor(const std::string& menuItemName) const;

  // Pixels for a length in twips, at the screen's logical resolution.
  int pixels(int twips) const override;

  // Model -> widgets.
  void syncControl(const runtime::Control& control) override;
  // Caption, size and focus of the form; true when one of them changed.
  bool syncForm();
  // Shows the window for the first time, placed on the screen.
  void showFirst(int cascadeStep);

  // The form has been unloaded: the window forgets it and touches it no more.
  void detach();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ControlHost.
  std::string programFolder() const override;
  bool attached() const override { return form_ != nullptr; }
  void runEvent(const runtime::Control* control, const char* what,
                const std::function<void()>& call) override;
  bool mayClick(runtime::Control& control) override;
  bool takesFocus(const runtime::Control& control) const override;

  ControlAdapter* adapterFor(const runtime::Control& control) const;
  QWidget* buildWidget(runtime::Control& control);
  void buildTabOrder();
  void applyFormSize();
  void userFocused(runtime::Control& control);
  bool handleKey(QKeyEvent* event);
  void focusModelControl();

  runtime::Application& app_;
  runtime::Form* form_;
  std::string formName_;
  QWidget* client_;
  double dotsPerInch_;
  std::optional<MenuBar> menus_;
  std::map<const runtime::Control*, ControlAdapter*> adapters_;
  std::map<const QObject*, ControlAdapter*> adapterOfWidget_;
  const runtime::Control* lastActive_ = nullptr;
  std::string lastCaption_;
  int lastWidth_ = -1;
  int lastHeight_ = -1;
  // A control that was refused the focus by a list's validate handler; its
  // pending click is dropped.
  const runtime::Control* refused_ = nullptr;
  // Repaints requested by a running handler, at most one per frame.
  static constexpr qint64 kRepaintIntervalMs = 16;
  QElapsedTimer repaintClock_;
};

}  // namespace corvasine::gui
