#pragma once
// UTF-8 and UTF-16 to and from code points, for the codec's edges.

#include <string>
#include <string_view>

namespace corvane::unicode {

constexpr char32_t kReplacement = 0xFFFD;

// Each decoder returns the code point at `pos` and moves past it; a broken
// sequence gives U+FFFD for its first unit. A lone surrogate from UTF-16 is
// returned as it stands, for the caller to judge.
char32_t NextFromUtf8(std::string_view text, std::size_t& pos);
char32_t NextFromUtf16(std::u16string_view text, std::size_t& pos);

void AppendUtf8(char32_t cp, std::string& out);
void AppendUtf16(char32_t cp, std::u16string& out);

std::u16string Utf8ToUtf16(std::string_view text);
// A lone surrogate, which no UTF-8 text can hold, becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

constexpr bool IsSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

}  // namespace corvane::unicode
