#pragma once
// The checksum file beside a digested file that lists it: NAME.md5 or
// NAME.md5sum, else the folder's MD5SUMS, MD5SUMS.txt, md5sum.txt or
// md5sums.txt (names matched without regard to case). Files over 16 MiB
// are not read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::uint64_t kChecksumFileLimit = 16 << 20;

struct ListedDigest {
  std::string digest;     // lowercase
  std::string list_path;  // UTF-8: the checksum file that lists it
};

// `utf8_path`: the digested file. Names compare as the system compares
// them: exactly on Linux, without regard to case on Windows.
std::optional<ListedDigest> FindListedDigest(std::string_view utf8_path);

}  // namespace corvane
