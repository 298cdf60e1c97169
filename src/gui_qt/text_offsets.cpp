#include "gui_qt/text_offsets.h"

#include <cstddef>

namespace corvasine::gui {
namespace {

// One unit of the model text as the edit sees it: its length in bytes and
// the UTF-16 code units it takes on screen.
struct Unit {
  std::size_t bytes;
  int utf16;
};

Unit unitAt(const std::string& text, std::size_t pos, bool multiLine) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (multiLine && lead == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return {2, 1};
  std::size_t bytes = 1;
  if (lead >= 0xF0) {
    bytes = 4;
  } else if (lead >= 0xE0) {
    bytes = 3;
  } else if (lead >= 0xC0) {
    bytes = 2;
  }
  // A truncated or malformed sequence counts its bytes one by one, as Qt
  // shows each of them as one replacement character.
  for (std::size_t i = 1; i < bytes; ++i) {
    if (pos + i >= text.size() || (static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
      return {1, 1};
  }
  return {bytes, bytes == 4 ? 2 : 1};
}

}  // namespace

std::string displayText(const std::string& modelText, bool multiLine) {
  if (!multiLine) return modelText;
  std::string shown;
  shown.reserve(modelText.size());
  for (std::size_t i = 0; i < modelText.size(); ++i) {
    if (modelText[i] == '\r' && i + 1 < modelText.size() && modelText[i + 1] == '\n') continue;
    shown += modelText[i];
  }
  return shown;
}

int widgetIndexOf(const std::string& modelText, int byteOffset, bool multiLine) {
  int index = 0;
  std::size_t pos = 0;
  while (pos < modelText.size()) {
    const Unit unit = unitAt(modelText, pos, multiLine);
    if (pos + unit.bytes > static_cast<std::size_t>(byteOffset)) break;
    pos += unit.bytes;
    index += unit.utf16;
  }
  return index;
}

int byteOffsetOf(const std::string& modelText, int widgetIndex, bool multiLine) {
  int index = 0;
  std::size_t pos = 0;
  while (pos < modelText.size()) {
    const Unit unit = unitAt(modelText, pos, multiLine);
    if (index + unit.utf16 > widgetIndex) break;
    pos += unit.bytes;
    index += unit.utf16;
  }
  return static_cast<int>(pos);
}

std::string modelTextFromDisplay(const std::string& shown, bool multiLine) {
  if (!multiLine) return shown;
  std::string model;
  model.reserve(shown.size() + shown.size() / 16);
  for (char c : shown) {
    if (c == '\n') model += '\r';
    model += c;
  }
  return model;
}

}  // namespace corvasine::gui
