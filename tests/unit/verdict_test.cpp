// What the result box says of a digest, and where the expected one is found.

#include "runtime/verdict.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "runtime/cp936.h"
#include "runtime/expectation.h"

namespace corvane {
namespace {

const std::string kAbc = "900150983cd24fb0d6963f7d28e17f72";
const std::string kOther = "d41d8cd98f00b204e9800998ecf8427e";

bool Says(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Judge, SaysWhatTheDigestIsOfAndWhatItWasComparedWith) {
  const Subject text{false, "abc", 3};
  Verdict verdict = Judge(kAbc, text, std::nullopt);
  EXPECT_EQ(verdict.mark, Mark::None);
  EXPECT_EQ(verdict.description, "文字“abc”（3 个 GBK 字节）的 MD5 摘要");

  verdict = Judge(kAbc, text, Expectation{kAbc, Source::Typed, {}});
  EXPECT_EQ(verdict.mark, Mark::Match);
  EXPECT_TRUE(Says(verdict.description, "与输入的预期值一致"));

  const Subject file{true, cp936::FromUtf8("/下载/a.iso"), 12};
  verdict = Judge(kAbc, file, Expectation{kOther, Source::ChecksumFile, "/下载/MD5SUMS"});
  EXPECT_EQ(verdict.mark, Mark::Mismatch);
  EXPECT_TRUE(Says(verdict.description, "文件 /下载/a.iso（12 字节）"));
  EXPECT_TRUE(Says(verdict.description, "校验文件 /下载/MD5SUMS"));
  EXPECT_TRUE(Says(verdict.description, "预期为 " + kOther));

  verdict = Judge(kAbc, file, Expectation{kOther, Source::Clipboard, {}});
  EXPECT_TRUE(Says(verdict.description, "剪贴板"));
}

// The GBK/UTF-8 mix-up, as it shows to someone who checks a signature.
TEST(Judge, AMismatchThatIsTheTextsUtf8OrUtf16DigestSaysSo) {
  const Subject text{false, cp936::FromUtf8("计算"), 4};
  const std::string utf8 = "35b4b419fa4b8c97858f967daf196f96";  // md5sum of the UTF-8 bytes E8 AE A1 E7 AE 97
  Verdict verdict = Judge("d5d12867c9fb08d6bdc033d3477504eb", text, Expectation{utf8, Source::Typed, {}});
  EXPECT_EQ(verdict.mark, Mark::Mismatch) << "the verdict stays a mismatch";
  EXPECT_TRUE(Says(verdict.description, "UTF-8")) << verdict.description;
  const std::string utf16 = "5fde2e816ec0df44850648a85d96a4ae";  // md5sum of A1 8B 97 7B
  verdict = Judge("d5d12867c9fb08d6bdc033d3477504eb", text, Expectation{utf16, Source::Typed, {}});
  EXPECT_TRUE(Says(verdict.description, "UTF-16LE")) << verdict.description;
  verdict = Judge("d5d12867c9fb08d6bdc033d3477504eb", text, Expectation{kOther, Source::Typed, {}});
  EXPECT_FALSE(Says(verdict.description, "UTF-"));
}

TEST(FindExpectation, TakesTheFirstSourceThatHoldsADigest) {
  const auto dir = std::filesystem::temp_directory_path() / ("corvane-expect-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "a.iso") << "abc";
  std::ofstream(dir / "MD5SUMS") << kAbc << "  a.iso\n";
  const Subject file{true, (dir / "a.iso").string(), 3};
  const Subject text{false, "abc", 3};
  const std::u16string other(kOther.begin(), kOther.end());
  const struct {
    const char* what;
    Subject subject;
    ExpectationInputs inputs;
    std::optional<Source> source;
  } cases[] = {
      {"typed first", file, {other, other}, Source::Typed},
      {"a typed text that is no digest says nothing", file, {u"not a digest", std::nullopt}, Source::ChecksumFile},
      {"the list before the clipboard", file, {std::nullopt, other}, Source::ChecksumFile},
      {"the clipboard for a text", text, {std::nullopt, other}, Source::Clipboard},
      {"a clipboard line naming the text", text, {std::nullopt, other + u"  abc"}, std::nullopt},
      {"nothing", text, {std::nullopt, u"hello"}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto found = FindExpectation(c.subject, c.inputs);
    EXPECT_EQ(found ? std::optional(found->source) : std::nullopt, c.source) << c.what;
  }
  const std::u16string long_clipboard = other + std::u16string(70000, u' ');
  EXPECT_FALSE(FindExpectation(text, {std::nullopt, long_clipboard})) << "a clipboard over 64 KiB is not read";
  std::filesystem::remove(dir / "MD5SUMS");
  const std::u16string line = other + u"  a.iso";
  EXPECT_EQ(FindExpectation(file, {std::nullopt, line})->digest, kOther) << "an md5sum line naming the file";
  EXPECT_FALSE(FindExpectation(file, {std::nullopt, other + u"  b.iso"})) << "a line naming another file";
  std::filesystem::remove_all(dir);
}

TEST(CommandLine, TakesOneFileHelpAndVersion) {
  using A = CommandLine::Action;
  const struct {
    std::vector<std::u16string> arguments;
    A action;
    std::optional<std::u16string> file;
  } cases[] = {
      {{}, A::Run, std::nullopt},
      {{u"下载.iso"}, A::Run, u"下载.iso"},
      {{u"--", u"-dash.iso"}, A::Run, u"-dash.iso"},
      {{u"-"}, A::Run, u"-"},
      {{u"--help"}, A::Help, std::nullopt},
      {{u"-h"}, A::Help, std::nullopt},
      {{u"--version"}, A::Version, std::nullopt},
      {{u"--verbose"}, A::Mistake, std::nullopt},
      {{u"a", u"b"}, A::Mistake, std::nullopt},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << c.arguments.size();
    EXPECT_EQ(line.file, c.file);
  }
  EXPECT_EQ(ParseCommandLine({u"--bad"}).mistake, "未知的选项：--bad");
  EXPECT_EQ(ParseCommandLine({u"--\xD800"}).mistake, "未知的选项：--\uFFFD") << "a lone surrogate";
}

}  // namespace
}  // namespace corvane
