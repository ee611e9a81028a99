#pragma once
// Program texts (code page 936) to and from the wide-character API's UTF-16.
// The codec is the program's own, not the system's code page.

#include <string>
#include <string_view>

#include "runtime/cp936.h"

namespace corvane::win32 {

inline std::wstring ToWide(std::string_view cp936) {
  const std::u16string text = cp936::ToUtf16(cp936);
  return std::wstring(text.begin(), text.end());
}

inline std::string FromWide(std::wstring_view text) {
  return cp936::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace corvane::win32
