#include "gui_qt/control_adapter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <iterator>
#include <vector>

#include "gui_qt/text_box_adapter.h"
#include "runtime/form.h"

namespace corvasine::gui {

using runtime::ControlKind;

namespace {

// A picture without a design size shows at its own size, in pixels at 96 dpi.
constexpr int kTwipsPerPixelAt96Dpi = 15;
// A frame's caption sits in its border line, as desktop group boxes draw it.
constexpr const char* kFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 0.6em; padding: 0 0.2em; }";

QString toQ(const std::string& text) { return QString::fromStdString(text); }

QFont fontOf(const runtime::Control& control) {
  const runtime::Font& font = control.font();
  QFont qfont(toQ(font.name));
  qfont.setPointSizeF(font.points > 0.0 ? font.points : 8.25);
  qfont.setBold(font.bold);
  return qfont;
}

QColor colorOf(runtime::Color color) {
  return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// Whether a caption marks an access key: an "&" before anything but "&".
bool hasAccessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return true;
    ++i;
  }
  return false;
}

// A list: the model's index, picked from the widget.
class ComboBoxAdapter : public ControlAdapter {
 public:
  ComboBoxAdapter(runtime::ComboBox& list, QWidget* parent, ControlHost& host)
      : ControlAdapter(list, new QComboBox(parent), host),
        combo_(static_cast<QComboBox*>(widget_)) {
    combo_->setEditable(false);
    for (const std::string& item : list.items()) combo_->addItem(toQ(item));
    connect(combo_, &QComboBox::activated, this,
            [this, &list](int index) { userClick([&list, index] { list.setListIndex(index); }); });
  }
  bool takesFocus() const override { return true; }

 protected:
  void syncOwn() override {
    const int index = static_cast<const runtime::ComboBox&>(control_).listIndex();
    if (combo_->currentIndex() == index) return;
    const QSignalBlocker block(combo_);
    combo_->setCurrentIndex(index);
  }
  void setBackColor(QPalette& palette, const QColor& back) override {
    palette.setColor(QPalette::Base, back);
    widget_->setAutoFillBackground(false);
  }

 private:
  QComboBox* combo_;
};

class CheckBoxAdapter : public ControlAdapter {
 public:
  CheckBoxAdapter(runtime::CheckBox& check, QWidget* parent, ControlHost& host)
      : ControlAdapter(check, new QCheckBox(parent), host), box_(static_cast<QCheckBox*>(widget_)) {
    // A check box that stands on a frame's edge hides the border behind it.
    box_->setAutoFillBackground(true);
    connect(box_, &QCheckBox::clicked, this, [this, &check] {
      userClick([&check] { check.setValue(check.value() == 1 ? 0 : 1); });
    });
  }
  bool takesFocus() const override { return true; }

 protected:
  void syncOwn() override {
    const auto& check = static_cast<const runtime::CheckBox&>(control_);
    const QSignalBlocker block(box_);
    box_->setText(toQ(check.caption()));
    box_->setTristate(check.value() == 2);
    box_->setCheckState(check.value() == 1   ? Qt::Checked
                        : check.value() == 2 ? Qt::PartiallyChecked
                                             : Qt::Unchecked);
  }

 private:
  QCheckBox* box_;
};

class OptionButtonAdapter : public ControlAdapter {
 public:
  OptionButtonAdapter(runtime::OptionButton& option, QWidget* parent, ControlHost& host)
      : ControlAdapter(option, new QRadioButton(parent), host),
        radio_(static_cast<QRadioButton*>(widget_)) {
    // The model keeps the options of a container exclusive.
    radio_->setAutoExclusive(false);
    connect(radio_, &QRadioButton::clicked, this,
            [this, &option] { userClick([&option] { option.setValue(true); }); });
  }
  bool takesFocus() const override { return true; }

 protected:
  void syncOwn() override {
    const auto& option = static_cast<const runtime::OptionButton&>(control_);
    const QSignalBlocker block(radio_);
    radio_->setText(toQ(option.caption()));
    radio_->setChecked(option.value());
  }

 private:
  QRadioButton* radio_;
};

// A label: a caption that stands level with the field beside it, hands the
// focus on with its access key, and may be a link that takes clicks.
class LabelAdapter : public ControlAdapter {
 public:
  LabelAdapter(runtime::Label& label, QWidget* parent, ControlHost& host)
      : ControlAdapter(label, new QLabel(parent), host),
        label_(label),
        qlabel_(static_cast<QLabel*>(widget_)) {
    qlabel_->setTextFormat(Qt::PlainText);
    qlabel_->setWordWrap(true);
  }
  bool liesBeneath() const override { return true; }

  void relate() override {
    findField();
    // With an access key the label hands the focus to the next control in
    // tab order, as on the desktop.
    if (!hasAccessKey(label_.caption())) return;
    const std::vector<runtime::Control*> order = label_.form().tabOrder();
    const auto self = std::find(order.begin(), order.end(), &control_);
    if (self == order.end()) return;
    const auto next = std::find_if(std::next(self), order.end(), [this](const runtime::Control* c) {
      return host_.takesFocus(*c);
    });
    if (next != order.end()) qlabel_->setBuddy(host_.widgetFor(**next));
  }

