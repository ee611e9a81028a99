#include "runtime/win32/win32_adapter.h"

#include <commctrl.h>
#include <shellapi.h>

#include "runtime/win32/file_dialog.h"
#include "runtime/win32/input_filter.h"
#include "runtime/win32/window_builder.h"

namespace corvane::win32 {

namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::u16string TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return std::u16string(text.begin(), text.end());
}

// The clipboard's text whole: up to the end of its memory, not only to its
// first zero, so that the core sees what it really holds.
std::optional<std::u16string> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      text.emplace(units, GlobalSize(data) / sizeof(char16_t));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool ChangesText(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
      return true;
    default:
      return false;
  }
}

}  // namespace

Win32Adapter::Win32Adapter() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};  // the tooltips
  InitCommonControlsEx(&classes);
  // The system's Chinese interface font, 9 points.
  font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
}

Win32Adapter::~Win32Adapter() {
  // WM_DESTROY takes each window out of windows_, so walk a copy.
  std::vector<HWND> open;
  for (const auto& [id, built] : windows_) open.push_back(built.hwnd);
  for (HWND hwnd : open) DestroyWindow(hwnd);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  DeleteObject(font_);
}

void Win32Adapter::BuildWindow(const Form& form) {
  forms_[form.window_id] = &form;
  Built& built = windows_[form.window_id];
  built.controls.assign(form.controls().size(), nullptr);
  // The window is known before its controls exist: messages that come
  // while they are created find only those already built.
  built.hwnd = CreateFormWindow(form, &WindowProc, this);
  CreateFormControls(form, built.hwnd, font_, built.controls);
  for (std::size_t i = 0; i < built.controls.size(); ++i) {
    const FormEntry& entry = form.controls()[i];
    if (entry.type != TypeCode::EditBox || !built.controls[i]) continue;
    SetWindowLongPtrW(built.controls[i], GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    edit_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(built.controls[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
  }
  DragAcceptFiles(built.hwnd, TRUE);  // a file dropped anywhere on it
  built.tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, built.hwnd, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  SendMessageW(built.tooltip, TTM_SETMAXTIPWIDTH, 0, 480);  // lines break where the text says
  ShowWindow(built.hwnd, SW_SHOWNORMAL);
  UpdateWindow(built.hwnd);
}

HWND Win32Adapter::Window(std::uint32_t window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.hwnd;
}

HWND Win32Adapter::Control(ControlRef control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || control.index < 0 || control.index >= static_cast<int>(it->second.controls.size()))
    return nullptr;
  return it->second.controls[control.index];
}

Mark Win32Adapter::MarkOf(ControlRef control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || !it->second.marks.count(control.index)) return Mark::None;
  return it->second.marks.at(control.index);
}

std::wstring Win32Adapter::HintOf(ControlRef control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || !it->second.hints.count(control.index)) return {};
  return it->second.hints.at(control.index);
}

HWND Win32Adapter::Tooltip(std::uint32_t window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.tooltip;
}

std::optional<ControlRef> Win32Adapter::ControlOf(HWND hwnd) const {
  for (const auto& [id, built] : windows_) {
    if (hwnd == built.hwnd) return ControlRef{id, -1};
    for (std::size_t i = 0; i < built.controls.size(); ++i)
      if (hwnd && built.controls[i] == hwnd) return ControlRef{id, static_cast<int>(i)};
  }
  return std::nullopt;
}

void Win32Adapter::CloseWindow(std::uint32_t window) {
  if (HWND hwnd = Window(window)) DestroyWindow(hwnd);
}

bool Win32Adapter::IsOpen(std::uint32_t window) const { return Window(window) != nullptr; }

std::u16string Win32Adapter::Text(ControlRef control) const {
  HWND hwnd = Control(control);
  return hwnd ? TextOf(hwnd) : std::u16string();
}

void Win32Adapter::SetText(ControlRef control, std::u16string_view text) {
  if (HWND hwnd = Control(control)) SetWindowTextW(hwnd, Wide(text).c_str());
}

