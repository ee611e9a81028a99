// Files as the Windows program reads them, for real under Wine: a file
// another program holds locked, and one changed between opening and the
// end of its reading.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/cp936.h"
#include "runtime/data_operations.h"
#include "runtime/messages.h"

namespace corvane {
namespace {

struct Deleter {
  void operator()(Value* v) const { delete v; }
};
using Held = std::unique_ptr<Value, Deleter>;

class WindowsFiles : public ::testing::Test {
 protected:
  WindowsFiles() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"corvane-file-" + std::to_wstring(GetCurrentProcessId());
    Write(std::string(3 << 20, 'x'), CREATE_ALWAYS);
  }
  ~WindowsFiles() override { DeleteFileW(path_.c_str()); }

  // Writes as another program would, sharing the file with every reader.
  void Write(const std::string& bytes, DWORD disposition, LONG at = -1) {
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                              0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFilePointer(file, at, nullptr, at < 0 ? FILE_END : FILE_BEGIN);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  std::string Name() const { return cp936::FromUtf16(std::u16string(path_.begin(), path_.end())); }

  std::wstring path_;
};

TEST_F(WindowsFiles, AFileAnotherProgramHoldsLockedSaysSo) {
  HANDLE held = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Held name(Value::NewText(Name()));
  Held bytes(ReadWholeFileOperation(*name));
  CloseHandle(held);
  EXPECT_EQ(cp936::ToUtf8(bytes->data()), messages::kLocked);
}

TEST_F(WindowsFiles, AFileChangedAfterItWasOpenedHasNoDigest) {
  for (const bool append : {true, false}) {
    Write(std::string(3 << 20, 'x'), CREATE_ALWAYS);
    Held name(Value::NewText(Name()));
    Held bytes(ReadWholeFileOperation(*name));
    ASSERT_FALSE(bytes->IsFailure());
    Sleep(20);  // the file system's clock moves on
    if (append) {
      Write("appended", OPEN_EXISTING);
    } else {
      Write("rewritten in place", OPEN_EXISTING, 100);
    }
    Held digest(DigestTextOperation(*bytes));
    EXPECT_EQ(cp936::ToUtf8(digest->data()), messages::kChangedWhileRead) << (append ? "appended" : "rewritten");
  }
}

}  // namespace
}  // namespace corvane
