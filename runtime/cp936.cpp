#include "runtime/cp936.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <memory>

#include "runtime/unicode.h"

namespace corvane::cp936 {

namespace {

#include "runtime/cp936_tables.inc"

// Code page 936's two single bytes beyond ASCII.
constexpr char32_t kEuro = 0x20AC;
constexpr unsigned char kEuroByte = 0x80;
constexpr char32_t kPrivateFF = 0xF8F5;
constexpr unsigned char kByteFF = 0xFF;
constexpr std::uint32_t kSupplementaryBase = 189000;  // index of 90 30 81 30

bool IsLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
bool IsDigit(unsigned char b) { return b >= 0x30 && b <= 0x39; }

int TrailIndex(unsigned char b) { return b < 0x7F ? b - 0x40 : b - 0x41; }

// Code point to double-byte code (lead << 8 | trail), 0 where there is none.
const std::array<std::uint16_t, 0x10000>& DoubleByteCodes() {
  static const auto codes = [] {
    auto table = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    table->fill(0);
    for (int i = 0; i < 126 * 190; ++i) {
      const int lead = 0x81 + i / 190;
      const int slot = i % 190;
      const int trail = slot < 63 ? 0x40 + slot : 0x41 + slot;
      auto& code = (*table)[kDoubleByte[i]];
      if (code == 0) code = static_cast<std::uint16_t>(lead << 8 | trail);
    }
    return table;
  }();
  return *codes;
}

void AppendFourByte(std::uint32_t index, std::string& out) {
  const char b4 = static_cast<char>(0x30 + index % 10);
  index /= 10;
  const char b3 = static_cast<char>(0x81 + index % 126);
  index /= 126;
  const char b2 = static_cast<char>(0x30 + index % 10);
  const char b1 = static_cast<char>(0x81 + index / 10);
  out += b1, out += b2, out += b3, out += b4;
}

// The four-byte index of a BMP character outside the double-byte table.
std::uint32_t FourByteIndexOfBmp(char32_t cp) {
  const auto* run = std::upper_bound(std::begin(kFourByteRunsByCodePoint), std::end(kFourByteRunsByCodePoint), cp,
                                     [](char32_t c, const FourByteRun& r) { return c < r.first; });
  // Every such character lies in a run: the tables are made so.
  --run;
  return run->linear + (cp - run->first);
}

// The code point of a four-byte index, or U+FFFD where none is assigned.
char32_t CodePointOfFourByte(std::uint32_t index) {
  if (index >= kSupplementaryBase) {
    const std::uint32_t cp = 0x10000 + (index - kSupplementaryBase);
    return cp <= 0x10FFFF ? cp : unicode::kReplacement;
  }
  if (index >= kFourByteBmpEnd) return unicode::kReplacement;
  const auto* run = std::upper_bound(std::begin(kFourByteRunsByIndex), std::end(kFourByteRunsByIndex), index,
                                     [](std::uint32_t i, const FourByteRun& r) { return i < r.linear; });
  --run;
  return index - run->linear < run->count ? run->first + (index - run->linear) : unicode::kReplacement;
}

}  // namespace

void AppendCodePoint(char32_t cp, std::string& out) {
  if (unicode::IsSurrogate(cp) || cp > 0x10FFFF) cp = unicode::kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp == kEuro) {
    out += static_cast<char>(kEuroByte);
  } else if (cp == kPrivateFF) {
    out += static_cast<char>(kByteFF);
  } else if (cp >= 0x10000) {
    AppendFourByte(kSupplementaryBase + (cp - 0x10000), out);
  } else if (const std::uint16_t code = DoubleByteCodes()[cp]; code != 0) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  } else {
    AppendFourByte(FourByteIndexOfBmp(cp), out);
  }
}

char32_t DecodeCodePoint(std::string_view bytes, std::size_t& pos) {
  const auto b1 = static_cast<unsigned char>(bytes[pos]);
  if (b1 < 0x80) {
    ++pos;
    return b1;
  }
  if (b1 == kEuroByte || b1 == kByteFF) {
    ++pos;
    return b1 == kEuroByte ? kEuro : kPrivateFF;
  }
  const std::size_t left = bytes.size() - pos;
  if (IsLead(b1) && left >= 2) {
    const auto b2 = static_cast<unsigned char>(bytes[pos + 1]);
    if (IsTrail(b2)) {
      pos += 2;
      return kDoubleByte[(b1 - 0x81) * 190 + TrailIndex(b2)];
    }
    if (IsDigit(b2) && left >= 4) {
      const auto b3 = static_cast<unsigned char>(bytes[pos + 2]);
      const auto b4 = static_cast<unsigned char>(bytes[pos + 3]);
      if (IsLead(b3) && IsDigit(b4)) {
        pos += 4;
        return CodePointOfFourByte((((b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 + (b4 - 0x30));
      }
    }
  }
  ++pos;
  return unicode::kReplacement;
}

std::string FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t pos = 0; pos < text.size();) AppendCodePoint(unicode::NextFromUtf16(text, pos), out);
  return out;
}

std::u16string ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) unicode::AppendUtf16(DecodeCodePoint(bytes, pos), out);
  return out;
}

std::string FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) AppendCodePoint(unicode::NextFromUtf8(text, pos), out);
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::size_t pos = 0; pos < bytes.size();) unicode::AppendUtf8(DecodeCodePoint(bytes, pos), out);
  return out;
}

}  // namespace corvane::cp936
