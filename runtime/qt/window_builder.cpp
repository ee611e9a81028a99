#include "runtime/qt/window_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

namespace corvane::qt {

namespace {

QString Caption(const FormEntry& entry) {
  return entry.settings && entry.settings->caption ? QString::fromUtf8(entry.settings->caption) : QString();
}

void Mark(QObject* object, ControlRef control) {
  object->setProperty("corvaneWindow", static_cast<qulonglong>(control.window));
  object->setProperty("corvaneIndex", control.index);
}

class RadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {}  // the core checks it, and clears the others
};

QWidget* MakeEditBox(const FormEntry& entry, ControlRef control, AdapterEvents& events, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [&events, control] { events.Edited(control); });
  edit->setMaxLength(std::numeric_limits<int>::max());  // the default cap would cut a paste
  if (const KindSettings* settings = entry.settings; settings && settings->background) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, FromColourRef(*settings->background));
    edit->setPalette(palette);
  }
  if (entry.settings && entry.settings->content) edit->setText(QString::fromUtf8(entry.settings->content));
  return edit;
}

QWidget* MakeButton(const FormEntry& entry, ControlRef control, AdapterEvents& events, QWidget* parent) {
  QAbstractButton* button;
  if (entry.type == TypeCode::RadioButton) {
    button = new RadioButton(Caption(entry), parent);
    button->setAutoExclusive(false);
    button->setChecked(entry.settings && entry.settings->checked);
  } else {
    auto* push = new QPushButton(Caption(entry), parent);
    push->setAutoDefault(false);  // Enter is the core's: the buttons look alike
    button = push;
  }
  QObject::connect(button, &QAbstractButton::clicked, button, [&events, control] { events.Clicked(control); });
  return button;
}

QWidget* MakeControl(const FormEntry& entry, ControlRef control, AdapterEvents& events, QWidget* window) {
  switch (entry.type) {
    case TypeCode::Label: return new QLabel(Caption(entry), window);
    case TypeCode::Button:
    case TypeCode::RadioButton: return MakeButton(entry, control, events, window);
    case TypeCode::EditBox: return MakeEditBox(entry, control, events, window);
    default: return nullptr;  // the common dialog shows only while it runs
  }
}

}  // namespace

BuiltForm BuildFormWindow(const Form& form, AdapterEvents& events) {
  const FormEntry& own = form.window();
  auto* window = new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setAcceptDrops(true);  // a file dropped anywhere on it
  window->setWindowTitle(Caption(own));
  window->setFixedSize(own.width, own.height);
  window->move(own.left, own.top);
  Mark(window, {form.window_id, -1});

  BuiltForm built{window, {}};
  const auto controls = form.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const FormEntry& entry = controls[i];
    const ControlRef control{form.window_id, static_cast<int>(i)};
    QWidget* widget = MakeControl(entry, control, events, window);
    if (widget) {
      Mark(widget, control);
      widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
      if (!entry.tab_stop()) widget->setFocusPolicy(Qt::NoFocus);
      widget->setVisible(entry.visible());
    }
    built.controls.push_back(widget);
  }
  // Tab goes through the controls as they read on screen, row by row from
  // the top left: the reverse of the form's order.
  QWidget* previous = nullptr;
  for (std::size_t i = controls.size(); i-- > 0;) {
    if (!built.controls[i] || !controls[i].tab_stop()) continue;
    if (previous) QWidget::setTabOrder(previous, built.controls[i]);
    previous = built.controls[i];
  }
  return built;
}

QColor FromColourRef(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

std::optional<ControlRef> ControlOf(const QObject* object) {
  const QVariant window = object ? object->property("corvaneWindow") : QVariant();
  if (!window.isValid()) return std::nullopt;
  return ControlRef{static_cast<std::uint32_t>(window.toULongLong()), object->property("corvaneIndex").toInt()};
}

}  // namespace corvane::qt