  bool filter(QEvent& event) override {
    switch (event.type()) {
      case QEvent::Enter:
      case QEvent::Leave:
        // A link is underlined while the mouse is over it.
        if (label_.isLink()) {
          QFont font = qlabel_->font();
          font.setUnderline(event.type() == QEvent::Enter);
          qlabel_->setFont(font);
        }
        return false;
      case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent&>(event).button() != Qt::LeftButton || !label_.acceptsInput())
          return false;
        host_.runEvent(&label_, "click", [this] { label_.click(); });
        return true;
      default:
        return false;
    }
  }

 protected:
  void syncOwn() override {
    // With a buddy the label underlines its access key itself.
    const QString caption = qlabel_->buddy() != nullptr ? toQ(label_.caption())
                                                        : withoutAccessKeys(toQ(label_.caption()));
    if (qlabel_->text() != caption) qlabel_->setText(caption);
    // A link shows the pointing hand, as the desktop's links do.
    if (label_.isLink() != (qlabel_->cursor().shape() == Qt::PointingHandCursor)) {
      if (label_.isLink())
        qlabel_->setCursor(Qt::PointingHandCursor);
      else
        qlabel_->unsetCursor();
    }
    Qt::Alignment align = Qt::AlignLeft;
    if (label_.alignment() == 1) align = Qt::AlignRight;
    if (label_.alignment() == 2) align = Qt::AlignHCenter;
    // A one-line caption is centred on the height of its row, so that it
    // stands level with the text of the field beside it.
    const bool oneLine = qlabel_->height() < 2 * QFontMetrics(qlabel_->font()).lineSpacing();
    qlabel_->setAlignment(align | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
  }

  // A one-line caption stands level with its field: it takes the field's
  // height and centres its text on it.
  QRect placed(QRect design) const override {
    if (field_ == nullptr) return design;
    const runtime::Rect rect = field_->rect();
    const int oneLine = QFontMetrics(fontOf(control_)).lineSpacing();
    const int top = host_.pixels(rect.top);
    const int height = host_.pixels(rect.top + rect.height) - top;
    if (design.height() < 2 * oneLine && height < 2 * oneLine) {
      design.setTop(top);
      design.setHeight(height);
    }
    return design;
  }

  // A link: drawn in the desktop's link colour, underlined under the mouse.
  bool dress(QFont& font, QPalette& palette) const override {
    if (!label_.isLink()) return false;
    if (widget_->underMouse()) font.setUnderline(true);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::WindowText, palette.color(group, QPalette::Link));
    return true;
  }

 private:
  // The field that the label captions: the nearest text box or list to its
  // right, in the same frame, on the same row.
  void findField() {
    const runtime::Rect l = label_.rect();
    for (const runtime::Control* field : label_.form().controls()) {
      if (field->kind() != ControlKind::TextBox && field->kind() != ControlKind::ComboBox) continue;
      if (field->container() != label_.container() || !field->visible()) continue;
      const runtime::Rect f = field->rect();
      const bool sameRow = f.top < l.top + l.height && l.top < f.top + f.height;
      if (!sameRow || f.left < l.left + l.width / 2) continue;
      if (field_ == nullptr || f.left < field_->rect().left) field_ = field;
    }
  }

  runtime::Label& label_;
  QLabel* qlabel_;
  const runtime::Control* field_ = nullptr;
};

class CommandButtonAdapter : public ControlAdapter {
 public:
  CommandButtonAdapter(runtime::CommandButton& button, QWidget* parent, ControlHost& host)
      : ControlAdapter(button, new QPushButton(parent), host),
        push_(static_cast<QPushButton*>(widget_)) {
    push_->setAutoDefault(false);
    connect(push_, &QPushButton::clicked, this, [this, &button] {
      host_.runEvent(&button, "click", [this, &button] {
        if (host_.mayClick(button)) button.click();
      });
    });
  }
  bool takesFocus() const override { return true; }

 protected:
  void syncOwn() override {
    const auto& button = static_cast<const runtime::CommandButton&>(control_);
    const QString caption = toQ(button.caption());
    if (push_->text() != caption) push_->setText(caption);
    push_->setDefault(button.isDefault());
  }
  void setBackColor(QPalette& palette, const QColor& back) override {
    ControlAdapter::setBackColor(palette, back);
    palette.setColor(QPalette::Button, back);
  }

 private:
  QPushButton* push_;
};

class FrameAdapter : public ControlAdapter {
 public:
  FrameAdapter(runtime::Frame& frame, QWidget* parent, ControlHost& host)
      : ControlAdapter(frame, new QGroupBox(parent), host),
        group_(static_cast<QGroupBox*>(widget_)) {
    group_->setAutoFillBackground(true);  // a frame hides what lies beneath it
    group_->setStyleSheet(QString::fromLatin1(kFrameStyle));
  }

