#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "runtime/cp936.h"
#include "runtime/file_source.h"
#include "runtime/messages.h"

namespace corvane {

namespace {

class PosixFile final : public FileSource {
 public:
  PosixFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  ~PosixFile() override { ::close(fd_); }

  std::uint64_t size() const override { return size_; }

  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    for (;;) {
      const ssize_t n = ::pread(fd_, buffer.data(), buffer.size(), static_cast<off_t>(offset));
      if (n >= 0 || errno != EINTR) return n;
    }
  }

 private:
  int fd_;
  std::uint64_t size_;
};

const char* MessageForOpenError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return messages::kNotFound;
    case EACCES:
    case EPERM:
      return messages::kNoPermission;
    case EISDIR:
      return messages::kIsFolder;
    default:
      return messages::kReadError;
  }
}

}  // namespace

OpenedFile OpenFileSource(std::string_view cp936_name) {
  if (cp936_name.empty()) return messages::kNoFileChosen;
  const std::string path = cp936::ToUtf8(cp936_name);
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the file
  // is checked to be regular before a byte is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return MessageForOpenError(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool folder = S_ISDIR(info.st_mode);
    ::close(fd);
    return folder ? messages::kIsFolder : messages::kNotRegular;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return std::make_unique<PosixFile>(fd, static_cast<std::uint64_t>(info.st_size));
}

}  // namespace corvane
