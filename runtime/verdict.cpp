#include "runtime/verdict.h"

#include "runtime/cp936.h"
#include "runtime/md5.h"

namespace corvane {

namespace {

constexpr std::size_t kShownTextLength = 80;  // characters of a long text in the tooltip

std::string Md5Hex(std::string_view bytes) {
  Md5 md5;
  md5.Update(bytes);
  return ToHex(md5.Final());
}

std::string Utf16LeBytes(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

std::string Shortened(const std::string& cp936_text) {
  const std::u16string text = cp936::ToUtf16(cp936_text);
  if (text.size() <= kShownTextLength) return cp936::ToUtf8(cp936_text);
  return cp936::ToUtf8(cp936::FromUtf16(text.substr(0, kShownTextLength))) + "…";
}

std::string ComparedWith(const Expectation& expected) {
  switch (expected.source) {
    case Source::Typed: return "输入的预期值";
    case Source::ChecksumFile: return "校验文件 " + expected.list_path;
    case Source::Clipboard: return "剪贴板中的值";
  }
  return {};
}

// A GBK/UTF-8 mix-up shows itself so: the expected digest is that of the
// same text in another encoding.
std::string OtherEncoding(const Subject& subject, const std::string& expected) {
  if (subject.file) return {};
  const std::u16string text = cp936::ToUtf16(subject.cp936);
  if (Md5Hex(cp936::ToUtf8(subject.cp936)) == expected) return "\n预期值是这段文字按 UTF-8 字节计算的 MD5，而不是按 GBK 字节。";
  if (Md5Hex(Utf16LeBytes(text)) == expected) return "\n预期值是这段文字按 UTF-16LE 字节计算的 MD5，而不是按 GBK 字节。";
  return {};
}

}  // namespace

std::string DescribeSubject(const Subject& subject) {
  const std::string count = std::to_string(subject.bytes);
  if (subject.file) return "文件 " + cp936::ToUtf8(subject.cp936) + "（" + count + " 字节）的 MD5 摘要";
  return "文字“" + Shortened(subject.cp936) + "”（" + count + " 个 GBK 字节）的 MD5 摘要";
}

Verdict Judge(std::string_view digest, const Subject& subject, const std::optional<Expectation>& expected) {
  Verdict verdict{Mark::None, DescribeSubject(subject)};
  if (!expected) return verdict;
  if (expected->digest == digest) {
    verdict.mark = Mark::Match;
    verdict.description += "\n✓ 与" + ComparedWith(*expected) + "一致";
  } else {
    verdict.mark = Mark::Mismatch;
    verdict.description += "\n✗ 与" + ComparedWith(*expected) + "不一致，预期为 " + expected->digest;
    verdict.description += OtherEncoding(subject, expected->digest);
  }
  return verdict;
}

}  // namespace corvane
