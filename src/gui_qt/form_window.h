#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <map>
#include <string>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"

class QAction;
class QKeySequence;

namespace corvasine::gui {

// The real window of one form: a top window with the form's menus and a
// client area in which every control of the form has its widget at its design
// rectangle. The window keeps the widgets in step with the model and turns
// the user's input into calls of the model; it holds no behaviour of its own.
class FormWindow : public QMainWindow {
 public:
  explicit FormWindow(runtime::Form& form);
  ~FormWindow() override;

  // The form, or nullptr once it has been unloaded.
  runtime::Form* form() const { return form_; }
  QWidget* widgetFor(const runtime::Control& control) const;
  QAction* actionFor(const std::string& menuItemName) const;

  // Pixels for a length in twips, at the screen's logical resolution.
  int pixels(int twips) const;

  // Model -> widgets.
  void syncControl(const runtime::Control& control);
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
  void buildMenus();
  void syncMenuStates();
  QWidget* buildWidget(runtime::Control& control);
  void buildTabOrder();
  void assignBuddies();
  void findCaptionPartners();
  void bindInput(runtime::Control& control, QWidget* widget);
  void applyCommon(const runtime::Control& control, QWidget* widget);
  void syncTextBox(const runtime::TextBox& box, QWidget* widget);
  void applyTextBoxState(const runtime::TextBox& box, QWidget* widget);
  void applyFormSize();

  // Widgets -> model.
  void userEditedText(runtime::TextBox& box);
  void pushSelection(runtime::TextBox& box);
  void userFocused(runtime::Control& control);
  bool mayClick(runtime::Control& control);
  bool handleKey(QKeyEvent* event);
  bool isMenuShortcut(const QKeySequence& keys) const;
  // The menu whose access key is pressed with Alt, or nullptr.
  QAction* menuForKey(const QKeyEvent& key) const;
  bool openMenuForKey(const QKeyEvent& key);
  void focusModelControl();

  // Runs a call into the model as one event of the application: whatever
  // escapes it is reported on stderr, never passed on to Qt.
  template <class F>
  void run(const runtime::Control* control, const char* what, F&& call);

  runtime::Application& app_;
  runtime::Form* form_;
  std::string formName_;
  QWidget* client_;
  double dotsPerInch_;
  std::map<const runtime::Control*, QWidget*> widgets_;
  std::map<const QObject*, runtime::Control*> controlOf_;
  std::map<std::string, QAction*> actions_;
  // The field beside each caption label, which the label stands level with.
  std::map<const runtime::Control*, const runtime::Control*> captionPartners_;
  const runtime::Control* lastActive_ = nullptr;
  std::string lastCaption_;
  int lastWidth_ = -1;
  int lastHeight_ = -1;
  // The text box whose user edit is being passed to the model.
  const runtime::TextBox* editing_ = nullptr;
  // A control that was refused the focus by a list's validate handler; its
  // pending click is dropped.
  const runtime::Control* refused_ = nullptr;
  // Repaints requested by a running handler, at most one per frame.
  static constexpr qint64 kRepaintIntervalMs = 16;
  QElapsedTimer repaintClock_;
};

// A caption without its access-key marks, as a label shows it ("&&" is "&").
QString withoutAccessKeys(const QString& caption);

}  // namespace corvasine::gui
