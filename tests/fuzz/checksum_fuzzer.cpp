// Feeds the checksum-file parser arbitrary bytes, as a checksum file, a line
// and a clipboard text. Whatever it finds must be a digest in lowercase
// hexadecimal; it must never crash, hang or read out of bounds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/checksum_list.h"

namespace {

void ExpectDigest(const std::optional<std::string>& digest) {
  if (!digest) return;
  if (digest->size() != 32) std::abort();
  for (char c : *digest)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  using corvane::NameMatcher;
  for (const bool fold_case : {false, true}) {
    const NameMatcher matcher{"/data", "/data/file.iso", fold_case};
    ExpectDigest(corvane::DigestListedFor(bytes, matcher, true));
    ExpectDigest(corvane::DigestListedFor(bytes, matcher, false));
  }
  for (const std::string& line : corvane::ChecksumFileLines(bytes)) {
    if (line.find('\n') != std::string::npos) std::abort();
    if (const auto entry = corvane::ParseChecksumLine(line)) ExpectDigest(entry->digest);
  }
  ExpectDigest(corvane::ParseDigest(bytes));
  return 0;
}
