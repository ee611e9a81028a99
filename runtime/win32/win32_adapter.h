#pragma once
// The binding to the Win32 API: builds a form's window out of real BUTTON,
// EDIT and STATIC controls, gets and sets their texts, states and colours,
// and reports what the user does to the core.

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <optional>
#include <vector>

#include "runtime/adapter.h"

namespace corvane::win32 {

class Win32Adapter final : public Adapter {
 public:
  Win32Adapter();
  ~Win32Adapter() override;

  void Attach(AdapterEvents& events) override { events_ = &events; }
  void BuildWindow(const Form& form) override;
  void CloseWindow(std::uint32_t window) override;
  bool IsOpen(std::uint32_t window) const override;
  std::u16string Text(ControlRef control) const override;
  void SetText(ControlRef control, std::u16string_view text) override;
  bool Enabled(ControlRef control) const override;
  void SetEnabled(ControlRef control, bool enabled) override;
  bool Checked(ControlRef control) const override;
  void SetChecked(ControlRef control, bool checked) override;
  void SetTextColour(ControlRef control, std::optional<std::uint32_t> colour) override;
  void Decorate(ControlRef control, Mark mark, std::u16string_view description) override;
  void SetHint(ControlRef control, std::u16string_view hint) override;
  std::optional<std::u16string> ForeignClipboardText() const override;
  std::optional<std::u16string> AskForFile(std::uint32_t window, std::u16string_view previous) override;
  void BlockInput(bool blocked) override { blocked_ = blocked; }
  void RunPendingEvents() override;
  void RunLoop() override;
  void Exit(int status) override;

  HWND Window(std::uint32_t window) const;
  HWND Control(ControlRef control) const;
  // What is painted over an edit box, and the window's tooltip control.
  Mark MarkOf(ControlRef control) const;
  std::wstring HintOf(ControlRef control) const;
  HWND Tooltip(std::uint32_t window) const;

 private:
  struct Built {
    HWND hwnd = nullptr;
    std::vector<HWND> controls;  // in the form's order; null for the common dialog
    std::map<int, std::optional<std::uint32_t>> text_colours;
    std::map<int, Mark> marks;
    std::map<int, std::wstring> hints;
    HWND tooltip = nullptr;
  };

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(std::uint32_t id, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  std::optional<LRESULT> Colour(Built& built, HWND control, HDC dc);
  std::optional<ControlRef> ControlOf(HWND hwnd) const;
  // Gives a message to the core first; true when it must go no further.
  bool Intercept(const MSG& message);
  bool Dispatch(MSG& message);
  void Paste(HWND edit);
  void PaintOver(HWND edit, ControlRef control);
  void Drop(std::uint32_t id, HDROP drop);

  AdapterEvents* events_ = nullptr;
  std::map<std::uint32_t, Built> windows_;
  std::map<std::uint32_t, const Form*> forms_;
  HFONT font_ = nullptr;
  std::map<std::uint32_t, HBRUSH> brushes_;  // by colour
  WNDPROC edit_proc_ = nullptr;
  bool blocked_ = false;
};

}  // namespace corvane::win32
