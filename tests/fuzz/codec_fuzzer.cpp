// Feeds the code page 936 codec arbitrary bytes and arbitrary Unicode.
// Unicode must survive the trip to bytes and back; bytes must decode to a
// text that then encodes to bytes which decode to the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/cp936.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::u16string decoded = corvane::cp936::ToUtf16(bytes);
  if (corvane::cp936::ToUtf16(corvane::cp936::FromUtf16(decoded)) != decoded) std::abort();

  // The same input read as UTF-16 code units, lone surrogates and all.
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  // Pairs survive; a lone surrogate, which no text can hold, becomes U+FFFD.
  std::u16string expected = units;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const bool high = units[i] >= 0xD800 && units[i] <= 0xDBFF;
    const bool low_next = i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    if (high && low_next) {
      ++i;
    } else if (units[i] >= 0xD800 && units[i] <= 0xDFFF) {
      expected[i] = u'\uFFFD';
    }
  }
  if (corvane::cp936::ToUtf16(corvane::cp936::FromUtf16(units)) != expected) std::abort();

  const std::string utf8 = corvane::cp936::ToUtf8(bytes);
  if (corvane::cp936::ToUtf8(corvane::cp936::FromUtf8(utf8)) != utf8) std::abort();
  return 0;
}
