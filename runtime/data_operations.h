#pragma once
// The data operations every binding runs the same way: a text to its bytes,
// a whole file as a byte string, and the MD5 digest of a byte string.

#include <optional>
#include <span>

#include "runtime/runtime.h"

namespace corvane {

Value* TextToBytesOperation(const Value& text);
Value* ReadWholeFileOperation(const Value& name);
Value* DigestTextOperation(const Value& bytes);

// Runs `command` when it is one of the data operations; nullopt otherwise.
std::optional<Result> RunDataOperation(Command command, std::span<const Argument> arguments);

}  // namespace corvane
