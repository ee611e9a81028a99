#pragma once
// The data operations every binding runs the same way: a text to its bytes,
// a whole file as a byte string, and the MD5 digest of a byte string.

#include <functional>
#include <optional>
#include <string_view>
#include <span>

#include "runtime/file_source.h"
#include "runtime/runtime.h"

namespace corvane {

// Opens a file by its name; a binding's tests put a scripted source here.
using FileOpener = std::function<OpenedFile(std::string_view cp936_name)>;

Value* TextToBytesOperation(const Value& text);
Value* ReadWholeFileOperation(const Value& name, const FileOpener& open = OpenFileSource);
// All at once; a binding that keeps its window alive meanwhile steps a
// DigestJob itself.
Value* DigestTextOperation(const Value& bytes);

// Runs `command` when it is TextToBytes or ReadWholeFile; nullopt otherwise.
// DigestText each binding runs itself, keeping its window alive meanwhile.
std::optional<Result> RunDataOperation(Command command, std::span<const Argument> arguments,
                                       const FileOpener& open = OpenFileSource);

}  // namespace corvane
