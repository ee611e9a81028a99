// The Windows program's real window, built from the program's form out of
// real controls: what only Windows has. What a user sees of it is in the
// window scenarios, run on both bindings.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstring>
#include <string>

#include "app/entry.h"
#include "app/main_window_form.h"
#include "checksum/controls.h"
#include "runtime/unicode.h"
#include "runtime/runtime_core.h"
#include "runtime/win32/win32_adapter.h"

namespace corvane::testing {
namespace {

constexpr ControlAddress 单选框1 = kMainWindowForm.Address("单选框1");
constexpr ControlAddress 按钮1 = kMainWindowForm.Address("按钮1");

std::wstring Wide(const char* utf8) {
  const std::u16string text = unicode::Utf8ToUtf16(utf8);
  return std::wstring(text.begin(), text.end());
}

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64];
  GetClassNameW(hwnd, name, 64);
  return name;
}

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    InstallRuntime(&runtime_);
    LoadWindow(kMainWindow.window);
  }
  ~MainWindow() override {
    // The window goes now, and with it the quit message it leaves, so that
    // the next test starts with an empty queue.
    if (HWND window = adapter_.Window(kMainWindow.window)) DestroyWindow(window);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    }
    InstallRuntime(nullptr);
  }

  HWND Hwnd(ControlAddress control) const {
    const auto controls = MainWindowForm().controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
      if (controls[i].id == control.control) return adapter_.Control({control.window, static_cast<int>(i)});
    return nullptr;
  }
  bool Checked(ControlAddress radio) const { return SendMessageW(Hwnd(radio), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::wstring Result() {
    SendMessageW(Hwnd(按钮1), BM_CLICK, 0, 0);
    return TextOf(Hwnd(编辑框2));
  }

  win32::Win32Adapter adapter_;
  RuntimeCore runtime_{ProgramForms(), adapter_};
};

TEST_F(MainWindow, IsBuiltFromTheFormWithRealControls) {
  HWND window = adapter_.Window(kMainWindow.window);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(TextOf(window), L"Corvane");
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 353);
  EXPECT_EQ(client.bottom, 171);
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME) << "a fixed frame";
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_MAXIMIZEBOX);
  for (const FormEntry& entry : MainWindowForm().controls()) {
    SCOPED_TRACE(entry.name);
    HWND control = Hwnd({kMainWindow.window, entry.id, entry.type});
    if (entry.type == TypeCode::CommonDialog) {
      EXPECT_EQ(control, nullptr) << "the dialog is never drawn in the window";
      continue;
    }
    ASSERT_NE(control, nullptr);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ((std::array{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}),
              (std::array<LONG, 4>{entry.left, entry.top, entry.width, entry.height}));
    const std::wstring expected_class = entry.type == TypeCode::EditBox ? L"Edit"
                                        : entry.type == TypeCode::Label ? L"Static"
                                                                        : L"Button";
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected_class.c_str()), 0);
    EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, entry.tab_stop());
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
    if (entry.settings && entry.settings->caption) {
      EXPECT_EQ(TextOf(control), Wide(entry.settings->caption));
    }
  }
  EXPECT_TRUE(Checked(单选框1));
  EXPECT_FALSE(Checked(单选框2));
  EXPECT_EQ(TextOf(Hwnd(编辑框1)), L"");
  EXPECT_EQ(TextOf(Hwnd(编辑框2)), L"");
}

TEST_F(MainWindow, APastedMillionCharactersAreTakenWhole) {
  const std::wstring text(1000000, L'a');
  ASSERT_TRUE(OpenClipboard(adapter_.Window(kMainWindow.window)));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendMessageW(Hwnd(编辑框1), WM_PASTE, 0, 0);
  ASSERT_EQ(GetWindowTextLengthW(Hwnd(编辑框1)), 1000000);
  EXPECT_EQ(Result(), L"7707d6ae4e027c70eea2a935c2296f21");  // a million 'a's
}

// Controls paint while they are created, before the window knows them all:
// a colour message for a control not yet built is answered all the same.
TEST(MainWindowBuilding, AnswersColourMessagesWhileItsControlsAreCreated) {
  static int asked = 0;
  asked = 0;
  HHOOK hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wparam, LPARAM lparam) -> LRESULT {
        const HWND parent = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs->hwndParent : nullptr;
        if (parent) {
          HDC dc = CreateCompatibleDC(nullptr);
          for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC})
            SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), static_cast<LPARAM>(wparam));
          DeleteDC(dc);
          ++asked;
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
      },
      nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  {
    win32::Win32Adapter adapter;
    RuntimeCore runtime(ProgramForms(), adapter);
    InstallRuntime(&runtime);
    LoadWindow(kMainWindow.window);
    UnhookWindowsHookEx(hook);
    EXPECT_GE(asked, 8) << "every drawn control was asked about while it was created";
    EXPECT_NE(adapter.Window(kMainWindow.window), nullptr);
    InstallRuntime(nullptr);
  }
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
  }
}

}  // namespace
}  // namespace corvane::testing
