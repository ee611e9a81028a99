#include "runtime/qt/input_filter.h"

#include <QApplication>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <optional>

#include "runtime/qt/window_builder.h"

namespace corvane::qt {

namespace {

std::optional<corvane::Key> KeyOf(const QKeyEvent& event) {
  if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return corvane::Key::Enter;
    case Qt::Key_Space: return corvane::Key::Space;
    case Qt::Key_Escape: return corvane::Key::Escape;
    default: return std::nullopt;
  }
}

// The form control a key or a click lands on; a key on a widget of no form
// (a dialog of the system's) is none of the core's business.
std::optional<ControlRef> Target(QObject* watched) {
  if (const auto control = ControlOf(watched)) return control;
  if (auto* widget = qobject_cast<QWidget*>(watched)) return ControlOf(widget->window());
  return std::nullopt;
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputFilter::InputFilter(AdapterEvents& events) : events_(events) { qApp->installEventFilter(this); }

InputFilter::~InputFilter() { qApp->removeEventFilter(this); }

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  if (blocked_) return Blocked(watched, event);
  if (event->type() == QEvent::KeyPress) return Key(watched, event);
  if (event->type() == QEvent::MouseButtonRelease) ReportClick(watched, *static_cast<QMouseEvent*>(event));
  return false;
}

// A click on a label or into an edit box is reported too, for the core to
// run whatever the form binds to it; buttons report their own clicks.
void InputFilter::ReportClick(QObject* watched, const QMouseEvent& event) {
  const auto control = ControlOf(watched);
  if (!control || control->index < 0 || event.button() != Qt::LeftButton) return;
  if (qobject_cast<QAbstractButton*>(watched)) return;
  events_.Clicked(*control);
}

bool InputFilter::Key(QObject* watched, QEvent* event) {
  const auto key = KeyOf(*static_cast<QKeyEvent*>(event));
  const auto control = ControlOf(watched);
  return key && control && events_.KeyPressed(*control, *key);
}

// Keys and releases of the mouse over a control are reported, so that Esc
// and the cancel button can stop what runs; nothing reaches the widgets.
bool InputFilter::Blocked(QObject* watched, QEvent* event) {
  // The toolkit's windows hand input on to the widgets, where it stops.
  if (!watched->isWidgetType() || !IsInput(event->type())) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto key = KeyOf(*static_cast<QKeyEvent*>(event));
    const auto target = Target(watched);
    if (key && target) events_.KeyPressed(*target, *key);
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    if (const auto control = ControlOf(watched); control && control->index >= 0) events_.Clicked(*control);
  }
  return true;
}

}  // namespace corvane::qt
