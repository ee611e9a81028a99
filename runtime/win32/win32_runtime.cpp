#include "runtime/win32/win32_runtime.h"

#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "runtime/commands.h"
#include "runtime/cp936.h"
#include "runtime/data_operations.h"
#include "runtime/long_digest.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/window_builder.h"

namespace corvane::win32 {

namespace {

COLORREF ColourOf(std::uint32_t bgr) { return static_cast<COLORREF>(bgr); }  // both keep red in the low byte

std::optional<std::wstring> AskForFile(HWND owner, const std::wstring& previous) {
  std::wstring folder = previous.substr(0, previous.find_last_of(L"\\/") == std::wstring::npos
                                               ? 0
                                               : previous.find_last_of(L"\\/"));
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"所有文件 (*.*)\0*.*\0";
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = L"选择要计算的文件";
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path.data());
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Tab and the creation order go through the controls as they read on
// screen, row by row from the top left: the reverse of the form's order.
std::vector<std::size_t> ScreenOrder(const Form& form) {
  std::vector<std::size_t> order(form.controls().size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = order.size() - 1 - i;
  return order;
}

}  // namespace

Win32Runtime::Win32Runtime(std::span<const Form* const> forms)
    : forms_(forms), exit_([](int status) { ExitProcess(static_cast<UINT>(status)); }) {
  // The system's Chinese interface font, 9 points.
  font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
}

Win32Runtime::~Win32Runtime() {
  // WM_DESTROY takes each window out of windows_, so walk a copy.
  std::vector<HWND> open;
  for (const auto& [id, window] : windows_) open.push_back(window.hwnd);
  for (HWND hwnd : open) DestroyWindow(hwnd);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  DeleteObject(font_);
}

HWND Win32Runtime::Window(std::uint32_t window_id) const {
  const auto it = windows_.find(window_id);
  return it == windows_.end() ? nullptr : it->second.hwnd;
}

const Win32Runtime::BuiltControl* Win32Runtime::Find(ControlAddress control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end()) return nullptr;
  for (const BuiltControl& built : it->second.controls)
    if (built.entry->id == control.control) return &built;
  return nullptr;
}

Win32Runtime::BuiltControl* Win32Runtime::Find(ControlAddress control) {
  return const_cast<BuiltControl*>(std::as_const(*this).Find(control));
}

HWND Win32Runtime::Control(ControlAddress control) const {
  const BuiltControl* built = Find(control);
  return built ? built->hwnd : nullptr;
}

bool Win32Runtime::ShowsFailure(ControlAddress control) const {
  const BuiltControl* built = Find(control);
  return built && built->failure;
}

Win32Runtime::BuiltWindow* Win32Runtime::WindowOf(HWND hwnd) {
  for (auto& [id, window] : windows_)
    if (window.hwnd == hwnd) return &window;
  return nullptr;
}

void Win32Runtime::LoadWindow(std::uint32_t window_id) {
  const auto form = std::find_if(forms_.begin(), forms_.end(), [&](const Form* f) { return f->window_id == window_id; });
  if (form == forms_.end() || windows_.count(window_id)) return;
  BuiltWindow& window = windows_[window_id];
  window.form = *form;
  window.hwnd = CreateFormWindow(**form, &WindowProc, this);
  const auto controls = (*form)->controls();
  window.controls.resize(controls.size());
  TypeCode previous = TypeCode::Omitted;
  for (std::size_t index : ScreenOrder(**form)) {
    const FormEntry& entry = controls[index];
    const bool starts_group = (entry.type == TypeCode::RadioButton) != (previous == TypeCode::RadioButton);
    window.controls[index] = {&entry, CreateFormControl(entry, index, window.hwnd, font_, starts_group)};
    if (window.controls[index].hwnd) previous = entry.type;
  }
  ShowWindow(window.hwnd, SW_SHOWNORMAL);
  UpdateWindow(window.hwnd);
}

LRESULT CALLBACK Win32Runtime::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* runtime = reinterpret_cast<Win32Runtime*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  BuiltWindow* window = runtime ? runtime->WindowOf(hwnd) : nullptr;
  if (!window) return DefWindowProcW(hwnd, message, wparam, lparam);
  return runtime->Handle(*window, message, wparam, lparam);
}

LRESULT Win32Runtime::Handle(BuiltWindow& window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const std::size_t index = ChildIndex(LOWORD(wparam));
      if (HIWORD(wparam) == BN_CLICKED && index < window.controls.size()) {
        // An auto radio button has checked itself, and cleared the others of
        // its group, before it notifies: the handler sees the new state.
        // `window` may be gone once the handler returns: the id is kept.
        const std::uint32_t id = window.form->window_id;
        if (const Handler handler = window.controls[index].entry->HandlerFor(kClickEvent)) Dispatch(id, handler);
        return 0;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      for (const BuiltControl& control : window.controls) {
        const KindSettings* settings = control.entry->settings;
        if (control.hwnd != reinterpret_cast<HWND>(lparam) || !settings || !settings->background) continue;
        HDC dc = reinterpret_cast<HDC>(wparam);
        const bool alert = control.failure && settings->failure_colour;
        SetTextColor(dc, alert ? ColourOf(*settings->failure_colour) : GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, ColourOf(*settings->background));
        HBRUSH& brush = brushes_[*settings->background];
        if (!brush) brush = CreateSolidBrush(ColourOf(*settings->background));
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    }
    case WM_DESTROY: {
      const std::uint32_t id = window.form->window_id;
      windows_.erase(id);  // `window` is gone from here on
      if (windows_.empty()) PostQuitMessage(0);
      return 0;
    }
  }
  return DefWindowProcW(window.hwnd, message, wparam, lparam);
}

