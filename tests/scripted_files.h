#pragma once
// Scripted files for the tests: a slow one for long digests, and small ones
// that misreport their size, fail, or change while they are read.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
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

// `size` bytes of a fixed pattern, each read taking `delay`, every read
// counted; the system may say it holds `said_size` instead.
class SlowFile final : public FileSource {
 public:
  SlowFile(std::uint64_t size, std::chrono::milliseconds delay, std::atomic<int>& reads)
      : SlowFile(size, delay, reads, size) {}
  SlowFile(std::uint64_t size, std::chrono::milliseconds delay, std::atomic<int>& reads, std::uint64_t said_size)
      : size_(size), said_size_(said_size), delay_(delay), reads_(reads) {}
  std::uint64_t size() const override { return said_size_; }
  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    std::this_thread::sleep_for(delay_);
    ++reads_;
    const std::uint64_t n = std::min<std::uint64_t>(buffer.size(), size_ - std::min(offset, size_));
    for (std::uint64_t i = 0; i < n; ++i) buffer[i] = PatternAt(offset + i);
    return static_cast<std::int64_t>(n);
  }
  bool Unchanged() const override { return true; }

 private:
  std::uint64_t size_;
  std::uint64_t said_size_;
  std::chrono::milliseconds delay_;
  std::atomic<int>& reads_;
};

// What happens to a scripted file after its first read.
enum class Change { None, RewriteInPlace, Append, Truncate, ReadError };

// `content` in memory, with the size the "system" gives for it (which may
// be wrong, as for /proc and /sys), and a change after the first read.
class ScriptedFile final : public FileSource {
 public:
  ScriptedFile(std::string content, std::uint64_t said_size, Change change = Change::None)
      : content_(std::move(content)), said_size_(said_size), change_(change) {}
  std::uint64_t size() const override { return said_size_; }
  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    if (reads_++ == 1 && !Apply()) return -1;
    const std::uint64_t n = std::min<std::uint64_t>(buffer.size(), content_.size() - std::min(offset, content_.size()));
    std::memcpy(buffer.data(), content_.data() + offset, n);
    return static_cast<std::int64_t>(n);
  }
  bool Unchanged() const override { return !changed_; }

 private:
  // Changes the file as another program would; false for an error of the device.
  bool Apply() {
    switch (change_) {
      case Change::None: return true;
      case Change::RewriteInPlace: std::fill(content_.begin(), content_.end(), 'w'); break;
      case Change::Append: content_ += "appended"; break;
      case Change::Truncate: content_.resize(content_.size() / 2); break;
      case Change::ReadError: return false;
    }
    changed_ = true;
    return true;
  }

  std::string content_;
  std::uint64_t said_size_;
  Change change_;
  int reads_ = 0;
  bool changed_ = false;
};

}  // namespace corvane::testing
