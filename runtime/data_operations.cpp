#include "runtime/data_operations.h"

#include "runtime/commands.h"
#include "runtime/cp936.h"
#include "runtime/digest_job.h"
#include "runtime/messages.h"

namespace corvane {

namespace {

Value* Failure(const char* utf8_message) { return Value::NewFailure(cp936::FromUtf8(utf8_message)); }

// A name that holds U+FFFD came from a name the system could not decode
// (bytes that are not UTF-8, a lone surrogate): it names no file, and the
// user is told so rather than that the file does not exist.
const char* Explain(const char* message, std::string_view cp936_name) {
  if (message == messages::kNotFound && cp936::ToUtf16(cp936_name).find(u'\uFFFD') != std::u16string::npos)
    return messages::kUnreadableName;
  return message;
}

}  // namespace

Value* TextToBytesOperation(const Value& text) { return Value::NewBytes(text.data()); }

Value* ReadWholeFileOperation(const Value& name, const FileOpener& open) {
  OpenedFile opened = open(name.data());
  if (const char* const* message = std::get_if<const char*>(&opened)) return Failure(Explain(*message, name.data()));
  return Value::NewFileBytes(std::move(std::get<std::unique_ptr<FileSource>>(opened)));
}

Value* DigestTextOperation(const Value& bytes) {
  DigestJob job(bytes);
  while (!job.Done()) job.Step();
  return job.Finish();
}

std::optional<Result> RunDataOperation(Command command, std::span<const Argument> arguments, const FileOpener& open) {
  if (arguments.size() != 1 || !arguments[0].value) return std::nullopt;
  const Value& argument = *arguments[0].value;
  if (command == kTextToBytes) return Result{0, TextToBytesOperation(argument)};
  if (command == kReadWholeFile) return Result{0, ReadWholeFileOperation(argument, open)};
  return std::nullopt;
}

}  // namespace corvane
