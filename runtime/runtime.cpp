#include "runtime/runtime.h"

#include <cassert>

namespace corvane {

namespace {

Runtime* installed = nullptr;
constexpr std::int32_t kIndex = -1;

}  // namespace

Argument Argument::Of(const Value& v) {
  return {v.kind() == ValueKind::Bytes ? TypeCode::Bytes : TypeCode::Text, &v, {}};
}

void InstallRuntime(Runtime* runtime) { installed = runtime; }

Runtime& CurrentRuntime() {
  assert(installed && "no runtime installed");
  return *installed;
}

Result ReadProperty(ControlAddress control, Property property) {
  return CurrentRuntime().ReadProperty(control, property, kIndex);
}

void WriteProperty(ControlAddress control, Property property, std::int32_t integer) {
  CurrentRuntime().WriteProperty(control, property, kIndex, integer);
}

void WriteProperty(ControlAddress control, Property property, const Value* text) {
  CurrentRuntime().WriteProperty(control, property, kIndex, text);
}

void ReleaseValue(Value* value) { CurrentRuntime().ReleaseValue(value); }

Result RunCommand(Command command, std::initializer_list<Argument> arguments) {
  return CurrentRuntime().RunCommand(command, std::span(arguments.begin(), arguments.size()));
}

void LoadWindow(std::uint32_t window_id) { CurrentRuntime().LoadWindow(window_id); }
void RunMessageLoop(std::int32_t parameter) { CurrentRuntime().RunMessageLoop(parameter); }
void ExitProgram(std::int32_t status) { CurrentRuntime().ExitProgram(status); }

void Owned::Release() {
  if (value_) ReleaseValue(value_);
  value_ = nullptr;
}

}  // namespace corvane
