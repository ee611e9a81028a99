// The program's codec against the system's own code page 936.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/cp936.h"

namespace corvane {
namespace {

TEST(CodePage936, DecodesEveryCodeAsTheSystemDoes) {
  int compared = 0;
  for (int lead = 0x80; lead <= 0xFE; ++lead) {
    for (int trail = lead == 0x80 ? -1 : 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      std::string code(1, static_cast<char>(lead));
      if (trail >= 0) code += static_cast<char>(trail);
      wchar_t system[4];
      const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, code.data(), static_cast<int>(code.size()), system, 4);
      if (n != 1) continue;
      ASSERT_EQ(static_cast<char16_t>(system[0]), cp936::ToUtf16(code)[0]) << std::hex << lead << ' ' << trail;
      ++compared;
    }
  }
  EXPECT_GT(compared, 21000);
}

TEST(CodePage936, EncodesEveryCharacterTheSystemHasAsTheSystemDoes) {
  int compared = 0;
  for (wchar_t c = 0x80; c < 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    char system[8];
    BOOL defaulted = FALSE;
    const int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &c, 1, system, sizeof system, nullptr, &defaulted);
    if (n <= 0 || defaulted) continue;
    ASSERT_EQ(std::string(system, n), cp936::FromUtf16(std::u16string(1, static_cast<char16_t>(c))))
        << std::hex << static_cast<int>(c);
    ++compared;
  }
  EXPECT_GT(compared, 21000);
}

}  // namespace
}  // namespace corvane
