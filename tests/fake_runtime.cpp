#include "tests/fake_runtime.h"

#include <cstdio>

#include "app/main_window_form.h"

namespace corvane::testing {

namespace {

std::string Hex(std::uint32_t n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%08x", n);
  return buffer;
}

std::string PropertyName(Property property) {
  switch (property) {
    case Property::Disabled: return "disabled";
    case Property::Content: return "content";
    case Property::FileName: return "file-name";
    case Property::Checked: return "checked";
  }
  return "property-" + std::to_string(static_cast<std::uint32_t>(property));
}

std::string CommandName(Command command) {
  return (command.library == Library::Core ? "core " : "data ") + std::to_string(command.number);
}

std::string Index(std::int32_t index) { return index == -1 ? "" : " index=" + std::to_string(index); }

}  // namespace

std::string ControlName(std::uint32_t control_id) {
  for (const FormEntry& entry : MainWindowForm().entries)
    if (entry.id == control_id) return entry.name;
  return Hex(control_id);
}

FakeRuntime::FakeRuntime() { InstallRuntime(this); }

FakeRuntime::~FakeRuntime() { InstallRuntime(nullptr); }

void FakeRuntime::OnRead(ControlAddress control, Property property, Reply reply) {
  reads_[{control.control, property}] = std::move(reply);
}

void FakeRuntime::OnCommand(Command command, Reply reply) {
  commands_[{command.library, command.number}] = std::move(reply);
}

std::vector<std::string> FakeRuntime::Problems() const {
  std::vector<std::string> problems = faults_;
  for (const Value* value : live_) problems.push_back("never released: " + labels_.at(value));
  return problems;
}

Result FakeRuntime::Hand(const Reply& reply) {
  if (!reply.has_value) return {reply.integer, nullptr};
  Value* value = nullptr;
  switch (reply.kind) {
    case ValueKind::Text: value = Value::NewText(reply.data); break;
    case ValueKind::Bytes: value = Value::NewBytes(reply.data); break;
    case ValueKind::Failure: value = Value::NewFailure(reply.data); break;
  }
  handed_.emplace_back(value);
  labels_[value] = reply.label;
  live_.insert(value);
  return {reply.integer, value};
}

std::string FakeRuntime::Describe(const Value* value) const {
  if (!value) return "null";
  if (value == &EmptyText()) return "empty-text";
  if (value == &EmptyBytes()) return "empty-bytes";
  const auto it = labels_.find(value);
  return it == labels_.end() ? "unknown" : it->second;
}

std::string FakeRuntime::Describe(const Argument& argument) const {
  switch (argument.type) {
    case TypeCode::Omitted: return "omitted";
    case TypeCode::Text: return "text:" + Describe(argument.value);
    case TypeCode::Bytes: return "bytes:" + Describe(argument.value);
    default:
      return "object:" + Hex(argument.object.window) + "/" + ControlName(argument.object.control) + "/" +
             Hex(static_cast<std::uint32_t>(argument.type));
  }
}

Result FakeRuntime::ReadProperty(ControlAddress control, Property property, std::int32_t index) {
  calls_.push_back("read " + ControlName(control.control) + " " + PropertyName(property) + Index(index));
  const auto it = reads_.find({control.control, property});
  return it == reads_.end() ? Result{} : Hand(it->second);
}

void FakeRuntime::WriteProperty(ControlAddress control, Property property, std::int32_t index,
                                std::int32_t integer) {
  calls_.push_back("write " + ControlName(control.control) + " " + PropertyName(property) + " " +
                   std::to_string(integer) + Index(index));
}

void FakeRuntime::WriteProperty(ControlAddress control, Property property, std::int32_t index, const Value* text) {
  if (text && !labels_.count(text) && text != &EmptyText()) faults_.push_back("write of a value not handed out");
  calls_.push_back("write " + ControlName(control.control) + " " + PropertyName(property) + " " + Describe(text) +
                   Index(index));
}

void FakeRuntime::ReleaseValue(Value* value) {
  calls_.push_back("release " + Describe(value));
  if (!value) {
    faults_.push_back("release of null");
  } else if (value == &EmptyText() || value == &EmptyBytes()) {
    faults_.push_back("release of " + Describe(value));
  } else if (!live_.erase(value)) {
    faults_.push_back("second release of " + Describe(value));
  }
}

Result FakeRuntime::RunCommand(Command command, std::span<const Argument> arguments) {
  std::string call = "run " + CommandName(command);
  for (const Argument& argument : arguments) {
    call += " " + Describe(argument);
    if (argument.value && argument.value != &EmptyText() && argument.value != &EmptyBytes() &&
        !live_.count(argument.value))
      faults_.push_back("use after release: " + Describe(argument.value));
  }
  calls_.push_back(call);
  const auto it = commands_.find({command.library, command.number});
  return it == commands_.end() ? Result{} : Hand(it->second);
}

void FakeRuntime::LoadWindow(std::uint32_t window_id) { calls_.push_back("load-window " + Hex(window_id)); }

void FakeRuntime::RunMessageLoop(std::int32_t parameter) {
  calls_.push_back("message-loop " + std::to_string(parameter));
}

void FakeRuntime::ExitProgram(std::int32_t status) { calls_.push_back("exit " + std::to_string(status)); }

}  // namespace corvane::testing
