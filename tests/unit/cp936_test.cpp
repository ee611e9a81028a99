#include "runtime/cp936.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <random>

#include "runtime/unicode.h"

namespace corvane {
namespace {

// glibc's CP936 converter, the independent oracle where it knows a character.
class GlibcCp936 {
 public:
  GlibcCp936()
      : to_bytes_(iconv_open("CP936", "UTF-32LE")), to_unicode_(iconv_open("UTF-32LE", "CP936")) {}
  ~GlibcCp936() {
    iconv_close(to_bytes_);
    iconv_close(to_unicode_);
  }
  std::optional<std::string> Encode(char32_t cp) {
    char in[4] = {static_cast<char>(cp), static_cast<char>(cp >> 8), static_cast<char>(cp >> 16), 0};
    return Convert(to_bytes_, std::string(in, 4));
  }
  std::optional<char32_t> Decode(const std::string& bytes) {
    const auto out = Convert(to_unicode_, bytes);
    if (!out || out->size() != 4) return std::nullopt;
    const auto* u = reinterpret_cast<const unsigned char*>(out->data());
    return char32_t{u[0]} | char32_t{u[1]} << 8 | char32_t{u[2]} << 16;
  }

 private:
  static std::optional<std::string> Convert(iconv_t cd, std::string in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* in_ptr = in.data();
    char* out_ptr = out;
    std::size_t in_left = in.size(), out_left = sizeof out;
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1) || in_left) return {};
    return std::string(out, out_ptr);
  }
  iconv_t to_bytes_;
  iconv_t to_unicode_;
};

std::string Encode(char32_t cp) {
  std::string out;
  cp936::AppendCodePoint(cp, out);
  return out;
}

std::u32string DecodeAll(std::string_view bytes) {
  std::u32string out;
  for (std::size_t pos = 0; pos < bytes.size();) out += cp936::DecodeCodePoint(bytes, pos);
  return out;
}

TEST(Cp936, EncodesAsWindowsCodePage936) {
  struct Case {
    const char* utf8;
    std::string bytes;
  } cases[] = {
      {"abc", "abc"},
      {"计算", "\xBC\xC6\xCB\xE3"},
      {"€", "\x80"},
      {"\xEF\xA3\xB5", "\xFF"},         // U+F8F5, code page 936's byte FF
      {"\xEE\x9D\xAC", "\xA2\xE3"},     // U+E76C: the euro sign's GB18030 code
      {"\xEE\x9F\x88", "\xA8\xBF"},     // U+E7C8, private-use in code page 936
      {"ǹ", "\x83\x36\xC8\x30"},        // U+01F9, which GB18030 has at A8BF
      {"结果：", "\xBD\xE1\xB9\xFB\xA3\xBA"},
      {"·", "\xA1\xA4"},
      {"\xEE\x80\x80", "\xAA\xA1"},  // U+E000, the first user-defined code
      {"😀", "\x94\x39\xFC\x36"},    // U+1F600, as GB18030 four bytes
      {"\xC2\x80", "\x81\x30\x81\x30"},  // U+0080, the first four-byte code
      {"한", "\x83\x36\x84\x33"},  // Hangul, which code page 936 lacks
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cp936::FromUtf8(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(cp936::ToUtf8(c.bytes), c.utf8) << c.utf8;
  }
}

TEST(Cp936, EveryBmpCodePointRoundTripsAndAgreesWithGlibc) {
  GlibcCp936 glibc;
  int compared = 0;
  for (char32_t cp = 0; cp < 0x10000; ++cp) {
    if (unicode::IsSurrogate(cp)) continue;
    const std::string bytes = Encode(cp);
    ASSERT_TRUE(DecodeAll(bytes) == std::u32string(1, cp)) << std::hex << "U+" << std::uint32_t{cp};
    if (const auto expected = glibc.Encode(cp)) {
      ASSERT_EQ(bytes, *expected) << std::hex << "U+" << std::uint32_t{cp};
      ++compared;
    } else {
      // What code page 936 lacks goes as GB18030 four bytes; glibc leaves
      // out the private-use codes (two bytes) and U+F8F5 (the byte FF).
      const bool private_use = cp >= 0xE000 && cp <= 0xF8FF;
      ASSERT_TRUE(bytes.size() == 4 || (private_use && bytes.size() <= 2)) << std::hex << "U+" << std::uint32_t{cp};
    }
  }
  EXPECT_GT(compared, 21000);
}

TEST(Cp936, DecodesEveryDoubleByteCodeAsGlibcDoesWhereGlibcKnowsIt) {
  GlibcCp936 glibc;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u32string ours = DecodeAll(code);
      ASSERT_EQ(ours.size(), 1u);
      ASSERT_NE(std::uint32_t{ours[0]}, std::uint32_t{unicode::kReplacement}) << std::hex << lead << trail;
      if (const auto expected = glibc.Decode(code)) {
        ASSERT_EQ(std::uint32_t{ours[0]}, std::uint32_t{*expected}) << std::hex << lead << trail;
      }
    }
  }
}

TEST(Cp936, SupplementaryPlanesRoundTrip) {
  std::mt19937 random(936);
  for (int i = 0; i < 20000; ++i) {
    const char32_t cp = 0x10000 + random() % 0x100000;
    const std::string bytes = Encode(cp);
    ASSERT_EQ(bytes.size(), 4u);
    ASSERT_TRUE(DecodeAll(bytes) == std::u32string(1, cp)) << std::hex << "U+" << std::uint32_t{cp};
  }
  EXPECT_EQ(Encode(0x10FFFF), "\xE3\x32\x9A\x35");
}

TEST(Cp936, ABrokenSequenceDecodesAsOneReplacementPerByte) {
  struct Case {
    std::string bytes;
    std::u32string expected;
  } cases[] = {
      {"\x81", U"\uFFFD"},                       // a lead byte at the end
      {"\x81 ", U"\uFFFD "},  // a lead byte before a space
      {"\x81\x30\x81", U"\uFFFD0\uFFFD"},        // a four-byte code cut short
      {"\x84\x31\xA5\x30", U"\uFFFD"},           // past the last BMP four-byte code
      {"\xE3\x32\x9A\x36", U"\uFFFD"},           // past U+10FFFF
  };
  for (const Case& c : cases) EXPECT_TRUE(DecodeAll(c.bytes) == c.expected) << c.bytes;
}

TEST(Cp936, UnicodeTextsSurviveTheTripToBytesAndBack) {
  const std::u16string texts[] = {u"", u"abc  ", u"计算 € 한 😀 \u0080\uFFFD", u"\r\n\t"};
  for (const std::u16string& text : texts) EXPECT_EQ(cp936::ToUtf16(cp936::FromUtf16(text)), text);
  // A lone surrogate, which no text can hold, becomes U+FFFD.
  EXPECT_EQ(cp936::ToUtf16(cp936::FromUtf16(u"a\xD800z")), u"a\uFFFDz");
}

}  // namespace
}  // namespace corvane
