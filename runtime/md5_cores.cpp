// The scalar core built twice: for any x86-64, and with BMI1, whose andn
// does G's ~d & c in one instruction. The best core is picked once.

#include <bit>
#include <cstring>

#include "runtime/md5_block.h"

namespace corvane {

#define MD5_SCALAR_NAME Md5BlocksScalar
#define MD5_SCALAR_ATTRIBUTES
#include "runtime/md5_scalar.inc"
#undef MD5_SCALAR_NAME
#undef MD5_SCALAR_ATTRIBUTES

#if defined(__x86_64__) || defined(__i386__)
#define MD5_SCALAR_NAME Md5BlocksScalarBmi
#define MD5_SCALAR_ATTRIBUTES __attribute__((target("bmi")))
#include "runtime/md5_scalar.inc"
#undef MD5_SCALAR_NAME
#undef MD5_SCALAR_ATTRIBUTES
#endif

namespace {

bool Always() { return true; }
#if defined(__x86_64__) || defined(__i386__)
bool HasBmi() { return __builtin_cpu_supports("bmi"); }
#endif

constexpr Md5Core kCores[] = {
    {"reference", Md5BlocksReference, Always},
    {"scalar", Md5BlocksScalar, Always},
#if defined(__x86_64__) || defined(__i386__)
    {"scalar-bmi", Md5BlocksScalarBmi, HasBmi},
#endif
};

}  // namespace

std::span<const Md5Core> Md5Cores() { return kCores; }

const Md5Core& BestMd5Core() {
  // The last core that runs here is the fastest: they are listed slowest first.
  static const Md5Core& best = [] () -> const Md5Core& {
    for (auto it = std::rbegin(kCores); it != std::rend(kCores); ++it)
      if (it->supported()) return *it;
    return kCores[0];
  }();
  return best;
}

}  // namespace corvane
