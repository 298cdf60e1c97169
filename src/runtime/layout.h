#pragma once

// Rows of a frame: every row has a caption on the left, a field and either a
// unit list or a unit label, at fixed lefts and widths; rows are a fixed step
// apart. A window declares one RowLayout per kind of frame and places each
// control of a row with one call.

#include "runtime/controls.h"

namespace corvasine::runtime {

struct RowLayout {
  int captionLeft = 0;
  int captionWidth = 0;
  int fieldLeft = 0;
  int fieldWidth = 0;
  int unitLeft = 0;
  int unitWidth = 0;
  int unitLabelLeft = 0;  // a unit label may sit a little right of a list's left
  int firstTop = 0;
  int step = 0;
  int fieldHeight = 0;
  int listHeight = 0;

  constexpr RowLayout withStep(int rowStep) const {
    RowLayout rows = *this;
    rows.step = rowStep;
    return rows;
  }
  constexpr RowLayout withFieldWidth(int width) const {
    RowLayout rows = *this;
    rows.fieldWidth = width;
    return rows;
  }
  constexpr RowLayout withUnitLabelLeft(int left) const {
    RowLayout rows = *this;
    rows.unitLabelLeft = left;
    return rows;
  }

  constexpr int top(int row) const { return firstTop + row * step; }
  constexpr Rect caption(int row) const {
    return {captionLeft, top(row), captionWidth, fieldHeight};
  }
  constexpr Rect field(int row) const { return {fieldLeft, top(row), fieldWidth, fieldHeight}; }
  constexpr Rect unitList(int row) const { return {unitLeft, top(row), unitWidth, listHeight}; }
  constexpr Rect unitLabel(int row) const {
    return {unitLabelLeft, top(row), unitWidth - (unitLabelLeft - unitLeft), fieldHeight};
  }
};

}  // namespace corvasine::runtime
