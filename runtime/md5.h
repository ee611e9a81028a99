#pragma once
// MD5 (RFC 1321), streaming: feed any split of the input, then take the digest.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/md5_block.h"

namespace corvane {

using Md5Digest = std::array<std::uint8_t, 16>;

class Md5 {
 public:
  // The fastest core this processor runs, unless a test names one.
  explicit Md5(const Md5Core& core = BestMd5Core());
  void Update(std::span<const std::uint8_t> data);
  void Update(std::string_view data);
  // Pads the message and returns its digest; the object is then spent.
  Md5Digest Final();

 private:
  void Blocks(const std::uint8_t* data, std::size_t count);

  Md5BlockFunction blocks_;
  std::array<std::uint32_t, 4> state_;
  std::array<std::uint8_t, 64> pending_{};
  std::size_t pending_size_ = 0;
  std::uint64_t length_ = 0;  // bytes fed so far; the message length is kept mod 2^64 bits
};

// Lowercase hexadecimal, as md5sum prints it.
std::string ToHex(const Md5Digest& digest);

}  // namespace corvane
