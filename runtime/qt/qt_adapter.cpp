#include "runtime/qt/qt_adapter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <cstdlib>

#include "runtime/qt/file_dialog.h"
#include "runtime/qt/input_filter.h"
#include "runtime/qt/window_builder.h"

namespace corvane::qt {

namespace {

QString FromU16(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QColor FromColourRef(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

QtAdapter::QtAdapter() = default;

QtAdapter::~QtAdapter() {
  filter_.reset();
  for (auto& [id, built] : windows_) delete built.window.data();
}

void QtAdapter::BuildWindow(const Form& form) {
  if (!filter_) filter_ = std::make_unique<InputFilter>(*events_);
  BuiltForm built = BuildFormWindow(form, *events_);
  Built& kept = windows_[form.window_id];
  kept.window = built.window;
  kept.controls.assign(built.controls.begin(), built.controls.end());
  built.window->show();
}

QWidget* QtAdapter::Window(std::uint32_t window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.window.data();
}

QWidget* QtAdapter::Widget(ControlRef control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || control.index < 0 || control.index >= static_cast<int>(it->second.controls.size()))
    return nullptr;
  return it->second.controls[control.index].data();
}

void QtAdapter::CloseWindow(std::uint32_t window) {
  if (auto* form_window = qobject_cast<FormWindow*>(Window(window))) form_window->CloseNow();
}

bool QtAdapter::IsOpen(std::uint32_t window) const {
  const auto* form_window = qobject_cast<FormWindow*>(Window(window));
  return form_window && !form_window->closing();
}

std::u16string QtAdapter::Text(ControlRef control) const {
  const auto* edit = qobject_cast<QLineEdit*>(Widget(control));
  return edit ? edit->text().toStdU16String() : std::u16string();
}

void QtAdapter::SetText(ControlRef control, std::u16string_view text) {
  auto* edit = qobject_cast<QLineEdit*>(Widget(control));
  if (!edit) return;
  edit->setText(FromU16(text));
  edit->setCursorPosition(0);
}

bool QtAdapter::Enabled(ControlRef control) const {
  const QWidget* widget = Widget(control);
  return widget && widget->isEnabled();
}

void QtAdapter::SetEnabled(ControlRef control, bool enabled) {
  if (QWidget* widget = Widget(control)) widget->setEnabled(enabled);
}

bool QtAdapter::Checked(ControlRef control) const {
  const auto* button = qobject_cast<QAbstractButton*>(Widget(control));
  return button && button->isChecked();
}

void QtAdapter::SetChecked(ControlRef control, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(Widget(control))) button->setChecked(checked);
}

void QtAdapter::SetTextColour(ControlRef control, std::optional<std::uint32_t> colour) {
  QWidget* widget = Widget(control);
  if (!widget) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text,
                   colour ? FromColourRef(*colour) : widget->style()->standardPalette().color(QPalette::Text));
  widget->setPalette(palette);
}

std::optional<std::u16string> QtAdapter::AskForFile(std::uint32_t window, std::u16string_view previous) {
  const std::optional<QString> chosen = AskForFileToOpen(Window(window), FromU16(previous));
  if (!chosen) return std::nullopt;
  return chosen->toStdU16String();
}

void QtAdapter::BlockInput(bool blocked) {
  if (filter_) filter_->SetBlocked(blocked);
}

void QtAdapter::RunPendingEvents() { QApplication::processEvents(); }

void QtAdapter::RunLoop() { QApplication::exec(); }

void QtAdapter::Exit(int status) { std::exit(status); }

}  // namespace corvane::qt
