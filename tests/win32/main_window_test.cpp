// The Windows program's real window, built by the Win32 runtime from the
// program's form and driven with the messages a user's clicks and keys send.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <atomic>
#include <cstring>
#include <deque>
#include <functional>
#include <string>

#include "app/entry.h"
#include "app/main_window_form.h"
#include "checksum/controls.h"
#include "runtime/md5.h"
#include "runtime/messages.h"
#include "tests/slow_file.h"
#include "runtime/unicode.h"
#include "runtime/win32/win32_runtime.h"

namespace corvane::testing {
namespace {

constexpr ControlAddress 单选框1{kMainWindowId, 0x1601000b, TypeCode::RadioButton};
constexpr ControlAddress 按钮1{kMainWindowId, 0x16010006, TypeCode::Button};
constexpr ControlAddress 按钮2{kMainWindowId, 0x16010005, TypeCode::Button};

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
  MainWindow() : runtime_(ProgramForms()) {
    runtime_.SetFileChooser([this](HWND, const std::wstring&) -> std::optional<std::wstring> {
      if (answers_.empty()) {
        ADD_FAILURE() << "the file dialog opened unexpectedly";
        return std::nullopt;
      }
      const bool cancel = !answers_.front().has_value();
      const std::wstring path = answers_.front().value_or(L"");
      answers_.pop_front();
      if (cancel) return std::nullopt;
      return path;
    });
    runtime_.SetExit([](int status) { ADD_FAILURE() << "the program tried to exit with " << status; });
    InstallRuntime(&runtime_);
    LoadWindow(kMainWindowId);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    dir_ = std::wstring(temp) + L"corvane-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir_.c_str(), nullptr);
  }
  ~MainWindow() override {
    // The window goes now, and with it the quit message it leaves, so that
    // the next test starts with an empty queue.
    if (HWND window = runtime_.Window(kMainWindowId)) DestroyWindow(window);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    }
    InstallRuntime(nullptr);
    EXPECT_TRUE(answers_.empty()) << "the file dialog was not shown as often as scripted";
    RemoveDirectoryW(dir_.c_str());
  }

  HWND Hwnd(ControlAddress control) const { return runtime_.Control(control); }
  bool Checked(ControlAddress radio) const { return SendMessageW(Hwnd(radio), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // A click as the mouse makes it: the control processes the button's
  // down and up, checks itself if it is an auto radio button, and notifies.
  void Click(ControlAddress control) { SendMessageW(Hwnd(control), BM_CLICK, 0, 0); }
  void Type(ControlAddress edit, const std::wstring& text) {
    for (wchar_t unit : text) SendMessageW(Hwnd(edit), WM_CHAR, unit, 1);
  }
  void ChooseFile(const std::wstring& path) {
    answers_.push_back(path);
    Click(单选框2);
  }
  std::wstring Result() {
    Click(按钮1);
    return TextOf(Hwnd(编辑框2));
  }
  std::wstring WriteFile(const std::wstring& name, const std::string& content) {
    const std::wstring path = dir_ + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

  win32::Win32Runtime runtime_;
  std::deque<std::optional<std::wstring>> answers_;
  std::wstring dir_;
};

TEST_F(MainWindow, IsBuiltFromTheFormWithRealControls) {
  HWND window = runtime_.Window(kMainWindowId);
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
    HWND control = Hwnd({kMainWindowId, entry.id, entry.type});
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

TEST_F(MainWindow, RadioButtonsNeverLeaveBothOrNeitherChecked) {
  for (ControlAddress radio : {单选框2, 单选框1, 单选框1, 单选框2, 单选框2, 单选框1}) {
    if (radio == 单选框2) answers_.push_back(std::nullopt);
    Click(radio);
    EXPECT_TRUE(Checked(radio));
    EXPECT_NE(Checked(单选框1), Checked(单选框2));
  }
}

TEST_F(MainWindow, DigestsTypedTextAsItsCodePage936Bytes) {
  EXPECT_EQ(Result(), L"d41d8cd98f00b204e9800998ecf8427e");
  Type(编辑框1, L"abc");
  EXPECT_EQ(Result(), L"900150983cd24fb0d6963f7d28e17f72");
  SetWindowTextW(Hwnd(编辑框1), L"");
  Type(编辑框1, Wide("计算"));
  EXPECT_EQ(Result(), L"d5d12867c9fb08d6bdc033d3477504eb");
  EXPECT_FALSE(runtime_.ShowsFailure(编辑框2));
}

TEST_F(MainWindow, APastedMillionCharactersAreTakenWhole) {
  const std::wstring text(1000000, L'a');
  ASSERT_TRUE(OpenClipboard(runtime_.Window(kMainWindowId)));
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

TEST_F(MainWindow, FileModeDigestsTheChosenFileWhateverItsName) {
  for (const char* name : {"校验文件.txt", "文件 😀 한.txt"}) {
    SCOPED_TRACE(name);
    const std::wstring path = WriteFile(Wide(name), "message digest");
    ChooseFile(path);
    EXPECT_EQ(TextOf(Hwnd(编辑框1)), path);
    EXPECT_FALSE(IsWindowEnabled(Hwnd(编辑框1)));
    EXPECT_EQ(Result(), L"f96b697d7cb7938d525a2f31aaf161d0");
    DeleteFileW(path.c_str());
  }
}

TEST_F(MainWindow, AnInputWithoutADigestShowsWhyInTheFailureColour) {
  Type(编辑框1, L"abc");
  answers_.push_back(std::nullopt);
  Click(单选框2);
  EXPECT_EQ(Result(), Wide(messages::kNoFileChosen));
  EXPECT_TRUE(runtime_.ShowsFailure(编辑框2));

  const std::wstring removed = WriteFile(L"removed", "x");
  const struct {
    std::wstring path;
    const char* message;
  } cases[] = {{removed, messages::kNotFound}, {dir_, messages::kIsFolder}, {L"NUL", messages::kNotRegular}};
  DeleteFileW(removed.c_str());
  for (const auto& c : cases) {
    ChooseFile(c.path);
    EXPECT_EQ(Result(), Wide(c.message));
    EXPECT_TRUE(runtime_.ShowsFailure(编辑框2));
  }
  Click(单选框1);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(编辑框1)));
  SetWindowTextW(Hwnd(编辑框1), L"abc");
  EXPECT_EQ(Result(), L"900150983cd24fb0d6963f7d28e17f72");
  EXPECT_FALSE(runtime_.ShowsFailure(编辑框2));
}

TEST_F(MainWindow, CancelDestroysTheWindowAndTheLoopReturns) {
  PostMessageW(Hwnd(按钮2), BM_CLICK, 0, 0);
  RunMessageLoop(0);
  EXPECT_EQ(runtime_.Window(kMainWindowId), nullptr);
}


std::wstring ReferenceDigest(std::uint64_t size) {
  Md5 md5(Md5Cores().front());
  md5.Update(PatternBytes(size));
  const std::string hex = ToHex(md5.Final());
  return std::wstring(hex.begin(), hex.end());
}

constexpr std::uint64_t kSlowSize = 24 << 20;

// What happens while the digest runs, from inside it: a timer fires there.
class LongDigest : public MainWindow {
 protected:
  void UseSlowFile() {
    runtime_.SetFileOpener([this](std::string_view) -> OpenedFile {
      return std::make_unique<SlowFile>(kSlowSize, std::chrono::milliseconds(40), reads_);
    });
    ChooseFile(L"C:\\scripted\\file");
  }
  void CalculateAndMeanwhile(std::function<void()> during) {
    during_ = std::move(during);
    current_ = this;
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      current_->shown_meanwhile_ = TextOf(current_->Hwnd(编辑框2));
      current_->during_();
    });
    Click(按钮1);
  }
  static void PostClick(HWND hwnd) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }

