#pragma once
// The values that cross the runtime's boundary: texts, byte strings and
// failures. A value the runtime hands back belongs to the caller, who hands it
// back with ReleaseValue exactly once; null (no value) is never released.

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

class FileSource;

enum class ValueKind { Text, Bytes, Failure };

class Value {
 public:
  // A text: code page 936 bytes; c_str() keeps the terminating zero.
  static Value* NewText(std::string cp936);
  // A byte string held in memory.
  static Value* NewBytes(std::string bytes);
  // A byte string read from an open file when it is consumed, so that a file
  // of any size is digested in bounded memory.
  static Value* NewFileBytes(std::unique_ptr<FileSource> file);
  // Why a value could not be had, as a text for the user.
  static Value* NewFailure(std::string cp936_message);

  ~Value();
  Value(const Value&) = delete;
  Value& operator=(const Value&) = delete;

  ValueKind kind() const { return kind_; }
  bool IsFailure() const { return kind_ == ValueKind::Failure; }
  // The text, the failure's message, or a byte string's bytes in memory.
  const std::string& data() const { return data_; }
  // The file behind a file byte string, or null.
  FileSource* file() const { return file_.get(); }

 private:
  Value(ValueKind kind, std::string data, std::unique_ptr<FileSource> file);

  ValueKind kind_;
  std::string data_;
  std::unique_ptr<FileSource> file_;
};

// The program's two constants: they stand in for null where a value is passed
// on, live for the whole run and are never released.
const Value& EmptyText();
const Value& EmptyBytes();

}  // namespace corvane
