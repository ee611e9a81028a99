#pragma once
// Creates a top-level window and its child controls from a form.

#include <windows.h>

#include "runtime/form.h"

namespace corvane::win32 {

inline constexpr wchar_t kWindowClass[] = L"CorvaneWindow";

// The child id that WM_COMMAND carries for the control at `index` of the
// form's controls. Form ids do not fit its 16 bits, and ids 1 and 2 are the
// dialog manager's IDOK and IDCANCEL.
constexpr int ChildId(std::size_t index) { return 100 + static_cast<int>(index); }
constexpr std::size_t ChildIndex(int child_id) { return static_cast<std::size_t>(child_id - 100); }

// Creates the window, sized so that its client area has the form's size.
HWND CreateFormWindow(const Form& form, WNDPROC procedure, void* owner);

// Creates one control; returns null for a control that is never drawn.
// `starts_group` opens a new group for the arrow keys and auto radio buttons.
HWND CreateFormControl(const FormEntry& entry, std::size_t index, HWND window, HFONT font, bool starts_group);

}  // namespace corvane::win32