  static inline LongDigest* current_ = nullptr;
  std::function<void()> during_;
  std::wstring shown_meanwhile_;
  std::atomic<int> reads_{0};  // the file takes 25 reads to its end
};

TEST_F(LongDigest, ShowsProgressTakesNoInputAndEndsInTheRightDigest) {
  UseSlowFile();
  EnableWindow(Hwnd(编辑框1), TRUE);  // so that typing would reach it if it were let through
  const std::wstring before = TextOf(Hwnd(编辑框1));
  CalculateAndMeanwhile([this] {
    for (ControlAddress control : {单选框1, 单选框2, 按钮1, 按钮2}) PostClick(Hwnd(control));
    PostMessageW(Hwnd(编辑框1), WM_CHAR, L'x', 1);
  });
  EXPECT_EQ(shown_meanwhile_.rfind(Wide(messages::kInProgress), 0), 0u) << "progress was shown";
  EXPECT_EQ(shown_meanwhile_.back(), L'%');
  EXPECT_EQ(TextOf(Hwnd(编辑框2)), ReferenceDigest(kSlowSize));
  EXPECT_FALSE(runtime_.ShowsFailure(编辑框2));
  EXPECT_TRUE(Checked(单选框2));
  EXPECT_EQ(TextOf(Hwnd(编辑框1)), before);
  EXPECT_NE(runtime_.Window(kMainWindowId), nullptr);
}

TEST_F(LongDigest, EscCancelsAndTheResultBoxSaysSo) {
  UseSlowFile();
  CalculateAndMeanwhile([this] { PostMessageW(Hwnd(编辑框2), WM_KEYDOWN, VK_ESCAPE, 1); });
  EXPECT_EQ(shown_meanwhile_.rfind(Wide(messages::kInProgress), 0), 0u) << "Esc came while the digest ran";
  EXPECT_EQ(TextOf(Hwnd(编辑框2)), Wide(messages::kCancelled));
  EXPECT_TRUE(runtime_.ShowsFailure(编辑框2));
}

TEST_F(LongDigest, ClosingTheWindowStopsTheDigestAndEndsTheLoop) {
  UseSlowFile();
  CalculateAndMeanwhile([this] { PostMessageW(runtime_.Window(kMainWindowId), WM_CLOSE, 0, 0); });
  EXPECT_EQ(shown_meanwhile_.rfind(Wide(messages::kInProgress), 0), 0u) << "the close came while the digest ran";
  EXPECT_LT(reads_, 20) << "the digest stopped before it was through";
  EXPECT_EQ(runtime_.Window(kMainWindowId), nullptr);
  RunMessageLoop(0);  // returns at once: the window is gone
}

}  // namespace
}  // namespace corvane::testing