bool Win32Adapter::Enabled(ControlRef control) const {
  HWND hwnd = Control(control);
  return hwnd && IsWindowEnabled(hwnd);
}

void Win32Adapter::SetEnabled(ControlRef control, bool enabled) {
  if (HWND hwnd = Control(control)) EnableWindow(hwnd, enabled);
}

bool Win32Adapter::Checked(ControlRef control) const {
  HWND hwnd = Control(control);
  return hwnd && SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Adapter::SetChecked(ControlRef control, bool checked) {
  if (HWND hwnd = Control(control)) SendMessageW(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Adapter::SetTextColour(ControlRef control, std::optional<std::uint32_t> colour) {
  HWND hwnd = Control(control);
  if (!hwnd) return;
  windows_.at(control.window).text_colours[control.index] = colour;
  InvalidateRect(hwnd, nullptr, TRUE);
}

// The mark is painted in a margin kept free at the box's end, not in its
// text; the description is the box's tooltip.
void Win32Adapter::Decorate(ControlRef control, Mark mark, std::u16string_view description) {
  HWND hwnd = Control(control);
  if (!hwnd) return;
  Built& built = windows_.at(control.window);
  built.marks[control.index] = mark;
  SendMessageW(hwnd, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, mark == Mark::None ? 0 : 18));
  std::wstring text = Wide(description);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = built.hwnd;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.lpszText = text.data();
  SendMessageW(built.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty()) SendMessageW(built.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Adapter::SetHint(ControlRef control, std::u16string_view hint) {
  if (HWND hwnd = Control(control)) {
    windows_.at(control.window).hints[control.index] = Wide(hint);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
}

// A clipboard that a window of this program owns holds nothing it expects.
std::optional<std::u16string> Win32Adapter::ForeignClipboardText() const {
  DWORD process = 0;
  if (HWND owner = GetClipboardOwner()) GetWindowThreadProcessId(owner, &process);
  if (process == GetCurrentProcessId()) return std::nullopt;
  std::optional<std::u16string> text = ClipboardText(nullptr);
  if (text) text->resize(std::char_traits<char16_t>::length(text->c_str()));
  if (!text || text->empty()) return std::nullopt;
  return text;
}

// The hint of an empty box, and the mark beside a digest, over what the
// edit control painted.
void Win32Adapter::PaintOver(HWND edit, ControlRef control) {
  Built& built = windows_.at(control.window);
  const Mark mark = built.marks[control.index];
  const std::wstring& hint = built.hints[control.index];
  const bool empty = GetWindowTextLengthW(edit) == 0;
  if (mark == Mark::None && (hint.empty() || !empty)) return;
  HDC dc = GetDC(edit);
  RECT area;
  GetClientRect(edit, &area);
  HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  if (empty && !hint.empty()) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    RECT text = area;
    text.left += 2;
    DrawTextW(dc, hint.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (mark != Mark::None) {
    // Drawn with lines, not a glyph: every font has them.
    HPEN pen = CreatePen(PS_SOLID, 2, mark == Mark::Match ? RGB(0, 128, 0) : RGB(255, 0, 0));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    const int x = area.right - 14, y = (area.top + area.bottom) / 2;
    if (mark == Mark::Match) {
      const POINT tick[] = {{x, y}, {x + 3, y + 4}, {x + 10, y - 5}};
      Polyline(dc, tick, 3);
    } else {
      const POINT one[] = {{x, y - 4}, {x + 9, y + 5}}, other[] = {{x + 9, y - 4}, {x, y + 5}};
      Polyline(dc, one, 2);
      Polyline(dc, other, 2);
    }
    DeleteObject(SelectObject(dc, old_pen));
  }
  SelectObject(dc, font);
  ReleaseDC(edit, dc);
}

void Win32Adapter::Drop(std::uint32_t id, HDROP drop) {
  std::vector<std::u16string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.emplace_back(path.begin(), path.end());
  }
  DragFinish(drop);
  events_->Dropped(id, paths);
}

std::optional<std::u16string> Win32Adapter::AskForFile(std::uint32_t window, std::u16string_view previous) {
  const std::optional<std::wstring> chosen = AskForFileToOpen(Window(window), Wide(previous));
  if (!chosen) return std::nullopt;
  return std::u16string(chosen->begin(), chosen->end());
}

LRESULT CALLBACK Win32Adapter::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* adapter = reinterpret_cast<Win32Adapter*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (adapter) {
    for (const auto& [id, built] : adapter->windows_)
      if (built.hwnd == hwnd) return adapter->Handle(id, hwnd, message, wparam, lparam);
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Win32Adapter::Handle(std::uint32_t id, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == EN_CHANGE) {
        if (const auto control = ControlOf(reinterpret_cast<HWND>(lparam))) events_->Edited(*control);
        return 0;
      }
      if (HIWORD(wparam) == BN_CLICKED) {
        if (const auto control = ControlOf(reinterpret_cast<HWND>(lparam)); control && control->index >= 0)
          events_->Clicked(*control);  // the window may be gone afterwards
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (const auto brush = Colour(windows_.at(id), reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam)))
        return *brush;
      break;
    case WM_CLOSE:
      events_->CloseRequested(id);
      return 0;
    case WM_DROPFILES:
      Drop(id, reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_DESTROY:
      windows_.erase(id);
      if (windows_.empty()) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

// An edit box with a background of its own paints on it, in the text
// colour the core last set (the system's by default).
std::optional<LRESULT> Win32Adapter::Colour(Built& built, HWND control, HDC dc) {
  const auto ref = ControlOf(control);
  if (!ref || ref->index < 0) return std::nullopt;
  const FormEntry& entry = forms_.at(ref->window)->controls()[ref->index];
  if (!entry.settings || !entry.settings->background) return std::nullopt;
  const std::optional<std::uint32_t> colour = built.text_colours[ref->index];
  SetTextColor(dc, colour ? static_cast<COLORREF>(*colour) : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, static_cast<COLORREF>(*entry.settings->background));
  HBRUSH& brush = brushes_[*entry.settings->background];
  if (!brush) brush = CreateSolidBrush(static_cast<COLORREF>(*entry.settings->background));
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT CALLBACK Win32Adapter::EditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* adapter = reinterpret_cast<Win32Adapter*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Keys and edits that another program sends straight to the box, not
  // through the queue, are kept out too while input is blocked.
  if (adapter->blocked_ && ChangesText(message)) return 0;
  if (message == WM_PASTE) {
    adapter->Paste(hwnd);
    return 0;
  }
  const LRESULT result = CallWindowProcW(adapter->edit_proc_, hwnd, message, wparam, lparam);
  if (message == WM_PAINT || message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    if (const auto control = adapter->ControlOf(hwnd)) adapter->PaintOver(hwnd, *control);
  }
  return result;
}

// A paste goes in as the core says: whole, or not at all.
void Win32Adapter::Paste(HWND edit) {
  const auto control = ControlOf(edit);
  if (!control || !IsWindowEnabled(edit) || (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY)) return;
  const std::optional<std::u16string> clipboard = ClipboardText(edit);
  if (!clipboard) return;
  const std::optional<std::u16string> text = events_->Pasted(*control, *clipboard);
  if (text) SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(*text).c_str()));
}

bool Win32Adapter::Intercept(const MSG& message) {
  const auto control = ControlOf(message.hwnd);
  if (blocked_) return BlockedInput(message, control, *events_);
  if (!control) return false;
  ReportClick(message, *control, *events_);
  return CoreKey(message, *control, *events_);
}

bool Win32Adapter::Dispatch(MSG& message) {
  if (Intercept(message)) return true;
  // The dialog manager gives Tab and the arrow keys their meaning.
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root && ControlOf(root) && IsDialogMessageW(root, &message)) return true;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void Win32Adapter::RunPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the message loop, later
      return;
    }
    Dispatch(message);
  }
}

void Win32Adapter::RunLoop() {
  if (windows_.empty()) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void Win32Adapter::Exit(int status) { ExitProcess(static_cast<UINT>(status)); }

}  // namespace corvane::win32
