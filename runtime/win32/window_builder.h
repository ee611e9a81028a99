#pragma once
// Creates a top-level window and its child controls from a form.

#include <windows.h>

#include <vector>

#include "runtime/form.h"

namespace corvane::win32 {

inline constexpr wchar_t kWindowClass[] = L"CorvaneWindow";

// Creates the window, sized so that its client area has the form's size.
HWND CreateFormWindow(const Form& form, WNDPROC procedure, void* owner);

// Creates the form's controls into `controls` (in the form's order; null for
// a control that is never drawn), in the order they read on screen.
void CreateFormControls(const Form& form, HWND window, HFONT font, std::vector<HWND>& controls);

}  // namespace corvane::win32