void Win32Runtime::Dispatch(std::uint32_t window_id, Handler handler) {
  // Handlers run one at a time, each to completion.
  if (dispatching_) return;
  dispatching_ = true;
  dispatching_window_ = window_id;
  handler();
  dispatching_ = false;
}

namespace {

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_CONTEXTMENU;
}

// Keeps the window painting while a digest runs: every message but the
// user's keys and clicks in the window is handled, as under a modal dialog;
// Esc stops the digest, and so does closing the window (its title bar still
// takes clicks).
class Win32Pump final : public DigestPump {
 public:
  Win32Pump(HWND window, HWND progress) : window_(window), progress_(progress) {}
  void ShowProgress(double fraction) override {
    if (!progress_ || !IsWindow(progress_)) return;
    SetWindowTextW(progress_, ToWide(cp936::FromUtf8(ProgressText(fraction))).c_str());
    UpdateWindow(progress_);
  }
  bool RunEvents() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the message loop, after the handler
        return false;
      }
      if (IsUserInput(message.message)) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) cancelled_ = true;
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return !cancelled_ && IsWindow(window_);
  }

 private:
  HWND window_;
  HWND progress_;
  bool cancelled_ = false;
};

}  // namespace

// A long digest reports its progress in the control of the clicked window
// that the form marks for it.
Value* Win32Runtime::Digest(const Value& bytes) {
  HWND progress = nullptr;
  if (const auto it = windows_.find(dispatching_window_); it != windows_.end()) {
    for (const BuiltControl& control : it->second.controls)
      if (control.entry->settings && control.entry->settings->shows_progress) progress = control.hwnd;
  }
  Win32Pump pump(Window(dispatching_window_), progress);
  return DigestWithPump(bytes, pump);
}

void Win32Runtime::RunMessageLoop(std::int32_t) {
  if (windows_.empty()) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives Tab and the arrow keys their meaning.
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root && WindowOf(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Runtime::ExitProgram(std::int32_t status) { exit_(status); }

Result Win32Runtime::ReadProperty(ControlAddress control, Property property, std::int32_t) {
  const BuiltControl* built = Find(control);
  if (!built) return {};
  if (property == Property::FileName) {
    if (built->file_name.empty()) return {};
    return {0, Value::NewText(FromWide(built->file_name))};
  }
  if (!built->hwnd) return {};
  switch (property) {
    case Property::Checked:
      return {SendMessageW(built->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0, nullptr};
    case Property::Disabled:
      return {IsWindowEnabled(built->hwnd) ? 0 : 1, nullptr};
    case Property::Content:
      return {0, Value::NewText(FromWide(TextOf(built->hwnd)))};
    default:
      return {};
  }
}

void Win32Runtime::WriteProperty(ControlAddress control, Property property, std::int32_t, std::int32_t integer) {
  const BuiltControl* built = Find(control);
  if (!built || !built->hwnd) return;
  if (property == Property::Disabled) EnableWindow(built->hwnd, integer == 0);
  if (property == Property::Checked) SendMessageW(built->hwnd, BM_SETCHECK, integer == 1 ? BST_CHECKED : 0, 0);
}

void Win32Runtime::WriteProperty(ControlAddress control, Property property, std::int32_t, const Value* text) {
  BuiltControl* built = Find(control);
  if (!built || !built->hwnd || property != Property::Content) return;
  built->failure = text && text->IsFailure();
  SetWindowTextW(built->hwnd, text ? ToWide(text->data()).c_str() : L"");
  InvalidateRect(built->hwnd, nullptr, TRUE);
}

void Win32Runtime::ReleaseValue(Value* value) {
  if (value == &EmptyText() || value == &EmptyBytes()) return;  // the constants live for the whole run
  delete value;
}

bool Win32Runtime::ShowOpenDialog(ControlAddress dialog) {
  BuiltControl* built = Find(dialog);
  if (!built) return false;
  HWND owner = Window(dialog.window);
  const std::optional<std::wstring> chosen =
      chooser_ ? chooser_(owner, built->file_name) : AskForFile(owner, built->file_name);
  if (!chosen) return false;  // a cancel leaves the file name as it was
  built->file_name = *chosen;
  return true;
}

Result Win32Runtime::RunCommand(Command command, std::span<const Argument> arguments) {
  if (command == kCloseWindow && !arguments.empty()) {
    if (HWND window = Window(arguments[0].object.window)) DestroyWindow(window);
    return {};
  }
  if (command == kShowOpenDialog && !arguments.empty()) return {ShowOpenDialog(arguments[0].object) ? 1 : 0, nullptr};
  if (command == kDigestText && arguments.size() == 1 && arguments[0].value) return {0, Digest(*arguments[0].value)};
  return RunDataOperation(command, arguments, open_).value_or(Result{});
}

}  // namespace corvane::win32
