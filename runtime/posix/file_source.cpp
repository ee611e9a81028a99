// Files on POSIX systems, opened by their UTF-8 path.

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

// What fstat says of a file that a change would alter: which file it is,
// its size, and when its data and its inode last changed. A change within
// one tick of the file system's clock that keeps the size cannot be seen.
bool SameState(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
         a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

class PosixFile final : public FileSource {
 public:
  PosixFile(int fd, const struct stat& opened) : fd_(fd), opened_(opened) {}
  ~PosixFile() override { ::close(fd_); }

  std::uint64_t size() const override { return static_cast<std::uint64_t>(opened_.st_size); }

  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    for (;;) {
      const ssize_t n = ::pread(fd_, buffer.data(), buffer.size(), static_cast<off_t>(offset));
      if (n >= 0 || errno != EINTR) return n;
    }
  }

  bool Unchanged() const override {
    struct stat now {};
    return ::fstat(fd_, &now) == 0 && SameState(opened_, now);
  }

 private:
  int fd_;
  struct stat opened_;
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
    case ENXIO:  // a socket, or a device with nothing behind it
    case ENODEV:
      return messages::kNotRegular;
    default:
      return messages::kReadError;
  }
}

// Only a regular file is read: a folder, a device, a pipe or a socket would
// never end or never start.
const char* CheckRegular(const struct stat& info) {
  if (S_ISREG(info.st_mode)) return nullptr;
  return S_ISDIR(info.st_mode) ? messages::kIsFolder : messages::kNotRegular;
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
  const char* refusal = ::fstat(fd, &info) != 0 ? messages::kReadError : CheckRegular(info);
  const int flags = refusal ? -1 : ::fcntl(fd, F_GETFL);
  if (!refusal && (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)) refusal = messages::kReadError;
  if (refusal) {
    ::close(fd);
    return refusal;
  }
  // Only advice: a file system that takes none is read all the same.
  [[maybe_unused]] const int advised = ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return std::make_unique<PosixFile>(fd, info);
}

}  // namespace corvane
