#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "runtime/form.h"
#include "runtime/services.h"

namespace corvasine::runtime {

// The window registry: at most one instance of each form class, created with
// its load handler on first use and destroyed after an unload that was not
// cancelled. Also holds the shared state of the windows and the services.
class Application {
 public:
  explicit Application(Services& services);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  Services& services() const { return services_; }

  // The single instance of F, created (and loaded) on first use.
  template <class F>
  F& form() {
    if (F* existing = find<F>()) return *existing;
    auto created = std::make_unique<F>(*this);
    F& ref = *created;
    forms_.push_back({std::type_index(typeid(F)), std::move(created)});
    announceCreated(ref);
    // The load runs as part of the caller's event; a form that unloads itself
    // while loading stays in memory until the next event ends, so the
    // reference returned here stays valid for the caller.
    ++eventDepth_;
    try {
      ref.Form_Load();
    } catch (...) {
      --eventDepth_;
      throw;
    }
    --eventDepth_;
    return ref;
  }

  // The instance of F if it is loaded, else nullptr.
  template <class F>
  F* find() const {
    for (const auto& entry : forms_)
      if (entry.type == std::type_index(typeid(F))) return static_cast<F*>(entry.form.get());
    return nullptr;
  }

  // Named openers, so that a window can show another it does not know (the
  // start window and the calculators).
  void registerOpener(const std::string& formName, std::function<void(Application&)> opener);
  bool hasOpener(const std::string& formName) const;
  // Shows the named window (created and loaded if needed); false when unknown.
  bool showForm(const std::string& formName);

  // Runs the unload handler; unless it cancels, the form is unloaded: its
  // references go dead at once and the object itself is destroyed when the
  // current event has run to its end. Returns whether it was unloaded.
  bool unload(Form& form);

  std::vector<Form*> loadedForms() const;
  bool anyVisibleForm() const;

  // Shared state of the windows, one object of each type, made on first use.
  template <class T>
  T& shared() {
    auto& slot = shared_[std::type_index(typeid(T))];
    if (!slot) slot = std::make_shared<T>();
    return *static_cast<T*>(slot.get());
  }

  // Observers of the window registry (the Qt layer).
  struct Observer {
    std::function<void(Form&)> created;
    std::function<void(Form&)> unloaded;  // just before the form goes
  };
  int subscribe(Observer observer);
  void unsubscribe(int id);

  // Brackets one event: forms unloaded inside it are destroyed when the
  // outermost event ends, never while one of their handlers still runs.
  class EventScope {
   public:
    explicit EventScope(Application& app);
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
    ~EventScope();

   private:
    Application& app_;
  };

 private:
  struct Entry {
    std::type_index type;
    std::unique_ptr<Form> form;
  };
  void announceCreated(Form& form);
  void collectUnloaded();

  Services& services_;
  std::vector<Entry> forms_;
  std::vector<std::unique_ptr<Form>> unloaded_;
  std::map<std::string, std::function<void(Application&)>> openers_;
  std::map<std::type_index, std::shared_ptr<void>> shared_;
  std::vector<std::pair<int, Observer>> observers_;
  int nextObserverId_ = 1;
  int eventDepth_ = 0;
};

}  // namespace corvasine::runtime
