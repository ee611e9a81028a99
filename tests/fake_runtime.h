#pragma once
// A runtime that records every call the program makes, and every release, in
// order, and hands back scripted replies. It reports a release of null, of
// an empty constant or of a value twice, and any value never released.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "runtime/runtime.h"

namespace corvane::testing {

// What a read or a command hands back. A value carries a label, the name it
// has in the record.
struct Reply {
  std::int32_t integer = 0;
  bool has_value = false;
  ValueKind kind = ValueKind::Text;
  std::string label;
  std::string data;

  static Reply Integer(std::int32_t n) { return {n, false, {}, {}, {}}; }
  static Reply Null() { return {}; }
  static Reply Text(std::string label, std::string data = {}) {
    return {0, true, ValueKind::Text, std::move(label), std::move(data)};
  }
  static Reply Bytes(std::string label, std::string data = {}) {
    return {0, true, ValueKind::Bytes, std::move(label), std::move(data)};
  }
  static Reply Failure(std::string label, std::string data = {}) {
    return {0, true, ValueKind::Failure, std::move(label), std::move(data)};
  }
};

class FakeRuntime final : public Runtime {
 public:
  FakeRuntime();
  ~FakeRuntime() override;

  void OnRead(ControlAddress control, Property property, Reply reply);
  void OnCommand(Command command, Reply reply);

  const std::vector<std::string>& calls() const { return calls_; }
  // Ownership faults seen so far, and every value still held by the program.
  std::vector<std::string> Problems() const;

  Result ReadProperty(ControlAddress control, Property property, std::int32_t index) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, std::int32_t integer) override;
  void WriteProperty(ControlAddress control, Property property, std::int32_t index, const Value* text) override;
  void ReleaseValue(Value* value) override;
  Result RunCommand(Command command, std::span<const Argument> arguments) override;
  void LoadWindow(std::uint32_t window_id) override;
  void RunMessageLoop(std::int32_t parameter) override;
  void ExitProgram(std::int32_t status) override;

 private:
  Result Hand(const Reply& reply);
  std::string Describe(const Value* value) const;
  std::string Describe(const Argument& argument) const;

  std::map<std::pair<std::uint32_t, Property>, Reply> reads_;
  std::map<std::pair<Library, std::uint32_t>, Reply> commands_;
  std::vector<std::string> calls_;
  std::vector<std::string> faults_;
  std::vector<std::unique_ptr<Value>> handed_;  // kept alive so a second release is seen
  std::map<const Value*, std::string> labels_;
  std::set<const Value*> live_;
};

// The record's name of a control of the main window.
std::string ControlName(std::uint32_t control_id);

}  // namespace corvane::testing
