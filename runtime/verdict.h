#pragma once
// What a shown digest is of, and whether it agrees with the digest the user
// expects: the words of the result box's tooltip, and its mark.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/adapter.h"

namespace corvane {

// What was digested: a text (code page 936) or a file (its path).
struct Subject {
  bool file = false;
  std::string cp936;
  std::uint64_t bytes = 0;  // digested
};

enum class Source { Typed, ChecksumFile, Clipboard };

struct Expectation {
  std::string digest;  // lowercase
  Source source;
  std::string list_path;  // UTF-8, for a checksum file
};

struct Verdict {
  Mark mark = Mark::None;
  std::string description;  // UTF-8
};

// "文件 PATH（N 字节）的 MD5 摘要" or "文字“TEXT”（N 个 GBK 字节）的 MD5 摘要".
std::string DescribeSubject(const Subject& subject);

// The subject, then what it was compared with and, on a mismatch, the
// expected digest; for a text whose UTF-8 (or UTF-16LE) bytes give the
// expected digest, that too.
Verdict Judge(std::string_view digest, const Subject& subject, const std::optional<Expectation>& expected);

}  // namespace corvane
