#pragma once

#include <string>

namespace corvasine::gui {

// The model keeps text boxes as UTF-8 with byte offsets for the selection and
// CR LF line ends; Qt's edits hold UTF-16 with LF line ends. These convert
// between the two without Qt, so the mapping can be tested on its own.

// The text an edit shows for a model text: multi-line boxes show CR LF as LF.
std::string displayText(const std::string& modelText, bool multiLine);

// The UTF-16 index in the shown text of a byte offset into the model text
// (an offset inside a character or a CR LF pair counts from its start).
int widgetIndexOf(const std::string& modelText, int byteOffset, bool multiLine);

// The byte offset into the model text of a UTF-16 index into the shown text.
int byteOffsetOf(const std::string& modelText, int widgetIndex, bool multiLine);

// The model text for what the user left in an edit: lines of a multi-line box
// end in CR LF, as the system writes them.
std::string modelTextFromDisplay(const std::string& shown, bool multiLine);

}  // namespace corvasine::gui
