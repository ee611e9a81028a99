#pragma once
// The runtime on the Win32 API: windows built from their forms out of real
// BUTTON, EDIT and STATIC controls, clicks dispatched to the bound handlers.

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/data_operations.h"
#include "runtime/form.h"
#include "runtime/runtime.h"

namespace corvane::win32 {

// Asks the user for a file to open; nullopt when the user cancels.
using FileChooser = std::function<std::optional<std::wstring>(HWND owner, const std::wstring& previous)>;

class Win32Runtime final : public Runtime {
 public:
  explicit Win32Runtime(std::span<const Form* const> forms);
  ~Win32Runtime() override;

  Result ReadProperty(ControlAddress control, Property property, std::int32_t index) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, std::int32_t integer) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, const Value* text) override;
  void ReleaseValue(Value* value) override;
  Result RunCommand(Command command, std::span<const Argument> arguments) override;
  void LoadWindow(std::uint32_t window_id) override;
  void RunMessageLoop(std::int32_t parameter) override;
  void ExitProgram(std::int32_t status) override;

  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  void SetExit(std::function<void(int)> exit) { exit_ = std::move(exit); }
  // What opens a file to be read (tests put a slow source here).
  void SetFileOpener(FileOpener opener) { open_ = std::move(opener); }

  HWND Window(std::uint32_t window_id) const;
  HWND Control(ControlAddress control) const;
  // Whether the edit box shows a failure, in its failure colour.
  bool ShowsFailure(ControlAddress control) const;

 private:
  struct BuiltControl {
    const FormEntry* entry;
    HWND hwnd;  // null for the common dialog, which is never drawn
    bool failure = false;
    std::wstring file_name;  // the common dialog's
  };
  struct BuiltWindow {
    const Form* form;
    HWND hwnd;
    std::vector<BuiltControl> controls;
  };

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(BuiltWindow& window, UINT message, WPARAM wparam, LPARAM lparam);
  BuiltControl* Find(ControlAddress control);
  const BuiltControl* Find(ControlAddress control) const;
  BuiltWindow* WindowOf(HWND hwnd);
  void Dispatch(std::uint32_t window_id, Handler handler);
  Value* Digest(const Value& bytes);
  bool ShowOpenDialog(ControlAddress dialog);

  std::span<const Form* const> forms_;
  std::map<std::uint32_t, BuiltWindow> windows_;
  FileChooser chooser_;
  FileOpener open_ = OpenFileSource;
  std::uint32_t dispatching_window_ = 0;
  std::function<void(int)> exit_;
  HFONT font_ = nullptr;
  std::map<std::uint32_t, HBRUSH> brushes_;  // by colour
  bool dispatching_ = false;
};

}  // namespace corvane::win32
