#include <algorithm>

#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::runtime {

Control::Control(Form& form, std::string name, ControlKind kind, Rect rect, Frame* container)
    : form_(form),
      name_(std::move(name)),
      kind_(kind),
      container_(container),
      rect_(rect),
      tabIndex_(static_cast<int>(form.controls().size())) {
  form.registerControl(this);
}

void Control::setRect(Rect rect) {
  rect_ = rect;
  notify();
}
void Control::setFont(Font font) {
  font_ = std::move(font);
  notify();
}
void Control::setEnabled(bool enabled) {
  enabled_ = enabled;
  notify();
}
void Control::setVisible(bool visible) {
  visible_ = visible;
  notify();
}
void Control::setBackColor(Color color) {
  backColor_ = color;
  notify();
}
void Control::setForeColor(Color color) {
  foreColor_ = color;
  notify();
}

bool Control::acceptsInput() const {
  for (const Control* c = this; c != nullptr; c = c->container_)
    if (!c->enabled_ || !c->visible_) return false;
  return true;
}

void Control::setFocus() { form_.setFocus(*this); }

void Control::notify() { form_.notify(this); }

void Control::refresh() { form_.repaintNow(*this); }

void Control::fire(const Handler& handler) {
  if (!handler) return;
  Application::EventScope scope(form_.application());
  handler();
}

TextBox::TextBox(Form& form, std::string name, Rect rect, Frame* container, std::string text,
                 bool multiLine)
    : Control(form, std::move(name), ControlKind::TextBox, rect, container),
      text_(std::move(text)),
      multiLine_(multiLine) {}

void TextBox::setText(std::string text) {
  // A single-line box, like a desktop single-line field, keeps what stands
  // before the first line break of a text pasted or assigned into it.
  if (!multiLine_) text.erase(std::min(text.find_first_of("\r\n"), text.size()));
  text_ = std::move(text);
  const int size = static_cast<int>(text_.size());
  selStart_ = std::min(selStart_, size);
  selLength_ = std::min(selLength_, size - selStart_);
  notify();
  fire(onChange);
}

void TextBox::setLocked(bool locked) {
  locked_ = locked;
  notify();
}

void TextBox::setSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  notify();
}

std::string TextBox::selectedText() const {
  return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void TextBox::replaceSelection(const std::string& text) {
  std::string inserted = text;
  if (!multiLine_) inserted.erase(std::min(inserted.find_first_of("\r\n"), inserted.size()));
  std::string updated = text_;
  updated.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_),
                  inserted);
  selStart_ += static_cast<int>(inserted.size());
  selLength_ = 0;
  setText(std::move(updated));
}

ComboBox::ComboBox(Form& form, std::string name, Rect rect, Frame* container,
                   std::vector<std::string> items)
    : Control(form, std::move(name), ControlKind::ComboBox, rect, container),
      items_(std::move(items)) {}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size()))
    throw RuntimeError("invalid property value");
  listIndex_ = index;
  notify();
  fire(onClick);
}

std::string ComboBox::text() const {
  return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

CheckBox::CheckBox(Form& form, std::string name, Rect rect, Frame* container, std::string caption)
    : Control(form, std::move(name), ControlKind::CheckBox, rect, container),
      caption_(std::move(caption)) {}

void CheckBox::setValue(int value) {
  if (value < 0 || value > 2) throw RuntimeError("invalid property value");
  value_ = value;
  notify();
  fire(onClick);
}

OptionButton::OptionButton(Form& form, std::string name, Rect rect, Frame* container,
                           std::string caption)
    : Control(form, std::move(name), ControlKind::OptionButton, rect, container),
      caption_(std::move(caption)) {}

void OptionButton::setValue(bool value) {
  value_ = value;
  notify();
  if (!value) return;
  for (Control* other : form().controls()) {
    if (other == this || other->kind() != ControlKind::OptionButton) continue;
    if (other->container() != container()) continue;
    auto* option = static_cast<OptionButton*>(other);
    if (option->value_) {
      option->value_ = false;
      option->notify();
    }
  }
  fire(onClick);
}

CaptionedControl::CaptionedControl(Form& form, std::string name, ControlKind kind, Rect rect,
                                   Frame* container, std::string caption)
    : Control(form, std::move(name), kind, rect, container), caption_(std::move(caption)) {}

void CaptionedControl::setCaption(std::string caption) {
  caption_ = std::move(caption);
  notify();
}

void CaptionedControl::click() { fire(onClick); }

Label::Label(Form& form, std::string name, Rect rect, Frame* container, std::string caption)
    : CaptionedControl(form, std::move(name), ControlKind::Label, rect, container,
                       std::move(caption)) {}

void Label::setLink(bool link) {
  link_ = link;
  notify();
}

CommandButton::CommandButton(Form& form, std::string name, Rect rect, Frame* container,
                             std::string caption)
    : CaptionedControl(form, std::move(name), ControlKind::CommandButton, rect, container,
                       std::move(caption)) {}

Frame::Frame(Form& form, std::string name, Rect rect, std::string caption, Frame* container)
    : Control(form, std::move(name), ControlKind::Frame, rect, container),
      caption_(std::move(caption)) {
  setTabStop(false);
}

Picture::Picture(Form& form, std::string name, Rect rect, Frame* container, std::string imageFile)
    : Control(form, std::move(name), ControlKind::Picture, rect, container),
      imageFile_(std::move(imageFile)) {
  setTabStop(false);
}

double shownNumber(const TextBox& box) { return ParseNumber(box.text()); }

bool holdsNumber(const TextBox& box) { return IsNumber(box.text()); }

}  // namespace corvasine::runtime
