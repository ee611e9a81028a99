// Files on Windows, opened by their wide-character path.

#include <windows.h>

#include "runtime/file_source.h"
#include "runtime/messages.h"
#include "runtime/win32/wide_text.h"

namespace corvane {

namespace {

class Win32File final : public FileSource {
 public:
  Win32File(HANDLE file, std::uint64_t size) : file_(file), size_(size) {}
  ~Win32File() override { CloseHandle(file_); }

  std::uint64_t size() const override { return size_; }

  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
    if (ReadFile(file_, buffer.data(), want, &got, &at)) return got;
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }

 private:
  HANDLE file_;
  std::uint64_t size_;
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
  const std::wstring path = win32::ToWide(cp936_name);
  // Others may go on reading, writing or even deleting it; a change while it
  // is read is caught by its size.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return MessageForOpenError(GetLastError(), path);
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    return messages::kNotRegular;
  }
  return std::make_unique<Win32File>(file, static_cast<std::uint64_t>(size.QuadPart));
}

}  // namespace corvane
