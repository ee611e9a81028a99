#include "runtime/data_operations.h"

#include <vector>

#include "runtime/commands.h"
#include "runtime/cp936.h"
#include "runtime/file_source.h"
#include "runtime/md5.h"
#include "runtime/messages.h"

namespace corvane {

namespace {

constexpr std::size_t kChunk = 1 << 20;

Value* Failure(const char* utf8_message) { return Value::NewFailure(cp936::FromUtf8(utf8_message)); }

// Streams the file through MD5. The file must end where its size said it
// would: a file cut short or grown while it is read has no honest digest.
Value* DigestFile(FileSource& file) {
  std::vector<std::uint8_t> buffer(kChunk);
  Md5 md5;
  std::uint64_t total = 0;
  for (;;) {
    const std::int64_t n = file.Read(total, buffer);
    if (n < 0) return Failure(messages::kReadError);
    if (n == 0) break;
    total += static_cast<std::uint64_t>(n);
    if (total > file.size()) return Failure(messages::kChangedWhileRead);
    md5.Update(std::span(buffer.data(), static_cast<std::size_t>(n)));
  }
  if (total != file.size()) return Failure(messages::kChangedWhileRead);
  return Value::NewText(ToHex(md5.Final()));
}

}  // namespace

Value* TextToBytesOperation(const Value& text) { return Value::NewBytes(text.data()); }

Value* ReadWholeFileOperation(const Value& name) {
  OpenedFile opened = OpenFileSource(name.data());
  if (const char* const* message = std::get_if<const char*>(&opened)) return Failure(*message);
  return Value::NewFileBytes(std::move(std::get<std::unique_ptr<FileSource>>(opened)));
}

Value* DigestTextOperation(const Value& bytes) {
  if (bytes.file()) return DigestFile(*bytes.file());
  Md5 md5;
  md5.Update(bytes.data());
  return Value::NewText(ToHex(md5.Final()));
}

std::optional<Result> RunDataOperation(Command command, std::span<const Argument> arguments) {
  if (arguments.size() != 1 || !arguments[0].value) return std::nullopt;
  const Value& argument = *arguments[0].value;
  if (command == kTextToBytes) return Result{0, TextToBytesOperation(argument)};
  if (command == kReadWholeFile) return Result{0, ReadWholeFileOperation(argument)};
  if (command == kDigestText) return Result{0, DigestTextOperation(argument)};
  return std::nullopt;
}

}  // namespace corvane
