#include "runtime/long_digest.h"

#include <chrono>

#include "runtime/cp936.h"
#include "runtime/digest_job.h"
#include "runtime/messages.h"

namespace corvane {

namespace {

using Clock = std::chrono::steady_clock;

// A digest that ends within this time shows nothing and lets nothing through.
constexpr auto kQuiet = std::chrono::milliseconds(100);
constexpr auto kRepaint = std::chrono::milliseconds(40);

}  // namespace

std::string ProgressText(double fraction) {
  return messages::kInProgress + std::to_string(static_cast<int>(fraction * 100)) + "%";
}

Value* DigestWithPump(const Value& bytes, DigestPump& pump) {
  DigestJob job(bytes);
  const Clock::time_point start = Clock::now();
  while (!job.Done() && Clock::now() - start < kQuiet) job.Step();
  if (job.Done()) return job.Finish();

  pump.Begin();
  pump.ShowProgress(job.Fraction());
  bool going = pump.RunEvents();
  Clock::time_point painted = Clock::now();
  while (going && !job.Done()) {
    job.Step();
    if (Clock::now() - painted < kRepaint) continue;
    pump.ShowProgress(job.Fraction());
    going = pump.RunEvents();
    painted = Clock::now();
  }
  if (!going) return Value::NewFailure(cp936::FromUtf8(messages::kCancelled));
  return job.Finish();
}

}  // namespace corvane
