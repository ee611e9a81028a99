#include "runtime/win32/input_filter.h"

namespace corvane::win32 {

namespace {

std::optional<Key> KeyOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_RETURN: return Key::Enter;
    case VK_SPACE: return Key::Space;
    case VK_ESCAPE: return Key::Escape;
    default: return std::nullopt;
  }
}

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_CONTEXTMENU ||
         message == WM_NCLBUTTONDBLCLK;
}

bool WithModifier() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

}  // namespace

bool BlockedInput(const MSG& message, std::optional<ControlRef> control, AdapterEvents& events) {
  if (!IsUserInput(message.message)) return false;
  if (message.message == WM_KEYDOWN) {
    if (const auto key = KeyOf(message.wParam)) events.KeyPressed(control.value_or(ControlRef{0, -1}), *key);
  }
  if (message.message == WM_LBUTTONUP && control && control->index >= 0) events.Clicked(*control);
  return true;
}

void ReportClick(const MSG& message, ControlRef control, AdapterEvents& events) {
  if (message.message != WM_LBUTTONUP || control.index < 0) return;
  wchar_t name[16] = L"";
  GetClassNameW(message.hwnd, name, 16);
  if (lstrcmpiW(name, L"Button") != 0) events.Clicked(control);
}

bool CoreKey(const MSG& message, ControlRef control, AdapterEvents& events) {
  if (message.message != WM_KEYDOWN || WithModifier()) return false;
  const auto key = KeyOf(message.wParam);
  return key && events.KeyPressed(control, *key);
}

}  // namespace corvane::win32
