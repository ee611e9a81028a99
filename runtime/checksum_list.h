#pragma once
// Expected digests as people write them down: a bare digest, a line of
// md5sum ("HASH  NAME", "HASH *NAME", with its backslash escapes), a line
// of BSD's format ("MD5 (NAME) = HASH"), and checksum files of such lines
// in UTF-8 or GBK, with LF or CRLF. All of it is untrusted input: parsed
// strictly, anything else is no expectation.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// 32 hexadecimal digits in either case, white space around them ignored:
// the digest in lowercase. Anything else: nullopt.
std::optional<std::string> ParseDigest(std::string_view text);

struct ChecksumLine {
  std::string digest;  // lowercase
  std::string name;    // UTF-8, as listed (escapes undone)
};

// One line of md5sum's or BSD's format (UTF-8, no line end); nullopt when
// it is neither.
std::optional<ChecksumLine> ParseChecksumLine(std::string_view line);

// A checksum file's bytes as UTF-8 lines: UTF-8 when they are valid UTF-8
// (a BOM dropped), GBK otherwise; LF or CRLF.
std::vector<std::string> ChecksumFileLines(std::string_view bytes);

// How a listed name is compared with the file's own.
struct NameMatcher {
  std::string folder;  // the checksum file's folder, UTF-8
  std::string file;    // the digested file's path, UTF-8
  bool fold_case;      // as Windows compares names
  bool Matches(std::string_view listed) const;
};

// The digest a checksum file lists for the file. `alone`: the file is
// NAME.md5, which may hold a bare digest. A name listed twice with
// different digests, or a file that lists no digest for it: nullopt.
std::optional<std::string> DigestListedFor(std::string_view bytes, const NameMatcher& matcher, bool alone);

}  // namespace corvane
