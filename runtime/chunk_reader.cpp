#include "runtime/chunk_reader.h"

#include "runtime/file_source.h"

namespace corvane {

namespace {

constexpr std::size_t kChunk = 1 << 20;
// Below this a file is read in turn with digesting: a second thread would
// cost more than it saves, and a small file stays instant.
constexpr std::uint64_t kReadAheadFrom = 16 << 20;

}  // namespace

ChunkReader::ChunkReader(FileSource& file) : file_(file) {
  slots_[0].buffer.resize(kChunk);
  if (file.size() >= kReadAheadFrom) {
    slots_[1].buffer.resize(kChunk);
    thread_ = std::thread([this] { ReadAhead(); });
  }
}

ChunkReader::~ChunkReader() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

std::int64_t ChunkReader::ReadInto(Slot& slot) {
  const std::int64_t n = file_.Read(offset_, slot.buffer);
  if (n > 0) offset_ += static_cast<std::uint64_t>(n);
  return n;
}

// The reader thread fills the slots in turn, each as soon as it is free.
void ChunkReader::ReadAhead() {
  for (int next = 0;; next ^= 1) {
    Slot& slot = slots_[next];
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return stopping_ || !slot.full; });
      if (stopping_) return;
    }
    const std::int64_t n = ReadInto(slot);
    {
      std::lock_guard lock(mutex_);
      slot.count = n;
      slot.full = true;
    }
    changed_.notify_all();
    if (n <= 0) return;
  }
}

ChunkReader::Chunk ChunkReader::Next() {
  if (!thread_.joinable()) {
    const std::int64_t n = ReadInto(slots_[0]);
    return {std::span<const std::uint8_t>(slots_[0].buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0), n < 0};
  }
  if (ended_) return {};
  std::unique_lock lock(mutex_);
  // The chunk handed out last time is done with: its slot may be filled again.
  if (handed_ >= 0) {
    slots_[handed_].full = false;
    changed_.notify_all();
  }
  Slot& slot = slots_[current_];
  changed_.wait(lock, [&] { return slot.full; });
  handed_ = current_;
  current_ ^= 1;
  const std::int64_t n = slot.count;
  ended_ = n <= 0;
  return {std::span<const std::uint8_t>(slot.buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0), n < 0};
}

}  // namespace corvane
