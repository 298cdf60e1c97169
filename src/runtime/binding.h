#pragma once

// Binds a control's event to a member function of its form in one call.

#include "runtime/controls.h"

namespace corvasine::runtime {

template <class F>
void bindChange(TextBox& box, F* form, void (F::*handler)()) {
  box.onChange = [form, handler] { (form->*handler)(); };
}

// Any control with a click event: lists, check boxes, labels, buttons.
template <class C, class F>
void bindClick(C& control, F* form, void (F::*handler)()) {
  control.onClick = [form, handler] { (form->*handler)(); };
}

template <class F>
void bindValidate(ComboBox& list, F* form, void (F::*handler)(bool&)) {
  list.onValidate = [form, handler](bool& cancel) { (form->*handler)(cancel); };
}

template <class F>
void bindList(ComboBox& list, F* form, void (F::*click)(), void (F::*validate)(bool&)) {
  bindClick(list, form, click);
  bindValidate(list, form, validate);
}

}  // namespace corvasine::runtime
