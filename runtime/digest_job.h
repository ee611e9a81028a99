#pragma once
// A digest taken a chunk at a time, so that a long one can show how far it
// has come and can be stopped between chunks.

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/md5.h"
#include "runtime/value.h"

namespace corvane {

class ChunkReader;

class DigestJob {
 public:
  // `bytes` must outlive the job.
  explicit DigestJob(const Value& bytes);
  ~DigestJob();

  bool Done() const { return done_; }
  // Digests the next chunk.
  void Step();
  // The bytes digested so far, and how many the input said it holds (for a
  // file, what the system said: the file may hold more or fewer).
  std::uint64_t done_bytes() const { return done_bytes_; }
  std::uint64_t expected_bytes() const { return total_; }
  // The digest as 32 lowercase hexadecimal digits, or a failure; once done.
  Value* Finish();

 private:
  void StepFile();

  const Value& bytes_;
  Md5 md5_;
  std::unique_ptr<ChunkReader> reader_;
  std::uint64_t total_ = 0;
  std::uint64_t done_bytes_ = 0;
  const char* failure_ = nullptr;  // UTF-8
  bool done_ = false;
};

}  // namespace corvane
