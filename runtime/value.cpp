#include "runtime/value.h"

#include "runtime/file_source.h"

namespace corvane {

Value::Value(ValueKind kind, std::string data, std::unique_ptr<FileSource> file)
    : kind_(kind), data_(std::move(data)), file_(std::move(file)) {}

Value::~Value() = default;

Value* Value::NewText(std::string cp936) { return new Value(ValueKind::Text, std::move(cp936), nullptr); }

Value* Value::NewBytes(std::string bytes) { return new Value(ValueKind::Bytes, std::move(bytes), nullptr); }

Value* Value::NewFileBytes(std::unique_ptr<FileSource> file) {
  return new Value(ValueKind::Bytes, {}, std::move(file));
}

Value* Value::NewFailure(std::string cp936_message) {
  return new Value(ValueKind::Failure, std::move(cp936_message), nullptr);
}

const Value& EmptyText() {
  static const Value* const empty = Value::NewText({});
  return *empty;
}

const Value& EmptyBytes() {
  static const Value* const empty = Value::NewBytes({});
  return *empty;
}

}  // namespace corvane
