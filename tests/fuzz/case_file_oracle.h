#pragma once

// An independent reading of a case file's bytes, written from the file's
// description rather than from the readers: leading blanks skipped, the
// first field closed by a comma or a line end, split at "^".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvasine::fuzz {

// The pieces of the file's first field; nothing when the file holds no field.
std::optional<std::vector<std::string>> casePieces(std::string_view bytes, char separator);

// The piece as a whole number rounded half to even, when it is a number.
std::optional<double> wholeNumber(const std::string& piece);

}  // namespace corvasine::fuzz
