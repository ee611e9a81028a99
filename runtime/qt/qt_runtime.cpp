#include "runtime/qt/qt_runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <cstdlib>

#include "runtime/commands.h"
#include "runtime/data_operations.h"
#include "runtime/long_digest.h"
#include "runtime/qt/long_digest.h"
#include "runtime/qt/qt_text.h"
#include "runtime/qt/window_builder.h"

namespace corvane::qt {

namespace {

std::optional<QString> AskForFile(QWidget* parent, const QString& previous) {
  const QString start = previous.isEmpty() ? QDir::homePath() : QFileInfo(previous).absolutePath();
  QFileDialog dialog(parent, QStringLiteral("选择要计算的文件"), start, QStringLiteral("所有文件 (*)"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace

QtRuntime::QtRuntime(std::span<const Form* const> forms)
    : forms_(forms), exit_([](int status) { std::exit(status); }) {}

QtRuntime::~QtRuntime() {
  for (auto& [id, window] : windows_) delete window.data();
}

const Form* QtRuntime::FindForm(std::uint32_t window_id) const {
  for (const Form* form : forms_)
    if (form->window_id == window_id) return form;
  return nullptr;
}

QWidget* QtRuntime::Window(std::uint32_t window_id) const {
  const auto it = windows_.find(window_id);
  return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* QtRuntime::Widget(ControlAddress control) const {
  const auto it = widgets_.find({control.window, control.control});
  return it == widgets_.end() ? nullptr : it->second.data();
}

void QtRuntime::LoadWindow(std::uint32_t window_id) {
  const Form* form = FindForm(window_id);
  if (!form || Window(window_id)) return;
  BuiltWindow built = BuildWindow(*form, [this, window_id](Handler handler) { Dispatch(window_id, handler); });
  windows_[window_id] = built.window;
  for (const BuiltControl& control : built.controls) {
    const Key key{window_id, control.entry->id};
    entries_[key] = control.entry;
    if (control.widget) widgets_[key] = control.widget;
    if (control.entry->type == TypeCode::CommonDialog) dialogs_[key] = Dialog{};
  }
  built.window->show();
}

void QtRuntime::Dispatch(std::uint32_t window_id, Handler handler) {
  // Handlers run one at a time, each to completion.
  if (dispatching_) return;
  dispatching_ = true;
  dispatching_window_ = window_id;
  handler();
  dispatching_ = false;
}

// A long digest reports its progress in the control of the clicked window
// that the form marks for it.
Value* QtRuntime::Digest(const Value& bytes) {
  LongDigestView view{Window(dispatching_window_), [](double) {}};
  for (const auto& [key, entry] : entries_) {
    if (key.first != dispatching_window_ || !entry->settings || !entry->settings->shows_progress) continue;
    QPointer<QWidget> widget = widgets_[key];
    view.show_progress = [widget, entry](double fraction) {
      if (!widget) return;
      SetEditText(widget, *entry, QString::fromStdString(ProgressText(fraction)), false);
    };
  }
  return DigestKeepingWindowAlive(bytes, view);
}

void QtRuntime::RunMessageLoop(std::int32_t) {
  // A closed window waits to be deleted; only a shown one keeps the loop going.
  const bool any_open = std::any_of(windows_.begin(), windows_.end(),
                                    [](const auto& w) { return w.second && w.second->isVisible(); });
  if (any_open) QApplication::exec();
}

void QtRuntime::ExitProgram(std::int32_t status) { exit_(status); }

Result QtRuntime::ReadProperty(ControlAddress control, Property property, std::int32_t) {
  if (property == Property::FileName) {
    const auto it = dialogs_.find({control.window, control.control});
    if (it == dialogs_.end() || it->second.file_name.isEmpty()) return {};
    return {0, Value::NewText(FromQString(it->second.file_name))};
  }
  QWidget* widget = Widget(control);
  if (!widget) return {};
  switch (property) {
    case Property::Checked: {
      const auto* button = qobject_cast<QAbstractButton*>(widget);
      return {button && button->isChecked() ? 1 : 0, nullptr};
    }
    case Property::Disabled:
      return {widget->isEnabled() ? 0 : 1, nullptr};
    case Property::Content: {
      const auto* edit = qobject_cast<QLineEdit*>(widget);
      return edit ? Result{0, Value::NewText(FromQString(edit->text()))} : Result{};
    }
    default:
      return {};
  }
}

void QtRuntime::WriteProperty(ControlAddress control, Property property, std::int32_t, std::int32_t integer) {
  QWidget* widget = Widget(control);
  if (!widget) return;
  if (property == Property::Disabled) widget->setEnabled(integer == 0);
  if (property == Property::Checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setChecked(integer == 1);
  }
}

void QtRuntime::WriteProperty(ControlAddress control, Property property, std::int32_t, const Value* text) {
  QWidget* widget = Widget(control);
  if (!widget || property != Property::Content) return;
  const FormEntry& entry = *entries_.at({control.window, control.control});
  SetEditText(widget, entry, text ? ToQString(text->data()) : QString(), text && text->IsFailure());
}

void QtRuntime::ReleaseValue(Value* value) {
  if (value == &EmptyText() || value == &EmptyBytes()) return;  // the constants live for the whole run
  delete value;
}

bool QtRuntime::ShowOpenDialog(ControlAddress dialog) {
  const auto it = dialogs_.find({dialog.window, dialog.control});
  if (it == dialogs_.end()) return false;
  QWidget* parent = Window(dialog.window);
  const std::optional<QString> chosen = chooser_ ? chooser_(parent) : AskForFile(parent, it->second.file_name);
  if (!chosen) return false;  // a cancel leaves the file name as it was
  it->second.file_name = *chosen;
  return true;
}

void QtRuntime::CloseWindow(std::uint32_t window_id) {
  if (QWidget* window = Window(window_id)) window->close();
}

Result QtRuntime::RunCommand(Command command, std::span<const Argument> arguments) {
  if (command == kCloseWindow && !arguments.empty()) {
    CloseWindow(arguments[0].object.window);
    return {};
  }
  if (command == kShowOpenDialog && !arguments.empty()) return {ShowOpenDialog(arguments[0].object) ? 1 : 0, nullptr};
  if (command == kDigestText && arguments.size() == 1 && arguments[0].value) return {0, Digest(*arguments[0].value)};
  return RunDataOperation(command, arguments, open_).value_or(Result{});
}

}  // namespace corvane::qt
