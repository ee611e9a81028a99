#pragma once
// A digest that must not freeze its window. One that ends within a moment
// shows nothing; a longer one reports its progress and lets the binding run
// its window's events between chunks, until the binding says to stop.

#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace corvane {

class DigestPump {
 public:
  virtual ~DigestPump() = default;
  // Called once, when the digest turns out to take long.
  virtual void Begin() {}
  // Shows how far the digest has come, in the text of ProgressText.
  virtual void ShowProgress(const std::string& utf8_text) = 0;
  // Runs the window's pending events; false when the user stopped the digest.
  virtual bool RunEvents() = 0;
};

// What the window shows meanwhile, in UTF-8: "正在计算…42%"; where the
// expected size is known to be wrong (0, or passed), the amount read:
// "正在计算…已读取 12 MiB".
std::string ProgressText(std::uint64_t done, std::uint64_t expected);

// The digest text, a failure, or the failure that says it was cancelled.
// `digested`, when given, receives the number of bytes digested.
Value* DigestWithPump(const Value& bytes, DigestPump& pump, std::uint64_t* digested = nullptr);

}  // namespace corvane
