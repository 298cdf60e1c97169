#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvasine::runtime {

// The pieces of text between separators, numbered from 0; an empty text gives
// one empty piece, as does every pair of adjacent separators.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

}  // namespace corvasine::runtime