 protected:
  void syncOwn() override {
    const QString caption = toQ(static_cast<const runtime::Frame&>(control_).caption());
    if (group_->title() != caption) group_->setTitle(caption);
  }

 private:
  QGroupBox* group_;
};

// A picture from the program folder, scaled into its design rectangle
// keeping its shape; without a design size, at its own size.
class PictureAdapter : public ControlAdapter {
 public:
  PictureAdapter(runtime::Picture& picture, QWidget* parent, ControlHost& host)
      : ControlAdapter(picture, new QLabel(parent), host) {
    auto* label = static_cast<QLabel*>(widget_);
    const QPixmap pixmap(toQ(host.programFolder() + "/" + picture.imageFile()));
    if (pixmap.isNull()) return;
    const runtime::Rect rect = picture.rect();
    const QSize size = hasDesignSize()
                           ? QSize(host.pixels(rect.width), host.pixels(rect.height))
                           : QSize(host.pixels(pixmap.width() * kTwipsPerPixelAt96Dpi),
                                   host.pixels(pixmap.height() * kTwipsPerPixelAt96Dpi));
    label->setPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    label->setAlignment(Qt::AlignCenter);
    label->resize(size);
  }
  bool liesBeneath() const override { return true; }

 protected:
  QRect placed(QRect design) const override {
    if (!hasDesignSize()) design.setSize(widget_->size());
    return design;
  }

 private:
  bool hasDesignSize() const { return control_.rect().width > 0 && control_.rect().height > 0; }
};

}  // namespace

QString withoutAccessKeys(const QString& caption) {
  QString shown;
  shown.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
        shown += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

ControlAdapter::ControlAdapter(runtime::Control& control, QWidget* widget, ControlHost& host)
    : QObject(widget), control_(control), widget_(widget), host_(host) {
  widget->setObjectName(toQ(control.name()));
}

void ControlAdapter::sync() {
  const runtime::Rect rect = control_.rect();
  const int left = host_.pixels(rect.left);
  const int top = host_.pixels(rect.top);
  const QRect geometry = placed(QRect(left, top, host_.pixels(rect.left + rect.width) - left,
                                      host_.pixels(rect.top + rect.height) - top));
  if (widget_->geometry() != geometry) widget_->setGeometry(geometry);

  // The desktop's font and palette for the widget, with the form's own on it.
  QFont font = fontOf(control_);
  QPalette palette = QApplication::palette(widget_);
  bool custom = dress(font, palette);
  if (widget_->font() != font) widget_->setFont(font);
  if (control_.backColor() != runtime::kDefaultColor) {
    setBackColor(palette, colorOf(control_.backColor()));
    custom = true;
  }
  if (control_.foreColor() != runtime::kDefaultColor) {
    const QColor fore = colorOf(control_.foreColor());
    // Disabled controls keep the desktop's grey.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::Text, fore);
      palette.setColor(group, QPalette::WindowText, fore);
      palette.setColor(group, QPalette::ButtonText, fore);
    }
    custom = true;
  }
  if (custom || widget_->testAttribute(Qt::WA_SetPalette)) {
    if (!custom) palette = QApplication::palette(widget_);
    if (widget_->palette() != palette) widget_->setPalette(palette);
  }

  applyEnabled();
  if (widget_->isHidden() == control_.visible()) widget_->setVisible(control_.visible());
  syncOwn();
}

void ControlAdapter::setBackColor(QPalette& palette, const QColor& back) {
  palette.setColor(QPalette::Window, back);
  widget_->setAutoFillBackground(true);
}

void ControlAdapter::applyEnabled() {
  if (widget_->testAttribute(Qt::WA_ForceDisabled) == control_.enabled())
    widget_->setEnabled(control_.enabled());
}

ControlAdapter* makeAdapter(runtime::Control& control, QWidget* parent, ControlHost& host) {
  switch (control.kind()) {
    case ControlKind::TextBox:
      return new TextBoxAdapter(static_cast<runtime::TextBox&>(control), parent, host);
    case ControlKind::ComboBox:
      return new ComboBoxAdapter(static_cast<runtime::ComboBox&>(control), parent, host);
    case ControlKind::CheckBox:
      return new CheckBoxAdapter(static_cast<runtime::CheckBox&>(control), parent, host);
    case ControlKind::OptionButton:
      return new OptionButtonAdapter(static_cast<runtime::OptionButton&>(control), parent, host);
    case ControlKind::Label:
      return new LabelAdapter(static_cast<runtime::Label&>(control), parent, host);
    case ControlKind::CommandButton:
      return new CommandButtonAdapter(static_cast<runtime::CommandButton&>(control), parent, host);
    case ControlKind::Frame:
      return new FrameAdapter(static_cast<runtime::Frame&>(control), parent, host);
    case ControlKind::Picture:
      return new PictureAdapter(static_cast<runtime::Picture&>(control), parent, host);
  }
  return nullptr;
}

}  // namespace corvasine::gui
