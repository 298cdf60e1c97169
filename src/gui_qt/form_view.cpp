#include "gui_qt/form_view.h"

#include <QFont>
#include <QStringList>

namespace corvasine::gui {

void installFontSubstitutes() {
  static const bool installed = [] {
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    for (const char* family :
         {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Verdana", "Segoe UI"})
      QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    return true;
  }();
  (void)installed;
}

FormView::FormView(runtime::Application& app) : app_(app) {
  installFontSubstitutes();
  runtime::Application::Observer observer;
  observer.created = [this](runtime::Form& form) { attach(form); };
  observer.unloaded = [this](runtime::Form& form) { formUnloaded(form); };
  appObserver_ = app_.subscribe(std::move(observer));
  for (runtime::Form* form : app_.loadedForms()) {
    attach(*form);
    if (form->visible()) formChanged(*form, nullptr);
  }
}

FormView::~FormView() {
  app_.unsubscribe(appObserver_);
  for (auto& [form, entry] : entries_) {
    const_cast<runtime::Form*>(form)->unsubscribe(entry.observer);
    delete entry.window.data();
  }
  for (const QPointer<FormWindow>& window : retired_) delete window.data();
}

FormWindow* FormView::windowOf(const runtime::Form& form) const {
  const auto it = entries_.find(&form);
  return it != entries_.end() ? it->second.window.data() : nullptr;
}

void FormView::attach(runtime::Form& form) {
  if (entries_.count(&form) != 0) return;
  Entry& entry = entries_[&form];
  entry.observer = form.subscribe(
      [this, &form](const runtime::Control* control) { formChanged(form, control); });
}

int FormView::visibleWindows() const {
  int count = 0;
  for (const auto& [form, entry] : entries_)
    if (entry.shown) ++count;
  return count;
}

void FormView::formChanged(runtime::Form& form, const runtime::Control* control) {
  const auto it = entries_.find(&form);
  if (it == entries_.end()) return;
  Entry& entry = it->second;
  if (entry.window == nullptr) {
    // The window is made when the form first shows, from the model as it is then.
    if (control != nullptr || !form.visible() || form.isUnloaded()) return;
    const int cascade = visibleWindows();
    entry.window = new FormWindow(form);
    entry.shown = true;
    entry.window->showFirst(cascade);
    return;
  }
  if (control != nullptr) {
    entry.window->syncControl(*control);
    return;
  }
  const bool changed = entry.window->syncForm();
  if (form.visible() && !entry.shown) {
    entry.shown = true;
    entry.window->show();
    entry.window->raise();
    entry.window->activateWindow();
  } else if (form.visible() && !changed) {
    // Shown again while it is open: only brought to the front.
    entry.window->raise();
    entry.window->activateWindow();
  } else if (!form.visible() && entry.shown) {
    entry.shown = false;
    entry.window->hide();
    lastWindowCheck();
  }
}

void FormView::formUnloaded(runtime::Form& form) {
  const auto it = entries_.find(&form);
  if (it == entries_.end()) return;
  form.unsubscribe(it->second.observer);
  if (FormWindow* window = it->second.window) {
    window->detach();
    window->hide();
    // Not deleted here: the window may be inside one of its own handlers.
    window->deleteLater();
    std::erase_if(retired_, [](const QPointer<FormWindow>& w) { return w.isNull(); });
    retired_.emplace_back(window);
  }
  const bool wasShown = it->second.shown;
  entries_.erase(it);
  if (wasShown) lastWindowCheck();
}

void FormView::lastWindowCheck() {
  if (!app_.anyVisibleForm() && onLastWindowClosed) onLastWindowClosed();
}

}  // namespace corvasine::gui
