#pragma once
// The runtime itself, the same under every window system: it implements the
// runtime interface on top of a binding (Adapter) and holds every rule of
// the runtime. Handlers run one at a time; the core checks a clicked radio
// button and clears the others of its group; it keeps the dialogs' file
// names; a long digest shows its progress, takes no input but a cancel, and
// stops when the window is closed; a failure shows in its control's failure
// colour, anything else in the ordinary one.

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "runtime/adapter.h"
#include "runtime/data_operations.h"
#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/verdict.h"

namespace corvane {

class RuntimeCore final : public Runtime, public AdapterEvents {
 public:
  // Asks for a file to open, given the name chosen last; nullopt on cancel.
  using FileChooser = std::function<std::optional<std::u16string>(std::u16string_view previous)>;

  RuntimeCore(std::span<const Form* const> forms, Adapter& adapter);
  ~RuntimeCore() override;

  // The runtime interface.
  Result ReadProperty(ControlAddress control, Property property, std::int32_t index) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, std::int32_t integer) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, const Value* text) override;
  void ReleaseValue(Value* value) override;
  Result RunCommand(Command command, std::span<const Argument> arguments) override;
  void LoadWindow(std::uint32_t window_id) override;
  void RunMessageLoop(std::int32_t parameter) override;
  void ExitProgram(std::int32_t status) override;

  // What the binding reports.
  void Clicked(ControlRef control) override;
  bool KeyPressed(ControlRef control, Key key) override;
  std::optional<std::u16string> Pasted(ControlRef control, std::u16string_view text) override;
  void CloseRequested(std::uint32_t window) override;
  void Edited(ControlRef control) override;
  void Dropped(std::uint32_t window, const std::vector<std::u16string>& paths) override;

  // A file given at start: once the window is loaded, it is opened as if
  // it had been dropped on it.
  void SetStartFile(std::u16string path) { start_file_ = std::move(path); }
  // A message for the user once the window is loaded (a mistake at start
  // is a failure).
  void SetStartMessage(std::string utf8, bool failure) {
    start_message_ = std::move(utf8);
    start_failure_ = failure;
  }

  // What stands in for the system's file dialog (tests script it).
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  // What opens a file to be read (tests put scripted sources here).
  void SetFileOpener(FileOpener opener) { open_ = std::move(opener); }
  // What ends the process (tests catch it).
  void SetExit(std::function<void(int)> exit) { exit_ = std::move(exit); }


 private:
  struct WindowState {
    const Form* form;
    std::map<int, std::string> file_names;  // the common dialogs', code page 936
    std::map<int, bool> failures;           // edit boxes that show a failure
    std::map<int, std::u16string> written;  // what the program last wrote in each edit box
  };
  // Where a text was read: a control's content or a dialog's file name.
  struct Origin {
    ControlRef control;
    Property property;
  };
  // What a byte string or a digest is of, and where its input was read.
  struct Provenance {
    Subject subject;
    std::optional<Origin> origin;
  };
  // A digest on show, with what its input was when it was calculated.
  struct Shown {
    ControlRef box;
    Provenance of;
    std::string input;         // the origin's value then
    std::vector<bool> radios;  // the radio buttons' checks then
    std::string description;   // UTF-8
    bool stale = false;
  };
  class Pump;

  const Form* FormFor(std::uint32_t window_id) const;
  // The control of a loaded window by its form name.
  std::optional<ControlRef> Find(std::uint32_t window, std::string_view name) const;
  std::optional<ControlRef> Find(ControlAddress control) const;
  const FormEntry* EntryOf(ControlRef control) const;
  std::optional<ControlRef> ProgressControl(std::uint32_t window) const;
  std::optional<ControlRef> Named(std::uint32_t window, const char* name) const;

  void Dispatch(ControlRef control, Handler handler);
  void OpenFile(std::uint32_t window, const std::u16string& path);
  void ShowDigest(ControlRef box, const std::string& digest, const Provenance& of);
  void Undecorate(ControlRef box);
  std::optional<std::u16string> TypedIn(std::uint32_t window) const;
  std::optional<std::string> ValueOf(const Origin& origin) const;
  std::vector<bool> RadioChecks(std::uint32_t window) const;
  void RefreshStale();
  void CheckInGroup(ControlRef radio);
  void ShowText(ControlRef control, const std::string& cp936, bool failure);
  void ShowMessage(std::uint32_t window, const char* utf8, bool failure);
  bool ShowOpenDialog(ControlAddress dialog);
  Value* Digest(const Value& bytes);
  Result Remember(Result result, const Argument& argument, bool file);
  void CloseWindow(std::uint32_t window);

  std::span<const Form* const> forms_;
  Adapter& adapter_;
  std::map<std::uint32_t, WindowState> windows_;
  FileChooser chooser_;
  FileOpener open_ = OpenFileSource;
  std::function<void(int)> exit_;

  // A handler runs (and in which window); a digest runs inside it.
  bool running_ = false;
  std::uint32_t running_window_ = 0;
  bool digesting_ = false;
  bool cancel_ = false;
  std::optional<std::uint32_t> close_after_;

  // The values handed out that a digest may be of, until they are released.
  std::map<const Value*, Origin> origins_;
  std::map<const Value*, Provenance> provenance_;
  std::optional<std::u16string> typed_;  // in the result box when the digest began
  std::optional<Shown> shown_;
  std::optional<std::u16string> dropped_;  // answers the file dialog once
  std::optional<std::u16string> start_file_;
  std::string start_message_;
  bool start_failure_ = false;
};

}  // namespace corvane
