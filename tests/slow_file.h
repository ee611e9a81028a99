#pragma once
// A scripted file for the tests of long digests: `size` bytes of a fixed
// pattern, each read taking `delay`, every read counted.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "runtime/file_source.h"

namespace corvane::testing {

inline std::uint8_t PatternAt(std::uint64_t offset) { return static_cast<std::uint8_t>((offset * 31) >> 2); }

inline std::string PatternBytes(std::uint64_t size) {
  std::string bytes(size, '\0');
  for (std::uint64_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(PatternAt(i));
  return bytes;
}

class SlowFile final : public FileSource {
 public:
  SlowFile(std::uint64_t size, std::chrono::milliseconds delay, std::atomic<int>& reads)
      : size_(size), delay_(delay), reads_(reads) {}
  std::uint64_t size() const override { return size_; }
  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    std::this_thread::sleep_for(delay_);
    ++reads_;
    const std::uint64_t n = std::min<std::uint64_t>(buffer.size(), size_ - std::min(offset, size_));
    for (std::uint64_t i = 0; i < n; ++i) buffer[i] = PatternAt(offset + i);
    return static_cast<std::int64_t>(n);
  }

 private:
  std::uint64_t size_;
  std::chrono::milliseconds delay_;
  std::atomic<int>& reads_;
};

}  // namespace corvane::testing
