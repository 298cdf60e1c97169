#pragma once

#include <QFont>
#include <QPalette>

#include "gui_qt/control_adapter.h"

namespace corvasine::gui {

// A text box: a one-line edit, or a multi-line one that wraps. The model
// keeps the text and the selection in bytes with CR LF line ends; the edit
// shows them in characters with LF.
class TextBoxAdapter : public ControlAdapter {
 public:
  TextBoxAdapter(runtime::TextBox& box, QWidget* parent, ControlHost& host);
  bool takesFocus() const override { return true; }
  bool filter(QEvent& event) override;

 protected:
  void syncOwn() override;
  bool dress(QFont& font, QPalette& palette) const override;
  void setBackColor(QPalette& palette, const QColor& back) override;
  void applyEnabled() override;

 private:
  QString shownText() const;
  // The edit's selection as UTF-16 indexes [start, end) of its text.
  std::pair<int, int> shownSelection() const;
  void showSelection();
  // Widget -> model.
  void userEdited();
  void pushSelection();

  runtime::TextBox& box_;
  // While the user's edit is being passed to the model.
  bool editing_ = false;
};

}  // namespace corvasine::gui
