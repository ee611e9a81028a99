// Files on Windows, opened by their wide-character path.

#include <windows.h>

#include <algorithm>

#include "runtime/file_source.h"
#include "runtime/messages.h"
#include "runtime/cp936.h"

namespace corvane {

namespace {

std::wstring ToWide(std::string_view cp936) {
  const std::u16string text = cp936::ToUtf16(cp936);
  return std::wstring(text.begin(), text.end());
}

// What the system says of a file that a change would alter: which volume
// and file it is, its size, and when it was last written. A change within
// one tick of the file system's clock that keeps the size cannot be seen.
bool SameState(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow && a.nFileSizeHigh == b.nFileSizeHigh &&
         a.nFileSizeLow == b.nFileSizeLow && a.ftLastWriteTime.dwLowDateTime == b.ftLastWriteTime.dwLowDateTime &&
         a.ftLastWriteTime.dwHighDateTime == b.ftLastWriteTime.dwHighDateTime;
}

class Win32File final : public FileSource {
 public:
  Win32File(HANDLE file, const BY_HANDLE_FILE_INFORMATION& opened) : file_(file), opened_(opened) {}
  ~Win32File() override { CloseHandle(file_); }

  std::uint64_t size() const override {
    return (static_cast<std::uint64_t>(opened_.nFileSizeHigh) << 32) | opened_.nFileSizeLow;
  }

  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
    if (ReadFile(file_, buffer.data(), want, &got, &at)) return got;
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }

  bool Unchanged() const override {
    BY_HANDLE_FILE_INFORMATION now{};
    return GetFileInformationByHandle(file_, &now) && SameState(opened_, now);
  }

 private:
  HANDLE file_;
  BY_HANDLE_FILE_INFORMATION opened_;
};

const char* MessageForOpenError(DWORD error, const std::wstring& path) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return messages::kNotFound;
    case ERROR_ACCESS_DENIED: {
      const DWORD attributes = GetFileAttributesW(path.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return messages::kIsFolder;
      return messages::kNoPermission;
    }
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return messages::kLocked;
    default:
      return messages::kReadError;
  }
}

}  // namespace

OpenedFile OpenFileSource(std::string_view cp936_name) {
  if (cp936_name.empty()) return messages::kNoFileChosen;
  const std::wstring path = ToWide(cp936_name);
  // Others may go on reading, writing or even deleting it; a change while it
  // is read is caught by what the system says of it before and after.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return MessageForOpenError(GetLastError(), path);
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return messages::kNotRegular;
  }
  if (!GetFileInformationByHandle(file, &info)) {
    CloseHandle(file);
    return messages::kReadError;
  }
  return std::make_unique<Win32File>(file, info);
}

}  // namespace corvane
