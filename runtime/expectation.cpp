#include "runtime/expectation.h"


#include "runtime/checksum_list.h"
#include "runtime/checksum_lookup.h"
#include "runtime/cp936.h"
#include "runtime/unicode.h"

namespace corvane {

namespace {

// A digest, or one md5sum line, is far shorter: a longer clipboard is not read.
constexpr std::size_t kClipboardLimit = 64 << 10;


std::string FileNameOf(const std::string& utf8_path) {
  const std::size_t slash = utf8_path.find_last_of("/\\");
  return slash == std::string::npos ? utf8_path : utf8_path.substr(slash + 1);
}

// One digest, or for a file one md5sum (or BSD) line that names it.
std::optional<std::string> FromClipboard(const std::string& text, const Subject& subject) {
  if (auto digest = ParseDigest(text)) return digest;
  if (!subject.file) return std::nullopt;
  const std::vector<std::string> lines = ChecksumFileLines(text);
  std::size_t used = 0;
  std::optional<ChecksumLine> entry;
  for (const std::string& line : lines) {
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (++used > 1) return std::nullopt;
    entry = ParseChecksumLine(line);
  }
  const std::string own = FileNameOf(cp936::ToUtf8(subject.cp936));
  if (!entry || FileNameOf(entry->name) != own) return std::nullopt;
  return entry->digest;
}

}  // namespace

std::optional<Expectation> FindExpectation(const Subject& subject, const ExpectationInputs& inputs) {
  if (inputs.typed) {
    if (auto digest = ParseDigest(unicode::Utf16ToUtf8(*inputs.typed))) return Expectation{*digest, Source::Typed, {}};
  }
  if (subject.file) {
    if (auto listed = FindListedDigest(cp936::ToUtf8(subject.cp936)))
      return Expectation{listed->digest, Source::ChecksumFile, listed->list_path};
  }
  if (inputs.clipboard && inputs.clipboard->size() <= kClipboardLimit) {
    if (auto digest = FromClipboard(unicode::Utf16ToUtf8(*inputs.clipboard), subject))
      return Expectation{*digest, Source::Clipboard, {}};
  }
  return std::nullopt;
}

}  // namespace corvane
