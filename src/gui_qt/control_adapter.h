#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

#include "runtime/controls.h"

class QColor;
class QEvent;
class QFont;
class QPalette;
class QWidget;

namespace corvasine::gui {

// What a control's adapter asks of the window that holds it.
class ControlHost {
 public:
  // Pixels for a length in twips, at the screen's logical resolution.
  virtual int pixels(int twips) const = 0;
  virtual std::string programFolder() const = 0;
  // False once the form has been unloaded: its controls are not touched any more.
  virtual bool attached() const = 0;
  // Runs a call into the model as one event of the application; whatever
  // escapes it is reported, never passed on to Qt. Nothing runs once detached.
  virtual void runEvent(const runtime::Control* control, const char* what,
                        const std::function<void()>& call) = 0;
  // Moves the model's focus to a clicked control; false when the click is to
  // be dropped (a list's validate handler kept the focus).
  virtual bool mayClick(runtime::Control& control) = 0;
  virtual void syncControl(const runtime::Control& control) = 0;
  // The widget of another control of the form, and whether it takes the focus.
  virtual QWidget* widgetFor(const runtime::Control& control) const = 0;
  virtual bool takesFocus(const runtime::Control& control) const = 0;

 protected:
  ~ControlHost() = default;
};

// The widget of one control and everything that belongs to its kind: how the
// widget is made, how the user's input reaches the model and how the model's
// state is shown. The adapter is a child of its widget and goes with it.
class ControlAdapter : public QObject {
 public:
  ControlAdapter(const ControlAdapter&) = delete;
  ControlAdapter& operator=(const ControlAdapter&) = delete;

  runtime::Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }

  // Model -> widget: what every kind has (place, font, colours, state,
  // visibility), then what is the kind's own.
  void sync();
  // Called once every control of the form has its widget: ties this one to
  // the others it works with.
  virtual void relate() {}

  // Whether the control takes the focus from the keyboard and the mouse.
  virtual bool takesFocus() const { return false; }
  // Labels and pictures lie beneath the controls that are windows of their own.
  virtual bool liesBeneath() const { return false; }
  // The kind's own handling of an event to its widget; true when it is done with.
  virtual bool filter(QEvent& /*event*/) { return false; }

 protected:
  ControlAdapter(runtime::Control& control, QWidget* widget, ControlHost& host);

  virtual void syncOwn() {}
  // The user's click on a list, check box or option: its click event changes
  // the model when the window lets the control be clicked; then the widget
  // shows the model again, whatever the event did.
  template <class Change>
  void userClick(Change change) {
    host_.runEvent(&control_, "click", [this, change] {
      if (host_.mayClick(control_)) change();
    });
    if (host_.attached()) host_.syncControl(control_);
  }
  // The place of the widget, given the design's.
  virtual QRect placed(QRect design) const { return design; }
  // What the kind puts on the desktop's font and palette; true when it changed the palette.
  virtual bool dress(QFont& /*font*/, QPalette& /*palette*/) const { return false; }
  // Where the form's back colour goes: the window colour, filled.
  virtual void setBackColor(QPalette& palette, const QColor& back);
  virtual void applyEnabled();

  runtime::Control& control_;
  QWidget* const widget_;
  ControlHost& host_;
};

// The adapter of a control with its new widget in parent; the one place that
// chooses by the control's kind.
ControlAdapter* makeAdapter(runtime::Control& control, QWidget* parent, ControlHost& host);

// A caption without its access-key marks, as a label shows it ("&&" is "&").
QString withoutAccessKeys(const QString& caption);

}  // namespace corvasine::gui
