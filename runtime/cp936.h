#pragma once
// The program's texts are code page 936 bytes, as Windows maps them. A
// character that code page 936 lacks is carried as its GB18030 four-byte
// sequence, so every Unicode text survives the trip to bytes and back.

#include <string>
#include <string_view>

namespace corvane::cp936 {

// Appends the bytes of one code point. A lone surrogate, which no text can
// hold, is written as U+FFFD.
void AppendCodePoint(char32_t cp, std::string& out);

// Decodes the character at `pos` and moves `pos` past it. A byte that starts
// no valid sequence decodes as U+FFFD and is skipped alone.
char32_t DecodeCodePoint(std::string_view bytes, std::size_t& pos);

std::string FromUtf16(std::u16string_view text);
std::u16string ToUtf16(std::string_view bytes);

std::string FromUtf8(std::string_view text);
std::string ToUtf8(std::string_view bytes);

}  // namespace corvane::cp936
