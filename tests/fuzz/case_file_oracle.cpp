#include "fuzz/case_file_oracle.h"

#include "runtime/number.h"

namespace corvasine::fuzz {

std::optional<std::vector<std::string>> casePieces(std::string_view bytes, char separator) {
  std::size_t i = 0;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
  if (i == bytes.size()) return std::nullopt;  // reading past the end
  std::vector<std::string> pieces(1);
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == ',' || c == '\r' || c == '\n') break;
    if (c == separator)
      pieces.emplace_back();
    else
      pieces.back().push_back(c);
  }
  return pieces;
}

std::optional<double> wholeNumber(const std::string& piece) {
  if (!runtime::IsNumber(piece)) return std::nullopt;
  return runtime::RoundHalfEven(runtime::ParseNumber(piece), 0);
}

}  // namespace corvasine::fuzz
