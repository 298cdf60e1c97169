#include "gui_qt/text_box_adapter.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <string>

#include "gui_qt/text_offsets.h"

namespace corvasine::gui {

namespace {

QWidget* makeEdit(const runtime::TextBox& box, QWidget* parent) {
  if (!box.multiLine()) return new QLineEdit(parent);
  auto* edit = new QPlainTextEdit(parent);
  edit->setTabChangesFocus(true);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return edit;
}

}  // namespace

TextBoxAdapter::TextBoxAdapter(runtime::TextBox& box, QWidget* parent, ControlHost& host)
    : ControlAdapter(box, makeEdit(box, parent), host), box_(box) {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    connect(line, &QLineEdit::textEdited, this, [this] { userEdited(); });
    connect(line, &QLineEdit::selectionChanged, this, [this] { pushSelection(); });
    connect(line, &QLineEdit::cursorPositionChanged, this, [this] { pushSelection(); });
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    // Signals are blocked while the model writes, so this is the user.
    connect(edit, &QPlainTextEdit::textChanged, this, [this] { userEdited(); });
    connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [this] { pushSelection(); });
    connect(edit, &QPlainTextEdit::selectionChanged, this, [this] { pushSelection(); });
  }
}

QString TextBoxAdapter::shownText() const {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) return line->text();
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return edit->toPlainText();
  return {};
}

std::pair<int, int> TextBoxAdapter::shownSelection() const {
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    if (line->hasSelectedText()) {
      const int start = static_cast<int>(line->selectionStart());
      return {start, start + static_cast<int>(line->selectedText().size())};
    }
    return {line->cursorPosition(), line->cursorPosition()};
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    const QTextCursor cursor = edit->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
  }
  return {0, 0};
}

void TextBoxAdapter::showSelection() {
  const bool multi = box_.multiLine();
  const int start = widgetIndexOf(box_.text(), box_.selStart(), multi);
  const int end = widgetIndexOf(box_.text(), box_.selStart() + box_.selLength(), multi);
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    if (end > start) {
      line->setSelection(start, end - start);
    } else {
      line->setCursorPosition(start);
    }
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
  }
}

void TextBoxAdapter::syncOwn() {
  const QString shown = QString::fromStdString(displayText(box_.text(), box_.multiLine()));
  const QSignalBlocker block(widget_);
  if (shownText() != shown) {
    if (auto* line = qobject_cast<QLineEdit*>(widget_)) line->setText(shown);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) edit->setPlainText(shown);
    showSelection();
    return;
  }
  // The same text: the caret stays where the user left it, unless the model
  // moved the selection itself.
  if (editing_) return;
  const auto [start, end] = shownSelection();
  const int modelStart = byteOffsetOf(box_.text(), start, box_.multiLine());
  const int modelEnd = byteOffsetOf(box_.text(), end, box_.multiLine());
  if (modelStart != box_.selStart() || modelEnd - modelStart != box_.selLength()) showSelection();
}

// A box the user cannot change: its text in the normal colour on the
// background of the window, not greyed out.
bool TextBoxAdapter::dress(QFont& /*font*/, QPalette& palette) const {
  if (box_.enabled()) return false;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
  return true;
}

void TextBoxAdapter::setBackColor(QPalette& palette, const QColor& back) {
  palette.setColor(QPalette::Base, back);
  widget_->setAutoFillBackground(false);
}

// A disabled box stays a readable, read-only widget that takes no focus and
// no mouse; a locked one can be read, selected and copied but not edited.
void TextBoxAdapter::applyEnabled() {
  const bool enabled = box_.enabled();
  const bool readOnly = !enabled || box_.locked();
  if (auto* line = qobject_cast<QLineEdit*>(widget_)) {
    if (line->isReadOnly() != readOnly) line->setReadOnly(readOnly);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
    if (edit->isReadOnly() != readOnly) edit->setReadOnly(readOnly);
    if (readOnly)
      edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  const Qt::FocusPolicy policy =
      !enabled ? Qt::NoFocus : (box_.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  if (widget_->focusPolicy() != policy) widget_->setFocusPolicy(policy);
  widget_->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

bool TextBoxAdapter::filter(QEvent& event) {
  if (event.type() != QEvent::FocusIn) return false;
  // Back from a menu or another window: the box shows the selection that the
  // model kept.
  const Qt::FocusReason reason = static_cast<QFocusEvent&>(event).reason();
  if (reason == Qt::MenuBarFocusReason || reason == Qt::PopupFocusReason ||
      reason == Qt::ActiveWindowFocusReason) {
    const QSignalBlocker block(widget_);
    showSelection();
  }
  return false;
}

void TextBoxAdapter::userEdited() {
  if (!host_.attached()) return;
  const std::string text = modelTextFromDisplay(shownText().toStdString(), box_.multiLine());
  host_.runEvent(&box_, "change", [&] {
    editing_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{editing_};
    box_.setText(text);
    if (host_.attached()) pushSelection();
  });
}

void TextBoxAdapter::pushSelection() {
  if (!host_.attached()) return;
  // The user selects only in the box that has the focus; a box losing it to
  // a menu or another control drops its selection on the screen, which the
  // model keeps for the edit commands.
  if (!widget_->hasFocus() && !editing_) return;
  const bool multi = box_.multiLine();
  if (shownText() != QString::fromStdString(displayText(box_.text(), multi))) return;  // not yet
  const auto [start, end] = shownSelection();
  const int modelStart = byteOffsetOf(box_.text(), start, multi);
  const int modelEnd = byteOffsetOf(box_.text(), end, multi);
  if (modelStart == box_.selStart() && modelEnd - modelStart == box_.selLength()) return;
  host_.runEvent(&box_, "selection", [&] { box_.setSelection(modelStart, modelEnd - modelStart); });
}

}  // namespace corvasine::gui
