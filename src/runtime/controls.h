#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvasine::runtime {

class Form;
class Frame;

// Design rectangle in twips (1440 per inch; 15 twips are one pixel at 96 dpi).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Font {
  std::string name = "MS Sans Serif";
  double points = 8.25;
  bool bold = false;
};

// RGB colour 0xRRGGBB; kDefaultColor leaves the desktop's own colour.
using Color = std::uint32_t;
inline constexpr Color kDefaultColor = 0xFFFFFFFFu;

enum class ControlKind {
  TextBox,
  ComboBox,
  CheckBox,
  OptionButton,
  Label,
  CommandButton,
  Frame,
  Picture
};

using Handler = std::function<void()>;
// A validate handler gets the cancel flag; setting it keeps the focus where it is.
using ValidateHandler = std::function<void(bool& cancel)>;

// A control of a form: design name, kind, design rectangle (relative to its
// frame when it sits in one), font, enabled and visible state and colours.
// Controls are members of their form and register themselves with it.
class Control {
 public:
  Control(Form& form, std::string name, ControlKind kind, Rect rect, Frame* container = nullptr);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Form& form() const { return form_; }
  Frame* container() const { return container_; }

  Rect rect() const { return rect_; }
  void setRect(Rect rect);
  const Font& font() const { return font_; }
  void setFont(Font font);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  Color backColor() const { return backColor_; }
  void setBackColor(Color color);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color color);
  int tabIndex() const { return tabIndex_; }
  void setTabIndex(int index) { tabIndex_ = index; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool stop) { tabStop_ = stop; }

  // Whether the user can reach the control: it and every frame around it are
  // enabled and visible.
  bool acceptsInput() const;

  // Gives this control the focus (see Form::setFocus).
  void setFocus();
  // Draws the control now, inside the running handler.
  void refresh();

  Handler onGotFocus;

 protected:
  // Tells the form's observers that this control changed.
  void notify();
  // Runs a handler inside an event of the application; nothing of the control
  // may be touched after it returns, since the form may be gone by then.
  void fire(const Handler& handler);

 private:
  Form& form_;
  std::string name_;
  ControlKind kind_;
  Frame* container_;
  Rect rect_;
  Font font_;
  bool enabled_ = true;
  bool visible_ = true;
  Color backColor_ = kDefaultColor;
  Color foreColor_ = kDefaultColor;
  int tabIndex_;
  bool tabStop_ = true;
};

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, Rect rect, Frame* container = nullptr,
          std::string text = {}, bool multiLine = false);

  const std::string& text() const { return text_; }
  // Stores the text and runs the change handler before returning. A
  // single-line box keeps only what stands before the first line break.
  void setText(std::string text);
  bool multiLine() const { return multiLine_; }
  // A locked box shows its text for reading, selecting and copying; the user
  // cannot edit it (the program still can).
  bool locked() const { return locked_; }
  void setLocked(bool locked);

  // Selection in bytes of the text; clamped to the text.
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void setSelection(int start, int length);
  std::string selectedText() const;
  // Replaces the selected text (or inserts at the caret), which runs the change handler.
  void replaceSelection(const std::string& text);

  Handler onChange;

 private:
  std::string text_;
  bool multiLine_;
  bool locked_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
};

// A pick-only list: the user picks one of fixed entries; -1 means none.
class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, Rect rect, Frame* container,
           std::vector<std::string> items);

  const std::vector<std::string>& items() const { return items_; }
  int listIndex() const { return listIndex_; }
  // Sets the position and runs the click handler, also when it does not change.
  // A position outside the list is a run-time error.
  void setListIndex(int index);
  std::string text() const;

  Handler onClick;
  ValidateHandler onValidate;

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, Rect rect, Frame* container, std::string caption);

  const std::string& caption() const { return caption_; }
  int value() const { return value_; }  // 0 unticked, 1 ticked, 2 greyed
  // Sets the value and runs the click handler.
  void setValue(int value);

  Handler onClick;

 private:
  std::string caption_;
  int value_ = 0;
};

class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, Rect rect, Frame* container, std::string caption);

  const std::string& caption() const { return caption_; }
  bool value() const { return value_; }
  // Selecting an option clears the other options of the same container and
  // runs the click handler; clearing one runs nothing.
  void setValue(bool value);

  Handler onClick;

 private:
  std::string caption_;
  bool value_ = false;
};

// A control that shows a caption the program may change and runs its click
// handler when clicked: a label or a button.
class CaptionedControl : public Control {
 public:
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  void click();

  Handler onClick;

 protected:
  CaptionedControl(Form& form, std::string name, ControlKind kind, Rect rect, Frame* container,
                   std::string caption);

 private:
  std::string caption_;
};

class Label : public CaptionedControl {
 public:
  Label(Form& form, std::string name, Rect rect, Frame* container, std::string caption);

  // Alignment of the caption: 0 left, 1 right, 2 centre.
  int alignment() const { return alignment_; }
  void setAlignment(int alignment) { alignment_ = alignment; }
  // A link label shows as the desktop shows a link to a web page.
  bool isLink() const { return link_; }
  void setLink(bool link);

 private:
  int alignment_ = 0;
  bool link_ = false;
};

// Clicking a button presses it.
class CommandButton : public CaptionedControl {
 public:
  CommandButton(Form& form, std::string name, Rect rect, Frame* container, std::string caption);

  bool isDefault() const { return default_; }
  void setDefault(bool value) { default_ = value; }
  bool isCancel() const { return cancel_; }
  void setCancel(bool value) { cancel_ = value; }

 private:
  bool default_ = false;
  bool cancel_ = false;
};

class Frame : public Control {
 public:
  Frame(Form& form, std::string name, Rect rect, std::string caption, Frame* container = nullptr);

  const std::string& caption() const { return caption_; }

 private:
  std::string caption_;
};

// A picture from a file of the program folder.
class Picture : public Control {
 public:
  Picture(Form& form, std::string name, Rect rect, Frame* container, std::string imageFile);

  const std::string& imageFile() const { return imageFile_; }

 private:
  std::string imageFile_;
};

struct MenuItem {
  std::string name;
  std::string caption;   // "-" for a separator
  std::string shortcut;  // "Ctrl+N", "F1" or empty
  Handler onClick;
  bool enabled = true;

  bool isSeparator() const { return caption == "-"; }
};

struct Menu {
  std::string name;
  std::string caption;
  std::vector<MenuItem> items;
};

// The number a text box shows (ParseNumber of its text: RuntimeError when
// it holds none), and whether it shows one.
double shownNumber(const TextBox& box);
bool holdsNumber(const TextBox& box);

// A reference to a control of some form that never reaches freed memory: it
// reads as empty once the form has been unloaded.
template <class C>
class ControlRef {
 public:
  ControlRef() = default;
  ControlRef(C& control);  // defined in form.h, which knows Form
  C* get() const { return lifetime_.expired() ? nullptr : control_; }
  bool isSet() const { return control_ != nullptr; }

 private:
  std::weak_ptr<void> lifetime_;
  C* control_ = nullptr;
};

}  // namespace corvasine::runtime
