#include "runtime/md5.h"

#include <algorithm>
#include <cstring>

namespace corvane {

namespace {

constexpr std::uint32_t kInit[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};

}  // namespace

Md5::Md5(const Md5Core& core) : blocks_(core.blocks), state_{kInit[0], kInit[1], kInit[2], kInit[3]} {}

void Md5::Blocks(const std::uint8_t* data, std::size_t count) {
  if (count > 0) blocks_(state_.data(), data, count);
}

void Md5::Update(std::span<const std::uint8_t> data) {
  length_ += data.size();
  const std::uint8_t* p = data.data();
  std::size_t left = data.size();
  if (pending_size_ > 0) {
    const std::size_t take = std::min(left, 64 - pending_size_);
    std::memcpy(pending_.data() + pending_size_, p, take);
    pending_size_ += take, p += take, left -= take;
    if (pending_size_ < 64) return;
    Blocks(pending_.data(), 1);
    pending_size_ = 0;
  }
  Blocks(p, left / 64);
  p += left / 64 * 64, left %= 64;
  std::memcpy(pending_.data(), p, left);
  pending_size_ = left;
}

void Md5::Update(std::string_view data) {
  Update(std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
}

Md5Digest Md5::Final() {
  const std::uint64_t bits = length_ * 8;
  std::uint8_t padding[72] = {0x80};
  const std::size_t pad = (pending_size_ < 56 ? 56 : 120) - pending_size_;
  for (int i = 0; i < 8; ++i) padding[pad + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  Update(std::span(padding, pad + 8));
  Md5Digest digest;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<std::uint8_t>(state_[i] >> (8 * j));
  return digest;
}

std::string ToHex(const Md5Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (std::uint8_t byte : digest) out += kDigits[byte >> 4], out += kDigits[byte & 15];
  return out;
}

}  // namespace corvane
