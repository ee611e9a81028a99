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

double DigestJob::Fraction() const {
  return total_ == 0 ? 1.0 : static_cast<double>(done_bytes_) / static_cast<double>(total_);
}

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

// The file must end where its size said it would: a file cut short or grown
// while it is read has no honest digest.
void DigestJob::StepFile() {
  const ChunkReader::Chunk chunk = reader_->Next();
  if (chunk.failed) {
    failure_ = messages::kReadError, done_ = true;
  } else if (chunk.data.empty()) {
    if (done_bytes_ != total_) failure_ = messages::kChangedWhileRead;
    done_ = true;
  } else if (done_bytes_ + chunk.data.size() > total_) {
    failure_ = messages::kChangedWhileRead, done_ = true;
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
