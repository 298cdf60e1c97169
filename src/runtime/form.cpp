#include "runtime/form.h"

#include <algorithm>

#include "runtime/application.h"

namespace corvasine::runtime {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
  caption_ = std::move(caption);
  notify(nullptr);
}

void Form::setClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  notify(nullptr);
}

void Form::show() {
  visible_ = true;
  notify(nullptr);
}

void Form::hide() {
  visible_ = false;
  notify(nullptr);
}

std::vector<Control*> Form::tabOrder() const {
  std::vector<Control*> order = controls_;
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->tabIndex() < b->tabIndex();
  });
  return order;
}

Control* Form::findControl(const std::string& name) const {
  for (Control* c : controls_)
    if (c->name() == name) return c;
  return nullptr;
}

bool Form::clickMenuItem(const std::string& itemName) {
  for (const Menu& menu : menus_) {
    for (const MenuItem& item : menu.items) {
      if (item.name != itemName) continue;
      if (!item.enabled || !item.onClick) return false;
      const Handler handler = item.onClick;  // the form may go while it runs
      Application::EventScope scope(app_);
      handler();
      return true;
    }
  }
  return false;
}

bool Form::setFocus(Control& control) {
  if (active_ == &control) return true;
  Application::EventScope scope(app_);
  // A validate handler that moves the focus itself leaves its list again; that
  // nested leave is not validated a second time.
  if (active_ != nullptr && active_ != validating_ && active_->kind() == ControlKind::ComboBox) {
    auto* list = static_cast<ComboBox*>(active_);
    if (list->onValidate) {
      bool cancel = false;
      const Control* outer = validating_;
      validating_ = list;
      try {
        list->onValidate(cancel);
      } catch (...) {
        validating_ = outer;
        throw;
      }
      validating_ = outer;
      if (cancel) return false;
    }
  }
  active_ = &control;
  notify(nullptr);
  if (control.onGotFocus) control.onGotFocus();
  return true;
}

int Form::subscribe(Observer observer) {
  observers_.emplace_back(nextObserverId_, std::move(observer));
  return nextObserverId_++;
}

void Form::unsubscribe(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Form::registerControl(Control* control) { controls_.push_back(control); }

void Form::notify(const Control* control) {
  // Copy: an observer may unsubscribe while it runs.
  const auto observers = observers_;
  for (const auto& [id, observer] : observers) observer(control);
}

}  // namespace corvasine::runtime
