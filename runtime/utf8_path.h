#pragma once
// Paths to and from UTF-8, the same on every system (a std::string path
// would be read in the system's code page on Windows), and ASCII case.

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

inline std::filesystem::path PathOf(std::string_view utf8) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

// `text`: a path's u8string() (as the system writes it) or generic_u8string().
inline std::string Utf8Of(const std::u8string& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

inline std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

}  // namespace corvane
