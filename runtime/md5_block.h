#pragma once
// The MD5 compression function in its several implementations (cores), one
// of which is chosen once, at start, from what the processor reports.

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// Compresses `count` 64-byte blocks into `state`.
using Md5BlockFunction = void (*)(std::uint32_t state[4], const std::uint8_t* blocks, std::size_t count);

struct Md5Core {
  const char* name;
  Md5BlockFunction blocks;
  bool (*supported)();  // whether this processor can run it
};

// Every core built in, the portable reference first.
std::span<const Md5Core> Md5Cores();
// The fastest core this processor can run.
const Md5Core& BestMd5Core();

void Md5BlocksReference(std::uint32_t state[4], const std::uint8_t* blocks, std::size_t count);
void Md5BlocksScalar(std::uint32_t state[4], const std::uint8_t* blocks, std::size_t count);
#if defined(__x86_64__) || defined(__i386__)
void Md5BlocksScalarBmi(std::uint32_t state[4], const std::uint8_t* blocks, std::size_t count);
#endif

}  // namespace corvane
