#pragma once
// One binding's real window, built by the runtime core from the program's
// form and driven as a user (or a program) drives it. Each binding's test
// program implements the toolkit's part; the scenarios are the same for
// both. Controls are named by their form names.

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/adapter.h"
#include "runtime/runtime_core.h"

namespace corvane::testing {

// Passes every call of the program on to the core, and counts them.
class CountingRuntime final : public Runtime {
 public:
  explicit CountingRuntime(Runtime*& real) : real_(real) {}
  int calls = 0;
  Result ReadProperty(ControlAddress c, Property p, std::int32_t i) override {
    return ++calls, real_->ReadProperty(c, p, i);
  }
  void WriteProperty(ControlAddress c, Property p, std::int32_t i, std::int32_t n) override {
    ++calls, real_->WriteProperty(c, p, i, n);
  }
  void WriteProperty(ControlAddress c, Property p, std::int32_t i, const Value* t) override {
    ++calls, real_->WriteProperty(c, p, i, t);
  }
  void ReleaseValue(Value* v) override { ++calls, real_->ReleaseValue(v); }
  Result RunCommand(Command c, std::span<const Argument> a) override { return ++calls, real_->RunCommand(c, a); }
  void LoadWindow(std::uint32_t id) override { real_->LoadWindow(id); }
  void RunMessageLoop(std::int32_t p) override { real_->RunMessageLoop(p); }
  void ExitProgram(std::int32_t s) override { real_->ExitProgram(s); }

 private:
  Runtime*& real_;
};

class WindowDriver {
 public:
  virtual ~WindowDriver();

  // ---- The toolkit's part.
  // A click of the mouse: press and release on the control.
  virtual void Click(std::string_view control) = 0;
  // A click made by a program: accessibility's press, BM_CLICK.
  virtual void Invoke(std::string_view control) = 0;
  // The key pressed while the control has the focus.
  virtual void PressKey(std::string_view control, Key key) = 0;
  virtual void Type(std::string_view control, std::u16string_view text) = 0;
  // Puts `clipboard` on the clipboard and pastes it into the control.
  virtual void Paste(std::string_view control, std::u16string_view clipboard) = 0;
  virtual void CloseFromFrame() = 0;
  // Files dropped on the window, as a file manager drops them.
  virtual void Drop(const std::vector<std::u16string>& paths) = 0;
  // Another program puts a text on the clipboard.
  virtual void PutOnClipboardFromAnotherProgram(std::u16string_view text) = 0;
  // The user copies the whole text of the control (select all, copy).
  virtual void CopyFrom(std::string_view control) = 0;
  // Runs `what` from inside the window's event handling, `after` from now.
  virtual void Meanwhile(std::chrono::milliseconds after, std::function<void()> what) = 0;

  virtual std::u16string Text(std::string_view control) const = 0;
  virtual bool Checked(std::string_view control) const = 0;
  virtual bool Enabled(std::string_view control) const = 0;
  // The colour the control's text paints in, 0xBBGGRR (black: 0).
  virtual std::uint32_t TextColour(std::string_view control) const = 0;
  bool InFailureColour(std::string_view control) const { return TextColour(control) == 0x0000FF; }
  // The mark beside the control's text, its tooltip (which is also its
  // accessible description where the system has one) and its grey hint.
  virtual Mark MarkOf(std::string_view control) const = 0;
  virtual std::u16string Tooltip(std::string_view control) const = 0;
  virtual std::u16string Hint(std::string_view control) const = 0;
  virtual bool WindowOpen() const = 0;
  // A name that opens a device, not a file.
  virtual std::u16string DevicePath() const = 0;

  // ---- What both share: the core, a scripted file dialog, scratch files.
  RuntimeCore& core() { return *core_; }
  // The dialog's next answer: a path, or nullopt for a cancel.
  void AnswerDialog(std::optional<std::u16string> answer) { answers_.push_back(std::move(answer)); }
  int dialogs_shown() const { return dialogs_shown_; }
  // A scratch file holding `content`; its path as the dialog gives it.
  std::u16string WriteFile(std::u16string_view name, std::string_view content);
  std::u16string ScratchFolder() const { return dir_.u16string(); }
  void RunMessageLoop();
  // How many calls the program's handlers have made of the runtime.
  int handler_calls() const { return counter_.calls; }

 protected:
  // Installs the core on `adapter` and loads the main window; `prepare`
  // runs before, as a command line would.
  void Start(Adapter& adapter, void (*prepare)(WindowDriver&) = nullptr);
  void Stop();

 private:
  std::unique_ptr<RuntimeCore> core_;
  Runtime* installed_ = nullptr;
  CountingRuntime counter_{installed_};
  std::deque<std::optional<std::u16string>> answers_;
  int dialogs_shown_ = 0;
  std::filesystem::path dir_;
};

// The binding's driver, made by its test program.
std::unique_ptr<WindowDriver> MakeWindowDriver(void (*prepare)(WindowDriver&));

}  // namespace corvane::testing
