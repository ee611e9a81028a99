#pragma once
// What the program sees of the windowing runtime: control properties,
// numbered commands, the window's life and value ownership. The handlers call
// the free functions below; a platform binding, or a test's fake, implements
// Runtime and is installed once at start.

#include <cstdint>
#include <initializer_list>
#include <span>

#include "runtime/value.h"

namespace corvane {

enum class TypeCode : std::uint32_t {
  Omitted = 0,  // an optional argument left out
  Window = 0x00010001,
  EditBox = 0x00010005,
  Label = 0x0001000a,
  Button = 0x0001000b,
  RadioButton = 0x0001000d,
  CommonDialog = 0x0001001f,
  Text = 0x80000004,
  Bytes = 0x80000005,
};

struct ControlAddress {
  std::uint32_t window;
  std::uint32_t control;
  TypeCode type;
  friend bool operator==(const ControlAddress&, const ControlAddress&) = default;
};

enum class Property : std::uint32_t { Disabled = 6, Content = 8, FileName = 10, Checked = 18 };

enum class Library : std::uint32_t { Core = 0, DataOperations = 1 };

struct Command {
  Library library;
  std::uint32_t number;
  friend bool operator==(const Command&, const Command&) = default;
};

// One argument of a command: a value, a control as object, or nothing.
struct Argument {
  TypeCode type = TypeCode::Omitted;
  const Value* value = nullptr;
  ControlAddress object{};

  static Argument Of(const Value& v);
  static Argument Object(ControlAddress control) { return {control.type, nullptr, control}; }
  static Argument LeftOut() { return {}; }
};

// What a property read or a command hands back: an integer, or a value that
// the caller now owns (null where there is none).
struct Result {
  std::int32_t integer = 0;
  Value* value = nullptr;
};

class Runtime {
 public:
  virtual ~Runtime() = default;
  virtual Result ReadProperty(ControlAddress control, Property property, std::int32_t index) = 0;
  virtual void WriteProperty(ControlAddress control, Property property, std::int32_t index,
                             std::int32_t integer) = 0;
  // A null text is written as the empty text.
  virtual void WriteProperty(ControlAddress control, Property property, std::int32_t index,
                             const Value* text) = 0;
  virtual void ReleaseValue(Value* value) = 0;
  virtual Result RunCommand(Command command, std::span<const Argument> arguments) = 0;
  virtual void LoadWindow(std::uint32_t window_id) = 0;
  virtual void RunMessageLoop(std::int32_t parameter) = 0;
  virtual void ExitProgram(std::int32_t status) = 0;
};

void InstallRuntime(Runtime* runtime);
Runtime& CurrentRuntime();

// The calls as the program makes them; the index is always -1.
Result ReadProperty(ControlAddress control, Property property);
void WriteProperty(ControlAddress control, Property property, std::int32_t integer);
void WriteProperty(ControlAddress control, Property property, const Value* text);
void ReleaseValue(Value* value);
Result RunCommand(Command command, std::initializer_list<Argument> arguments);
void LoadWindow(std::uint32_t window_id);
void RunMessageLoop(std::int32_t parameter);
void ExitProgram(std::int32_t status);

// Holds a value handed back by the runtime and releases it exactly once: at
// Release(), or when it goes out of scope. Null is never released.
class Owned {
 public:
  explicit Owned(Value* value = nullptr) : value_(value) {}
  Owned(Owned&& other) noexcept : value_(other.value_) { other.value_ = nullptr; }
  Owned& operator=(Owned&&) = delete;
  ~Owned() { Release(); }

  void Release();
  const Value* get() const { return value_; }
  bool IsNull() const { return value_ == nullptr; }
  bool IsFailure() const { return value_ && value_->IsFailure(); }
  // What is passed on as an argument: the value, or the matching constant.
  const Value& OrEmptyText() const { return value_ ? *value_ : EmptyText(); }
  const Value& OrEmptyBytes() const { return value_ ? *value_ : EmptyBytes(); }

 private:
  Value* value_;
};

}  // namespace corvane
