#include "runtime/application.h"

#include <algorithm>

namespace corvasine::runtime {

Application::Application(Services& services) : services_(services) {}

Application::~Application() {
  // Forms go without their unload handlers; observers are no longer told.
  observers_.clear();
  unloaded_.clear();
  forms_.clear();
}

void Application::registerOpener(const std::string& formName,
                                 std::function<void(Application&)> opener) {
  openers_[formName] = std::move(opener);
}

bool Application::hasOpener(const std::string& formName) const {
  return openers_.count(formName) != 0;
}

bool Application::showForm(const std::string& formName) {
  const auto it = openers_.find(formName);
  if (it == openers_.end()) return false;
  EventScope scope(*this);
  it->second(*this);
  return true;
}

bool Application::unload(Form& form) {
  const auto it = std::find_if(forms_.begin(), forms_.end(),
                               [&form](const Entry& e) { return e.form.get() == &form; });
  if (it == forms_.end()) return true;  // already gone
  EventScope scope(*this);
  int cancel = 0;
  form.Form_Unload(cancel);
  if (cancel != 0) return false;
  // The handler may itself have unloaded the form.
  const auto again = std::find_if(forms_.begin(), forms_.end(),
                                  [&form](const Entry& e) { return e.form.get() == &form; });
  if (again == forms_.end()) return true;
  std::unique_ptr<Form> owned = std::move(again->form);
  forms_.erase(again);
  owned->markUnloaded();
  owned->hide();
  const auto observers = observers_;
  for (const auto& [id, observer] : observers)
    if (observer.unloaded) observer.unloaded(*owned);
  unloaded_.push_back(std::move(owned));
  return true;
}

std::vector<Form*> Application::loadedForms() const {
  std::vector<Form*> result;
  for (const auto& entry : forms_) result.push_back(entry.form.get());
  return result;
}

bool Application::anyVisibleForm() const {
  return std::any_of(forms_.begin(), forms_.end(),
                     [](const Entry& e) { return e.form->visible(); });
}

int Application::subscribe(Observer observer) {
  observers_.emplace_back(nextObserverId_, std::move(observer));
  return nextObserverId_++;
}

void Application::unsubscribe(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Application::announceCreated(Form& form) {
  const auto observers = observers_;
  for (const auto& [id, observer] : observers)
    if (observer.created) observer.created(form);
}

void Application::collectUnloaded() {
  // Destroying a form may not start new events, but be safe against it.
  while (!unloaded_.empty()) {
    auto batch = std::move(unloaded_);
    unloaded_.clear();
    batch.clear();
  }
}

Application::EventScope::EventScope(Application& app) : app_(app) { ++app_.eventDepth_; }

Application::EventScope::~EventScope() {
  if (--app_.eventDepth_ == 0) app_.collectUnloaded();
}

}  // namespace corvasine::runtime
