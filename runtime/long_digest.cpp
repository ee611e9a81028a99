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

std::string ProgressText(std::uint64_t done, std::uint64_t expected) {
  if (expected == 0 || done > expected) return messages::kInProgressRead + std::to_string(done >> 20) + " MiB";
  return messages::kInProgress + std::to_string(done * 100 / expected) + "%";
}

Value* DigestWithPump(const Value& bytes, DigestPump& pump, std::uint64_t* digested) {
  DigestJob job(bytes);
  const Clock::time_point start = Clock::now();
  while (!job.Done() && Clock::now() - start < kQuiet) job.Step();
  if (digested) *digested = job.done_bytes();
  if (job.Done()) return job.Finish();

  pump.Begin();
  pump.ShowProgress(ProgressText(job.done_bytes(), job.expected_bytes()));
  bool going = pump.RunEvents();
  Clock::time_point painted = Clock::now();
  while (going && !job.Done()) {
    job.Step();
    if (Clock::now() - painted < kRepaint) continue;
    pump.ShowProgress(ProgressText(job.done_bytes(), job.expected_bytes()));
    going = pump.RunEvents();
    painted = Clock::now();
  }
  if (!going) return Value::NewFailure(cp936::FromUtf8(messages::kCancelled));
  if (digested) *digested = job.done_bytes();
  return job.Finish();
}

}  // namespace corvane
