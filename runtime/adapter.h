#pragma once
// What a platform binding does for the runtime core: only what a toolkit
// must. It builds a form's widgets, gets and sets their texts, states and
// colours, asks for a file, runs pending events and closes windows; and it
// reports what the user does (a click, a key, a paste, a close request) to
// the core, which holds every rule. Texts cross here as UTF-16.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/form.h"

namespace corvane {

// A control of a built window: the window's id and the control's place
// among its form's controls.
struct ControlRef {
  std::uint32_t window;
  int index;
  friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

enum class Key { Enter, Space, Escape };

// What the user did, as a binding reports it to the core.
class AdapterEvents {
 public:
  virtual ~AdapterEvents() = default;
  // A click on a button or a radio button, by the mouse, the keyboard or a
  // program. The toolkit has changed no checked state: the core does.
  virtual void Clicked(ControlRef control) = 0;
  // A key pressed on a control (index -1: on the window itself). True when
  // the core has taken it and the toolkit must not act on it.
  virtual bool KeyPressed(ControlRef control, Key key) = 0;
  // A text the user pastes into an edit box: what to insert, or nothing.
  virtual std::optional<std::u16string> Pasted(ControlRef control, std::u16string_view text) = 0;
  // The user asks to close the window from its frame.
  virtual void CloseRequested(std::uint32_t window) = 0;
  // The text of an edit box changed (by the user, or by the program).
  virtual void Edited(ControlRef control) = 0;
  // Files (or folders) dropped on the window: their paths.
  virtual void Dropped(std::uint32_t window, const std::vector<std::u16string>& paths) = 0;
};

// How a digest shows: as it is, agreeing with the expected one, not.
enum class Mark { None, Match, Mismatch };

class Adapter {
 public:
  virtual ~Adapter() = default;
  virtual void Attach(AdapterEvents& events) = 0;

  // Builds the window and every control of its form, and shows it.
  virtual void BuildWindow(const Form& form) = 0;
  virtual void CloseWindow(std::uint32_t window) = 0;
  virtual bool IsOpen(std::uint32_t window) const = 0;

  virtual std::u16string Text(ControlRef control) const = 0;
  virtual void SetText(ControlRef control, std::u16string_view text) = 0;
  virtual bool Enabled(ControlRef control) const = 0;
  virtual void SetEnabled(ControlRef control, bool enabled) = 0;
  virtual bool Checked(ControlRef control) const = 0;
  virtual void SetChecked(ControlRef control, bool checked) = 0;
  // The text colour, 0xBBGGRR; nullopt: the system's.
  virtual void SetTextColour(ControlRef control, std::optional<std::uint32_t> colour) = 0;
  // A mark beside an edit box's text (not part of it), and the words of its
  // tooltip and accessible description (empty: none).
  virtual void Decorate(ControlRef control, Mark mark, std::u16string_view description) = 0;
  // The grey hint an empty edit box shows.
  virtual void SetHint(ControlRef control, std::u16string_view hint) = 0;
  // The clipboard's text when another program put it there; else nullopt.
  virtual std::optional<std::u16string> ForeignClipboardText() const = 0;

  // The system's open-file dialog over `window`; nullopt when cancelled.
  virtual std::optional<std::u16string> AskForFile(std::uint32_t window, std::u16string_view previous) = 0;

  // While a long operation runs the user's input reaches no control: it
  // is only reported (keys, clicks, close requests).
  virtual void BlockInput(bool blocked) = 0;
  virtual void RunPendingEvents() = 0;
  // Dispatches events until the last window is closed.
  virtual void RunLoop() = 0;
  virtual void Exit(int status) = 0;
};

}  // namespace corvane
