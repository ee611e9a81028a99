#include "runtime/checksum_list.h"

#include <algorithm>
#include <filesystem>

#include "runtime/cp936.h"
#include "runtime/unicode.h"
#include "runtime/utf8_path.h"

namespace corvane {

namespace {

constexpr std::string_view kSpace = " \t\r\n\f\v";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

bool IsHexDigest(std::string_view text) {
  return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
         });
}

// md5sum's escapes of a name that holds a backslash or a line break.
std::optional<std::string> Unescape(std::string_view name) {
  std::string plain;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] != '\\') {
      plain += name[i];
      continue;
    }
    if (++i == name.size()) return std::nullopt;
    switch (name[i]) {
      case '\\': plain += '\\'; break;
      case 'n': plain += '\n'; break;
      case 'r': plain += '\r'; break;
      default: return std::nullopt;
    }
  }
  return plain;
}

std::optional<ChecksumLine> Line(std::string_view digest, std::string_view name, bool escaped) {
  if (!IsHexDigest(digest) || name.empty()) return std::nullopt;
  std::optional<std::string> plain = escaped ? Unescape(name) : std::optional<std::string>(name);
  if (!plain) return std::nullopt;
  return ChecksumLine{LowerAscii(digest), std::move(*plain)};
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t start = pos;
    const char32_t cp = unicode::NextFromUtf8(bytes, pos);
    // U+FFFD that the bytes did not spell out is a broken sequence.
    if (cp == unicode::kReplacement && bytes.substr(start, 3) != "\xEF\xBF\xBD") return false;
  }
  return true;
}

std::string GenericUtf8(const std::filesystem::path& path) { return Utf8Of(path.generic_u8string()); }

std::string Folded(std::string_view utf8, bool fold_case) {
  if (!fold_case) return std::string(utf8);
  std::u16string wide = unicode::Utf8ToUtf16(utf8);
  for (char16_t& c : wide) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
  return unicode::Utf16ToUtf8(wide);
}

}  // namespace

std::optional<std::string> ParseDigest(std::string_view text) {
  const std::string_view digest = Trim(text);
  if (!IsHexDigest(digest)) return std::nullopt;
  return LowerAscii(digest);
}

std::optional<ChecksumLine> ParseChecksumLine(std::string_view line) {
  const bool escaped = !line.empty() && line.front() == '\\';
  if (escaped) line.remove_prefix(1);
  // BSD: MD5 (NAME) = HASH
  if (line.substr(0, 5) == "MD5 (") {
    const std::size_t close = line.rfind(") = ");
    if (close == std::string_view::npos || close < 5) return std::nullopt;
    return Line(line.substr(close + 4), line.substr(5, close - 5), escaped);
  }
  // md5sum: HASH, then two spaces (text) or a space and a star (binary), then NAME.
  if (line.size() < 35 || line[32] != ' ' || (line[33] != ' ' && line[33] != '*')) return std::nullopt;
  return Line(line.substr(0, 32), line.substr(34), escaped);
}

std::vector<std::string> ChecksumFileLines(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const std::string text = IsUtf8(bytes) ? std::string(bytes) : cp936::ToUtf8(bytes);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

// A listed name resolves against the checksum file's folder ("./NAME",
// "sub/../NAME" and a plain NAME all name the file beside it).
bool NameMatcher::Matches(std::string_view listed) const {
  std::string name(listed);
  if (fold_case) std::replace(name.begin(), name.end(), '\\', '/');
  const std::string resolved = GenericUtf8((PathOf(folder) / PathOf(name)).lexically_normal());
  return Folded(resolved, fold_case) == Folded(GenericUtf8(PathOf(file).lexically_normal()), fold_case);
}

std::optional<std::string> DigestListedFor(std::string_view bytes, const NameMatcher& matcher, bool alone) {
  const std::vector<std::string> lines = ChecksumFileLines(bytes);
  std::optional<std::string> found;
  std::size_t content_lines = 0;
  for (const std::string& line : lines) {
    if (Trim(line).empty()) continue;
    ++content_lines;
    const std::optional<ChecksumLine> entry = ParseChecksumLine(line);
    if (!entry || !matcher.Matches(entry->name)) continue;
    if (found && *found != entry->digest) return std::nullopt;  // listed twice, differently: no saying which
    found = entry->digest;
  }
  if (!found && alone && content_lines == 1) {
    for (const std::string& line : lines)
      if (!Trim(line).empty()) return ParseDigest(line);
  }
  return found;
}

}  // namespace corvane
