#pragma once

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace corvasine::shell {

// The text box a converter writes into and, where the box has a unit list
// beside it, that list with the conversion from the converter's base unit
// into the list's unit at a position. A box without a list takes the base
// unit.
struct ConverterTarget {
  using FromBase = double (*)(double base, int unit);

  ConverterTarget() = default;
  ConverterTarget(runtime::TextBox& field) : box(field) {}
  ConverterTarget(runtime::TextBox& field, runtime::ComboBox& list, FromBase conversion)
      : box(field), unitList(list), fromBase(conversion) {}

  // The box, or nullptr when none was set or its window has closed.
  runtime::TextBox* get() const { return box.get(); }
  // A figure in the base unit as the box's list shows it now.
  double shown(double base) const {
    runtime::ComboBox* list = unitList.get();
    return list != nullptr && fromBase != nullptr ? fromBase(base, list->listIndex()) : base;
  }

  runtime::ControlRef<runtime::TextBox> box;
  runtime::ControlRef<runtime::ComboBox> unitList;
  FromBase fromBase = nullptr;
};

// The state shared across windows: the targets that the unit converters
// write into. It has no initial values of its own: the windows set every
// variable at run time (empty until then).
struct Vari {
  ConverterTarget tempTarget;
  ConverterTarget pressTarget;
  ConverterTarget moleTarget;
  ConverterTarget altTarget;
  ConverterTarget massTarget;
};

inline Vari& vari(runtime::Application& app) { return app.shared<Vari>(); }

}  // namespace corvasine::shell
