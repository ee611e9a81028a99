#include "runtime/qt/window_builder.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <limits>
#include <memory>

namespace corvane::qt {

namespace {

constexpr char kWindowProperty[] = "corvaneWindow";
constexpr char kIndexProperty[] = "corvaneIndex";

QString Caption(const FormEntry& entry) {
  return entry.settings && entry.settings->caption ? QString::fromUtf8(entry.settings->caption) : QString();
}

QColor FromColourRef(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

void Mark(QObject* object, ControlRef control) {
  object->setProperty(kWindowProperty, static_cast<qulonglong>(control.window));
  object->setProperty(kIndexProperty, control.index);
}

QWidget* MakeEditBox(const FormEntry& entry, ControlRef control, AdapterEvents& events, QWidget* parent) {
  auto* edit = new FormLineEdit(control, events, parent);
  // A pasted text is taken whole: the line edit's default cap would cut it.
  edit->setMaxLength(std::numeric_limits<int>::max());
  if (entry.settings && entry.settings->background) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, FromColourRef(*entry.settings->background));
    edit->setPalette(palette);
  }
  if (entry.settings && entry.settings->content) edit->setText(QString::fromUtf8(entry.settings->content));
  return edit;
}

QAbstractButton* MakeButton(const FormEntry& entry, ControlRef control, AdapterEvents& events, QWidget* parent) {
  QAbstractButton* button;
  if (entry.type == TypeCode::RadioButton) {
    auto* radio = new FormRadioButton(Caption(entry), parent);
    radio->setAutoExclusive(false);  // the core keeps the group
    radio->setChecked(entry.settings && entry.settings->checked);
    button = radio;
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

// Tab goes through the controls as they read on screen, row by row from
// the top left: the reverse of the form's order.
void SetTabOrder(const Form& form, const std::vector<QWidget*>& controls) {
  QWidget* previous = nullptr;
  for (std::size_t i = controls.size(); i-- > 0;) {
    if (!controls[i] || !form.controls()[i].tab_stop()) continue;
    if (previous) QWidget::setTabOrder(previous, controls[i]);
    previous = controls[i];
  }
}

}  // namespace

FormWindow::FormWindow(std::uint32_t id, AdapterEvents& events)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      id_(id),
      events_(events) {
  setAttribute(Qt::WA_DeleteOnClose);
  Mark(this, {id, -1});
}

void FormWindow::CloseNow() {
  closing_ = true;
  if (!reporting_) close();  // else the close event being reported is accepted
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (closing_) return event->accept();
  // The core decides: it may first stop a digest, and close afterwards.
  reporting_ = true;
  events_.CloseRequested(id_);
  reporting_ = false;
  if (closing_) {
    event->accept();
  } else {
    event->ignore();
  }
}

FormLineEdit::FormLineEdit(ControlRef control, AdapterEvents& events, QWidget* parent)
    : QLineEdit(parent), control_(control), events_(events) {}

void FormLineEdit::PasteFrom(QClipboard::Mode mode) {
  if (isReadOnly() || !isEnabled()) return;
  const std::optional<std::u16string> text = events_.Pasted(control_, QApplication::clipboard()->text(mode).toStdU16String());
  if (text) insert(QString::fromStdU16String(*text));
}

void FormLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) return PasteFrom(QClipboard::Clipboard);
  QLineEdit::keyPressEvent(event);
}

void FormLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    paste->disconnect();
    connect(paste, &QAction::triggered, this, [this] { PasteFrom(QClipboard::Clipboard); });
  }
  menu->exec(event->globalPos());
}

void FormLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
    PasteFrom(QClipboard::Selection);
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

BuiltForm BuildFormWindow(const Form& form, AdapterEvents& events) {
  const FormEntry& own = form.window();
  auto* window = new FormWindow(form.window_id, events);
  window->setWindowTitle(Caption(own));
  window->setFixedSize(own.width, own.height);
  window->move(own.left, own.top);

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
  SetTabOrder(form, built.controls);
  return built;
}

std::optional<ControlRef> ControlOf(const QObject* object) {
  if (!object) return std::nullopt;
  const QVariant window = object->property(kWindowProperty);
  if (!window.isValid()) return std::nullopt;
  return ControlRef{static_cast<std::uint32_t>(window.toULongLong()), object->property(kIndexProperty).toInt()};
}

}  // namespace corvane::qt
