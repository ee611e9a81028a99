// The window scenarios on the Win32 binding: real controls under Wine,
// driven with the messages a mouse and a keyboard send.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "app/main_window_form.h"
#include "runtime/win32/win32_adapter.h"
#include "tests/scenarios/window_driver.h"

namespace corvane::testing {
namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

WPARAM VirtualKey(Key key) {
  switch (key) {
    case Key::Enter: return VK_RETURN;
    case Key::Space: return VK_SPACE;
    case Key::Escape: return VK_ESCAPE;
  }
  return 0;
}

void PutOnClipboard(HWND owner, std::u16string_view text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  std::memcpy(GlobalLock(memory), text.data(), text.size() * sizeof(char16_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

class Win32WindowDriver final : public WindowDriver {
 public:
  explicit Win32WindowDriver(void (*prepare)(WindowDriver&)) {
    if (OpenClipboard(nullptr)) {  // nothing left from another scenario
      EmptyClipboard();
      CloseClipboard();
    }
    Start(adapter_, prepare);
  }
  ~Win32WindowDriver() override {
    // The window goes now, and with it the quit message it leaves, so that
    // the next scenario starts with an empty queue.
    if (HWND window = adapter_.Window(kMainWindow.window)) DestroyWindow(window);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    }
    Stop();
  }

  // The button takes the press and the release from the queue, as from
  // the mouse, and the binding sees them on their way.
  void Click(std::string_view control) override {
    HWND hwnd = Hwnd(control);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    adapter_.RunPendingEvents();
  }
  void Invoke(std::string_view control) override { SendMessageW(Hwnd(control), BM_CLICK, 0, 0); }
  void PressKey(std::string_view control, Key key) override {
    HWND hwnd = Hwnd(control);
    SetFocus(hwnd);
    PostMessageW(hwnd, WM_KEYDOWN, VirtualKey(key), 1);
    PostMessageW(hwnd, WM_KEYUP, VirtualKey(key), 0xC0000001);
    adapter_.RunPendingEvents();
  }
  void Type(std::string_view control, std::u16string_view text) override {
    for (char16_t unit : text) SendMessageW(Hwnd(control), WM_CHAR, unit, 1);
  }
  // Ctrl+V as the edit control takes it from the keyboard.
  void Paste(std::string_view control, std::u16string_view clipboard) override {
    PutOnClipboard(adapter_.Window(kMainWindow.window), clipboard);
    SetFocus(Hwnd(control));
    SendMessageW(Hwnd(control), WM_CHAR, 0x16, 1);
  }
  // A drop as Explorer makes it: a DROPFILES block of wide paths.
  void Drop(const std::vector<std::u16string>& paths) override {
    std::u16string list;
    for (const std::u16string& path : paths) list += path + u'\0';
    list += u'\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * sizeof(char16_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(char16_t));
    GlobalUnlock(memory);
    PostMessageW(adapter_.Window(kMainWindow.window), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    adapter_.RunPendingEvents();
  }
  // A clipboard that no window of this program owns.
  void PutOnClipboardFromAnotherProgram(std::u16string_view text) override { PutOnClipboard(nullptr, text); }
  void CopyFrom(std::string_view control) override {
    SendMessageW(Hwnd(control), EM_SETSEL, 0, -1);
    SendMessageW(Hwnd(control), WM_COPY, 0, 0);
  }
  void CloseFromFrame() override {
    PostMessageW(adapter_.Window(kMainWindow.window), WM_SYSCOMMAND, SC_CLOSE, 0);
    adapter_.RunPendingEvents();
  }
  void Meanwhile(std::chrono::milliseconds after, std::function<void()> what) override {
    pending_ = std::move(what);
    current_ = this;
    SetTimer(nullptr, 0, static_cast<UINT>(after.count()), [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      current_->pending_();
    });
  }

  std::u16string Text(std::string_view control) const override { return adapter_.Text(Ref(control)); }
  bool Checked(std::string_view control) const override {
    return SendMessageW(Hwnd(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  bool Enabled(std::string_view control) const override { return IsWindowEnabled(Hwnd(control)); }
  // The colour the window gives the control to paint its text in.
  std::uint32_t TextColour(std::string_view control) const override {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(adapter_.Window(kMainWindow.window), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Hwnd(control)));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour == GetSysColor(COLOR_WINDOWTEXT) ? 0 : static_cast<std::uint32_t>(colour);
  }
  Mark MarkOf(std::string_view control) const override { return adapter_.MarkOf(Ref(control)); }
  // What the tooltip control holds for the box.
  std::u16string Tooltip(std::string_view control) const override {
    std::wstring text(1024, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = adapter_.Window(kMainWindow.window);
    tool.uId = reinterpret_cast<UINT_PTR>(Hwnd(control));
    tool.lpszText = text.data();
    SendMessageW(adapter_.Tooltip(kMainWindow.window), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(wcslen(text.c_str()));
    return std::u16string(text.begin(), text.end());
  }
  std::u16string Hint(std::string_view control) const override {
    const std::wstring hint = adapter_.HintOf(Ref(control));
    return std::u16string(hint.begin(), hint.end());
  }
  bool WindowOpen() const override {
    HWND window = adapter_.Window(kMainWindow.window);
    return window && IsWindowVisible(window);
  }
  std::u16string DevicePath() const override { return u"NUL"; }

 private:
  ControlRef Ref(std::string_view control) const { return {kMainWindow.window, kMainWindowForm.IndexOf(control)}; }
  HWND Hwnd(std::string_view control) const {
    HWND hwnd = adapter_.Control(Ref(control));
    EXPECT_NE(hwnd, nullptr) << control;
    return hwnd;
  }

  static inline Win32WindowDriver* current_ = nullptr;
  std::function<void()> pending_;
  win32::Win32Adapter adapter_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(void (*prepare)(WindowDriver&)) {
  return std::make_unique<Win32WindowDriver>(prepare);
}

}  // namespace corvane::testing
