#pragma once
// The runtime on Qt 6 Widgets: windows built from their forms, clicks
// dispatched to the bound handlers, properties mapped onto the widgets.

#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <span>

#include "runtime/data_operations.h"
#include "runtime/form.h"
#include "runtime/runtime.h"

class QWidget;

namespace corvane::qt {

// Asks the user for a file to open; nullopt when the user cancels.
using FileChooser = std::function<std::optional<QString>(QWidget* parent)>;

class QtRuntime final : public Runtime {
 public:
  explicit QtRuntime(std::span<const Form* const> forms);
  ~QtRuntime() override;

  Result ReadProperty(ControlAddress control, Property property, std::int32_t index) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, std::int32_t integer) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, const Value* text) override;
  void ReleaseValue(Value* value) override;
  Result RunCommand(Command command, std::span<const Argument> arguments) override;
  void LoadWindow(std::uint32_t window_id) override;
  void RunMessageLoop(std::int32_t parameter) override;
  void ExitProgram(std::int32_t status) override;

  // What stands in for the system's file dialog (tests script it).
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  // What opens a file to be read (tests put a slow source here).
  void SetFileOpener(FileOpener opener) { open_ = std::move(opener); }
  // What ends the process (tests catch it).
  void SetExit(std::function<void(int)> exit) { exit_ = std::move(exit); }

  QWidget* Window(std::uint32_t window_id) const;
  QWidget* Widget(ControlAddress control) const;

 private:
  struct Dialog {
    QString file_name;
  };
  using Key = std::pair<std::uint32_t, std::uint32_t>;

  const Form* FindForm(std::uint32_t window_id) const;
  void Dispatch(std::uint32_t window_id, Handler handler);
  Value* Digest(const Value& bytes);
  bool ShowOpenDialog(ControlAddress dialog);
  void CloseWindow(std::uint32_t window_id);

  std::span<const Form* const> forms_;
  std::map<std::uint32_t, QPointer<QWidget>> windows_;
  std::map<Key, QPointer<QWidget>> widgets_;
  std::map<Key, const FormEntry*> entries_;
  std::map<Key, Dialog> dialogs_;
  FileChooser chooser_;
  FileOpener open_ = OpenFileSource;
  std::uint32_t dispatching_window_ = 0;
  std::function<void(int)> exit_;
  bool dispatching_ = false;
};

}  // namespace corvane::qt
