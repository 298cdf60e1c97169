#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/controls.h"

namespace corvasine::runtime {

class Application;

// A window of the system, headless: its controls (members of the derived
// class), menus, caption and size, focus and visibility. The derived class
// binds the controls' handlers to its member functions and overrides
// Form_Load and Form_Unload.
class Form {
 public:
  Form(Application& app, std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& name() const { return name_; }
  Application& application() const { return app_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  // Client area in twips.
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  void setClientSize(int width, int height);
  bool fixedSize() const { return fixedSize_; }
  void setFixedSize(bool fixed) { fixedSize_ = fixed; }
  // A dialog that Esc closes as its title bar's close button does.
  bool closesOnEscape() const { return closesOnEscape_; }
  void setClosesOnEscape(bool closes) { closesOnEscape_ = closes; }

  bool visible() const { return visible_; }
  // Shows the window modelessly, without owner.
  void show();
  void hide();

  // Controls in the order they were made; tabOrder() sorts them by tab index.
  const std::vector<Control*>& controls() const { return controls_; }
  std::vector<Control*> tabOrder() const;
  Control* findControl(const std::string& name) const;
  std::vector<Menu>& menus() { return menus_; }
  const std::vector<Menu>& menus() const { return menus_; }
  // Runs the click handler of the named menu item; false when there is none or it is disabled.
  bool clickMenuItem(const std::string& itemName);

  Control* activeControl() const { return active_; }
  // Moves the focus: a list that loses it runs its validate handler first (a
  // cancel keeps the focus there), then the new control runs its got-focus handler.
  // Returns whether the focus moved.
  bool setFocus(Control& control);

  virtual void Form_Load() {}
  virtual void Form_Unload(int& cancel) { (void)cancel; }

  // Observers of the model: called with the control that changed, or with
  // nullptr when the form itself changed (caption, size, visibility, focus).
  using Observer = std::function<void(const Control*)>;
  int subscribe(Observer observer);
  void unsubscribe(int id);

  // Draws a control at once while a handler still runs (a progress text);
  // the view decides how often it really repaints.
  void repaintNow(const Control& control) {
    if (repaintHandler_) repaintHandler_(control);
  }
  void setRepaintHandler(std::function<void(const Control&)> handler) {
    repaintHandler_ = std::move(handler);
  }

  // Token whose expiry marks the form as unloaded (see ControlRef).
  std::weak_ptr<void> lifetime() const { return lifetime_; }
  bool isUnloaded() const { return !lifetime_; }

  // For the controls and the application.
  void registerControl(Control* control);
  void notify(const Control* control);
  void markUnloaded() { lifetime_.reset(); }

 private:
  Application& app_;
  std::string name_;
  std::string caption_;
  int clientWidth_ = 4800;
  int clientHeight_ = 3600;
  bool fixedSize_ = true;
  bool closesOnEscape_ = false;
  bool visible_ = false;
  std::vector<Control*> controls_;
  std::vector<Menu> menus_;
  Control* active_ = nullptr;
  const Control* validating_ = nullptr;  // the list whose validate handler runs
  std::vector<std::pair<int, Observer>> observers_;
  int nextObserverId_ = 1;
  std::function<void(const Control&)> repaintHandler_;
  std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

template <class C>
ControlRef<C>::ControlRef(C& control) : lifetime_(control.form().lifetime()), control_(&control) {}

}  // namespace corvasine::runtime
