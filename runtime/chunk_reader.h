#pragma once
// Reads a file front to back in large chunks into buffers it reuses. For a
// large file a second thread reads the next chunk while the caller digests
// the current one, so the copy from the page cache hides behind MD5.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace corvane {

class FileSource;

class ChunkReader {
 public:
  struct Chunk {
    std::span<const std::uint8_t> data;  // empty at the end
    bool failed = false;
  };

  explicit ChunkReader(FileSource& file);
  ~ChunkReader();

  // The next chunk; valid until the next call.
  Chunk Next();

 private:
  struct Slot {
    std::vector<std::uint8_t> buffer;
    std::int64_t count = 0;  // bytes read, 0 at the end, -1 on an error
    bool full = false;
  };

  void ReadAhead();
  std::int64_t ReadInto(Slot& slot);

  FileSource& file_;
  std::uint64_t offset_ = 0;
  Slot slots_[2];
  int current_ = 0;   // the slot to hand out next
  int handed_ = -1;   // the slot handed out last, still in the caller's use
  bool ended_ = false;
  // Only for a large file: a reader thread and its hand-over.
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool stopping_ = false;
};

}  // namespace corvane
