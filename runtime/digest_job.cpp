#include "runtime/digest_job.h"

#include <algorithm>

#include "runtime/chunk_reader.h"
#include "runtime/cp936.h"
#include "runtime/file_source.h"
#include "runtime/messages.h"

namespace corvane {

namespace {

// Text in memory is digested in pieces of this size, so that even a huge
// paste shows progress and can be stopped.
constexpr std::size_t kMemoryChunk = 4 << 20;

}  // namespace

DigestJob::DigestJob(const Value& bytes) : bytes_(bytes) {
  if (FileSource* file = bytes.file()) {
    total_ = file->size();
    reader_ = std::make_unique<ChunkReader>(*file);
  } else {
    total_ = bytes.data().size();
  }
}

DigestJob::~DigestJob() = default;

void DigestJob::Step() {
  if (done_) return;
  if (reader_) {
    StepFile();
    return;
  }
  const std::size_t take = std::min<std::size_t>(kMemoryChunk, total_ - done_bytes_);
  md5_.Update(std::string_view(bytes_.data()).substr(done_bytes_, take));
  done_bytes_ += take;
  done_ = done_bytes_ == total_;
}

// A file is read to its end, whatever its size said. Its digest is honest
// only if the system still says of it at the end what it said at the open:
// a file rewritten, grown or cut short meanwhile has none.
void DigestJob::StepFile() {
  const ChunkReader::Chunk chunk = reader_->Next();
  if (chunk.failed) {
    failure_ = messages::kReadError, done_ = true;
  } else if (chunk.data.empty()) {
    if (!bytes_.file()->Unchanged()) failure_ = messages::kChangedWhileRead;
    done_ = true;
  } else {
    md5_.Update(chunk.data);
    done_bytes_ += chunk.data.size();
  }
}

Value* DigestJob::Finish() {
  if (failure_) return Value::NewFailure(cp936::FromUtf8(failure_));
  return Value::NewText(ToHex(md5_.Final()));
}

}  // namespace corvane
