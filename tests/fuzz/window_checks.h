#pragma once

// What must hold of the windows after every action of a fuzz target.

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "runtime/application.h"

namespace corvasine::fuzz {

// Everything a user can see of the loaded windows: each form's caption and
// visibility and each control's text, caption, value, list position,
// enabled and visible flags. Two equal snapshots show the same windows.
std::string snapshot(const runtime::Application& app);

// The decimal syntax that ParseNumber reads, written out again: blanks, sign,
// digits with an optional point, optional exponent, blanks; at least one
// mantissa digit. Gives the text without its blanks and its count of
// significant digits, or nothing when the text does not qualify, whether or
// not its value fits a Double.
struct DecimalText {
  std::string core;
  int significantDigits = 0;
};
std::optional<DecimalText> decimalText(std::string_view text);

// The first box or label of the loaded windows that shows a number that is
// not finite ("inf", "NaN", "1.#INF", or digits beyond the Double range) and
// that the system made, as "form.control: text"; empty when there is none. Boxes
// in userEdited are the user's own text; a token found in userMaterial
// (texts typed, pasted or read from a file) came from the user too.
std::string nonFiniteShown(const runtime::Application& app,
                           const std::set<const runtime::Control*>& userEdited,
                           std::string_view userMaterial);

// Every text the system shows in a message box, by the windows that show it.
std::set<std::string> shellMessages();
std::set<std::string> steamMessages();
std::set<std::string> gasMessages();

}  // namespace corvasine::fuzz
