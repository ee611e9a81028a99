#pragma once
// A file opened for reading, whose bytes are read when they are digested.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <variant>

namespace corvane {

class FileSource {
 public:
  virtual ~FileSource() = default;
  // The size the system gave when the file was opened. It serves only to
  // show progress: a file is read to its end whatever it says, since files
  // such as those of /proc and /sys give 0 or 4096 for any content.
  virtual std::uint64_t size() const = 0;
  // Reads the bytes from `offset` on into `buffer`: the count, 0 at the end,
  // or -1 on an error of the device.
  virtual std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) = 0;
  // Whether the system still says of the open file what it said when it
  // was opened (which file, its size, when it was last written): false
  // when it was changed meanwhile, or when that cannot be asked.
  virtual bool Unchanged() const = 0;
};

// An open file, or the message (UTF-8) that says why it cannot be opened.
using OpenedFile = std::variant<std::unique_ptr<FileSource>, const char*>;

// Opens the file a program text names. Only regular files are opened: a
// folder, a device or a pipe would never end or never start.
OpenedFile OpenFileSource(std::string_view cp936_name);

}  // namespace corvane
