#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "gui_qt/form_window.h"
#include "runtime/application.h"

namespace corvasine::gui {

// Shows the forms of an application as real windows. A form gets its window
// when it first becomes visible; the window follows the form's changes and
// goes when the form is unloaded. Every form works through the same generic
// window: no form has code of its own here.
class FormView {
 public:
  explicit FormView(runtime::Application& app);
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;
  ~FormView();

  // The window of a form, nullptr while it has none.
  FormWindow* windowOf(const runtime::Form& form) const;

  // Called when a window has gone and no form is visible any more (the
  // program ends then).
  std::function<void()> onLastWindowClosed;

 private:
  struct Entry {
    int observer = 0;
    QPointer<FormWindow> window;
    bool shown = false;
  };

  void attach(runtime::Form& form);
  void formChanged(runtime::Form& form, const runtime::Control* control);
  void formUnloaded(runtime::Form& form);
  void lastWindowCheck();
  int visibleWindows() const;

  runtime::Application& app_;
  int appObserver_ = 0;
  std::map<const runtime::Form*, Entry> entries_;
  // Windows of unloaded forms, waiting for their deferred deletion.
  std::vector<QPointer<FormWindow>> retired_;
};

// Lets the fonts that the forms name (Tahoma, MS Sans Serif, Arial) fall back
// on the metric-compatible fonts of a Linux desktop. Idempotent.
void installFontSubstitutes();

}  // namespace corvasine::gui
