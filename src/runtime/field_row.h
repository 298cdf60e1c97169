#pragma once

// A row of a window's frame as one declaration: caption, text box, and a
// unit list or a unit label, placed by the frame's RowLayout.
//
// The pattern: a window declares each row as a member named after its box,
//   ListRow Text1{Frame1, kAirRows, 0, "Label1", "Ambient temperature:", "Text1", "cmbtemp",
//                 kTemperatureUnits.items(), {.casePiece = 0, .evaluateNeeds = true, ...}};
// so that `f.Text1` is the box itself (a row is a FieldBox, a TextBox) and
// `f.Text1.unit` / `f.Text1.caption` its other controls; a window that
// wants a list under its design name keeps a reference member
// (`ComboBox& cmbtemp = Text1.unit;`). The controls keep their design names,
// which tests, case files and the Qt view find them by, and are made
// caption, box, unit in that order (the order of making is the drawing and
// tab order). The window's constructor binds each row with one call,
// `Text1.bind(*this, &W::Text1_Change)`: the box's change handler, and the
// list's pick and validate as "run a box's change handler again (the row's
// own, or the one named), show the window, move the focus (to the row's
// box, or the control named)". Each row records its roles (RowRoles);
// fieldBoxes(form) gives the window's rows in the order they were made, and
// New, Save, Open, the Evaluate check and the default units take their
// lists from there. A check box as caption is FieldRow<Label, CheckBox>; a
// caption and box alone is a CaptionRow. What a row type would have to
// contort for (a list as caption, a list lying over a label) stays plain
// controls beside the rows: a bare FieldBox carries a box's roles, and
// setUnitList names the list its text is read in.

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/layout.h"

namespace corvasine::runtime {

// What a row is for beyond showing its box.
struct RowRoles {
  static constexpr int kNone = -1;
  int casePiece = kNone;         // position of the box text in the case file
  bool evaluateNeeds = false;    // Evaluate requires a number in the box while it is enabled
  bool newResets = false;        // New puts back the box's design text
  int defaultUnitsSlot = kNone;  // default units slot of the row's list
};

// A row's text box with its roles and, where the row has one, its unit list.
class FieldBox : public TextBox {
 public:
  FieldBox(Form& form, std::string name, Rect rect, Frame* frame, std::string designText,
           RowRoles roles)
      : TextBox(form, std::move(name), rect, frame, designText),
        designText_(std::move(designText)),
        roles_(roles) {}

  const RowRoles& roles() const { return roles_; }
  const std::string& designText() const { return designText_; }
  // The unit list whose position the box's text is read in; nullptr when none.
  ComboBox* unitList() const { return unitList_; }
  void setUnitList(ComboBox& list) { unitList_ = &list; }

  // Binds the box's change handler (none when nullptr) and the unit list's
  // pick and validate: run again the change handler of `rerun` (this box
  // when nullptr), show the form, move the focus to `focusTo` (this box when
  // nullptr). A window that keeps no handler per control binds it here.
  template <class F>
  void bind(F& form, void (F::*change)(), TextBox* rerun = nullptr, Control* focusTo = nullptr) {
    if (change != nullptr) onChange = [&form, change] { (form.*change)(); };
    bindUnitList(rerun != nullptr ? *rerun : *this, focusTo != nullptr ? *focusTo : *this);
  }

 private:
  void bindUnitList(TextBox& rerun, Control& focusTo);

  std::string designText_;
  RowRoles roles_;
  ComboBox* unitList_ = nullptr;
};

namespace detail {
// Made before the box: a base class that precedes FieldBox.
template <class Caption>
struct RowCaption {
  Caption caption;
};
}  // namespace detail

// A row: caption (a Label, or a CheckBox that switches the box), box, and
// a unit list (ListRow) or unit label (LabelRow).
template <class Unit, class Caption = Label>
class FieldRow : private detail::RowCaption<Caption>, public FieldBox {
 public:
  // The controls are made in the frame's form: the caption (named
  // `captionName`, showing `caption`), the box (starting with `designText`),
  // then the unit (`units` is the list's entries or the label's caption).
  template <class Units>
  FieldRow(Frame& frame, const RowLayout& rows, int row, const char* captionName,
           std::string caption, const char* boxName, const char* unitName, Units units,
           RowRoles roles = {}, std::string designText = {})
      : detail::RowCaption<Caption>{Caption(frame.form(), captionName, rows.caption(row), &frame,
                                            std::move(caption))},
        FieldBox(frame.form(), boxName, rows.field(row), &frame, std::move(designText), roles),
        unit(frame.form(), unitName, unitRect(rows, row), &frame, std::move(units)) {
    if constexpr (std::is_same_v<Unit, ComboBox>) setUnitList(unit);
  }

  using detail::RowCaption<Caption>::caption;
  Unit unit;

 private:
  static Rect unitRect(const RowLayout& rows, int row) {
    if constexpr (std::is_same_v<Unit, ComboBox>) return rows.unitList(row);
    return rows.unitLabel(row);
  }
};

// A row of a caption and a box alone, straight on the form.
class CaptionRow : private detail::RowCaption<Label>, public FieldBox {
 public:
  CaptionRow(Form& form, const RowLayout& rows, int row, const char* captionName,
             std::string caption, const char* boxName, RowRoles roles = {})
      : detail::RowCaption<Label>{Label(form, captionName, rows.caption(row), nullptr,
                                        std::move(caption))},
        FieldBox(form, boxName, rows.field(row), nullptr, {}, roles) {}

  using detail::RowCaption<Label>::caption;
};

using ListRow = FieldRow<ComboBox>;
using LabelRow = FieldRow<Label>;

// The form's row boxes in the order they were made.
std::vector<FieldBox*> fieldBoxes(const Form& form);
// The boxes with a case-file piece, by piece.
std::vector<FieldBox*> caseFileBoxes(const Form& form);
// The first enabled box that Evaluate needs and that holds no number; nullptr when none.
FieldBox* firstNeededWithoutNumber(const Form& form);
// New: puts back the design text of every box that New resets, in row order.
void resetFieldBoxes(const Form& form);

}  // namespace corvasine::runtime
