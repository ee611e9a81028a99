#include "runtime/win32/window_builder.h"

#include <string>

#include "runtime/unicode.h"

namespace corvane::win32 {

namespace {

constexpr DWORD kFrame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // fixed size

std::wstring Caption(const FormEntry& entry) {
  if (!entry.settings || !entry.settings->caption) return {};
  const std::u16string text = unicode::Utf8ToUtf16(entry.settings->caption);
  return std::wstring(text.begin(), text.end());
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(TypeCode type) {
  switch (type) {
    case TypeCode::Label: return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};  // takes the mouse, like the others
    case TypeCode::Button: return {L"BUTTON", BS_PUSHBUTTON, 0};
    case TypeCode::RadioButton: return {L"BUTTON", BS_RADIOBUTTON, 0};  // checked by the core alone
    case TypeCode::EditBox: return {L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    default: return {nullptr, 0, 0};
  }
}

}  // namespace

HWND CreateFormWindow(const Form& form, WNDPROC procedure, void* owner) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129));
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);  // fails harmlessly once registered

  const FormEntry& own = form.window();
  RECT frame{0, 0, own.width, own.height};
  AdjustWindowRectEx(&frame, kFrame, FALSE, 0);
  return CreateWindowExW(0, kWindowClass, Caption(own).c_str(), kFrame, own.left, own.top, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), owner);
}

namespace {

// The child id that WM_COMMAND carries. Form ids do not fit its 16 bits,
// and ids 1 and 2 are the dialog manager's IDOK and IDCANCEL.
constexpr int ChildId(std::size_t index) { return 100 + static_cast<int>(index); }

// `starts_group` opens a new group for the arrow keys.
HWND CreateFormControl(const FormEntry& entry, std::size_t index, HWND window, HFONT font, bool starts_group) {
  const ControlClass control_class = ClassOf(entry.type);
  if (!control_class.name) return nullptr;
  DWORD style = WS_CHILD | control_class.style;
  if (starts_group) style |= WS_GROUP;
  if (entry.visible()) style |= WS_VISIBLE;
  if (entry.tab_stop()) style |= WS_TABSTOP;
  HWND control = CreateWindowExW(control_class.ex_style, control_class.name, Caption(entry).c_str(), style, entry.left,
                                 entry.top, entry.width, entry.height, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildId(index))),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (entry.type == TypeCode::EditBox) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no cap on a pasted text
  if (entry.type == TypeCode::RadioButton && entry.settings && entry.settings->checked)
    SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  return control;
}

}  // namespace

// Tab and the creation order go through the controls as they read on
// screen, row by row from the top left: the reverse of the form's order.
void CreateFormControls(const Form& form, HWND window, HFONT font, std::vector<HWND>& controls) {
  TypeCode previous = TypeCode::Omitted;
  for (std::size_t index = form.controls().size(); index-- > 0;) {
    const FormEntry& entry = form.controls()[index];
    const bool starts_group = (entry.type == TypeCode::RadioButton) != (previous == TypeCode::RadioButton);
    controls[index] = CreateFormControl(entry, index, window, font, starts_group);
    if (controls[index]) previous = entry.type;
  }
}

}  // namespace corvane::win32
