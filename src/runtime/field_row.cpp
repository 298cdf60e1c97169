#include "runtime/field_row.h"

#include <algorithm>

namespace corvasine::runtime {

// A pick reruns the handler after the window shows: the load sets every
// list before it shows itself.
void FieldBox::bindUnitList(TextBox& rerun, Control& focusTo) {
  if (unitList_ == nullptr) return;
  Form& owner = form();
  const auto picked = [&owner, &rerun, &focusTo] {
    if (rerun.onChange) rerun.onChange();
    owner.show();
    owner.setFocus(focusTo);
  };
  unitList_->onClick = picked;
  unitList_->onValidate = [picked](bool&) { picked(); };
}

std::vector<FieldBox*> fieldBoxes(const Form& form) {
  std::vector<FieldBox*> boxes;
  for (Control* control : form.controls())
    if (auto* box = dynamic_cast<FieldBox*>(control)) boxes.push_back(box);
  return boxes;
}

std::vector<FieldBox*> caseFileBoxes(const Form& form) {
  std::vector<FieldBox*> boxes = fieldBoxes(form);
  std::erase_if(boxes,
                [](const FieldBox* box) { return box->roles().casePiece == RowRoles::kNone; });
  std::stable_sort(boxes.begin(), boxes.end(), [](const FieldBox* a, const FieldBox* b) {
    return a->roles().casePiece < b->roles().casePiece;
  });
  return boxes;
}

FieldBox* firstNeededWithoutNumber(const Form& form) {
  for (FieldBox* box : fieldBoxes(form))
    if (box->roles().evaluateNeeds && box->enabled() && !holdsNumber(*box)) return box;
  return nullptr;
}

void resetFieldBoxes(const Form& form) {
  for (FieldBox* box : fieldBoxes(form))
    if (box->roles().newResets) box->setText(box->designText());
}

}  // namespace corvasine::runtime
