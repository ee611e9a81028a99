// Expected digests as people write them: bare digests, md5sum and BSD lines,
// checksum files in UTF-8 or GBK, and the checksum file beside a file.

#include "runtime/checksum_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "runtime/checksum_lookup.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kAbc = "900150983cd24fb0d6963f7d28e17f72";
const std::string kEmpty = "d41d8cd98f00b204e9800998ecf8427e";

TEST(ParseDigest, TakesThirtyTwoHexDigitsAndNothingElse) {
  const struct {
    std::string text;
    std::optional<std::string> digest;
  } cases[] = {
      {kAbc, kAbc},
      {"900150983CD24FB0D6963F7D28E17F72", kAbc},
      {" \t900150983cd24fb0d6963f7d28e17f72\r\n", kAbc},
      {"", std::nullopt},
      {kAbc.substr(1), std::nullopt},
      {kAbc + "0", std::nullopt},
      {"900150983cd24fb0d6963f7d28e17f7g", std::nullopt},
      {"900150983cd24fb0 d6963f7d28e17f72", std::nullopt},
      {"0x900150983cd24fb0d6963f7d28e17f72", std::nullopt},
      {kAbc + "  abc.txt", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDigest(c.text), c.digest) << "[" << c.text << "]";
}

TEST(ParseChecksumLine, ReadsMd5sumAndBsdLinesStrictly) {
  const struct {
    std::string line;
    std::optional<std::string> name;  // nullopt: not a checksum line
  } cases[] = {
      {kAbc + "  abc.txt", "abc.txt"},
      {kAbc + " *abc.txt", "abc.txt"},
      {kAbc + "  my file 计算.iso", "my file 计算.iso"},
      {kAbc + "  ./sub/abc.txt", "./sub/abc.txt"},
      {"\\" + kAbc + "  back\\\\slash\\nnew line", "back\\slash\nnew line"},
      {"MD5 (abc.txt) = " + kAbc, "abc.txt"},
      {"MD5 (name (with) parens) = " + kAbc, "name (with) parens"},
      {"\\MD5 (a\\\\b) = " + kAbc, "a\\b"},
      {kAbc + " abc.txt", std::nullopt},
      {kAbc + "  ", std::nullopt},
      {kAbc.substr(1) + "  abc.txt", std::nullopt},
      {"SHA1 (abc.txt) = " + kAbc, std::nullopt},
      {"MD5 (abc.txt) " + kAbc, std::nullopt},
      {"MD5 (abc.txt) = " + kAbc + "0", std::nullopt},
      {"\\" + kAbc + "  bad\\escape", std::nullopt},
      {"# a comment", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto line = ParseChecksumLine(c.line);
    ASSERT_EQ(line.has_value(), c.name.has_value()) << c.line;
    if (line) {
      EXPECT_EQ(line->name, *c.name);
      EXPECT_EQ(line->digest, kAbc);
    }
  }
}

TEST(ChecksumFileLines, ReadsUtf8OrGbkWithLfOrCrlf) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(ChecksumFileLines("a\nb\r\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(ChecksumFileLines("\xEF\xBB\xBF计算\r\n"), (Lines{"计算"}));
  EXPECT_EQ(ChecksumFileLines("\xBC\xC6\xCB\xE3.txt\r\n"), (Lines{"计算.txt"})) << "GBK, as Chinese Windows writes it";
}

// The file /data/计算 文件.iso, listed by a checksum file in /data.
NameMatcher Matcher(bool fold_case = false) { return {"/data", "/data/计算 文件.iso", fold_case}; }

TEST(DigestListedFor, FindsTheFileInEveryFormAndNothingElse) {
  const std::string gbk_name = "\xBC\xC6\xCB\xE3 \xCE\xC4\xBC\xFE.iso";  // 计算 文件.iso in GBK
  const struct {
    const char* what;
    std::string content;
    std::optional<std::string> digest;
    bool alone = false;
  } cases[] = {
      {"md5sum text line", kAbc + "  计算 文件.iso\n", kAbc},
      {"md5sum binary line among others", kEmpty + "  other\n" + kAbc + " *计算 文件.iso\n", kAbc},
      {"BSD line", "MD5 (计算 文件.iso) = " + kAbc + "\n", kAbc},
      {"CRLF", kEmpty + "  other\r\n" + kAbc + "  计算 文件.iso\r\n", kAbc},
      {"GBK file", kAbc + "  " + gbk_name + "\r\n", kAbc},
      {"./ name", kAbc + "  ./计算 文件.iso\n", kAbc},
      {"relative folder", kAbc + "  sub/../计算 文件.iso\n", kAbc},
      {"name not listed", kAbc + "  other.iso\n", std::nullopt},
      {"file in another folder", kAbc + "  sub/计算 文件.iso\n", std::nullopt},
      {"listed twice, differently", kAbc + "  计算 文件.iso\n" + kEmpty + "  计算 文件.iso\n", std::nullopt},
      {"listed twice, alike", kAbc + "  计算 文件.iso\n" + kAbc + " *计算 文件.iso\n", kAbc},
      {"a malformed line is passed over", "garbage line\n" + kAbc + "  计算 文件.iso\n", kAbc},
      {"malformed only", kAbc + " 计算 文件.iso\n", std::nullopt},
      {"case differs on Linux", kAbc + "  计算 文件.ISO\n", std::nullopt},
      {"NAME.md5 with a bare digest", kAbc + "\n", kAbc, true},
      {"a bare digest in a list", kAbc + "\n", std::nullopt},
      {"NAME.md5 naming another file", kAbc + "  other.iso\n", std::nullopt, true},
      {"NAME.md5 with two bare digests", kAbc + "\n" + kEmpty + "\n", std::nullopt, true},
  };
  for (const auto& c : cases) EXPECT_EQ(DigestListedFor(c.content, Matcher(), c.alone), c.digest) << c.what;
}

TEST(DigestListedFor, ComparesNamesWithoutCaseAsWindowsDoes) {
  const NameMatcher windows{"C:/Data", "C:/Data/File.ISO", true};
  EXPECT_EQ(DigestListedFor(kAbc + "  file.iso\r\n", windows, false), kAbc);
  EXPECT_EQ(DigestListedFor(kAbc + "  .\\FILE.iso\r\n", windows, false), kAbc);
}

class BesideAFile : public ::testing::Test {
 protected:
  BesideAFile() {
    dir_ = fs::temp_directory_path() / ("corvane-lists-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    file_ = Write("下载 file.iso", "abc");
  }
  ~BesideAFile() override { fs::remove_all(dir_); }
  fs::path Write(const std::string& name, const std::string& content) {
    std::ofstream(dir_ / fs::u8path(name), std::ios::binary) << content;
    return dir_ / fs::u8path(name);
  }
  std::optional<ListedDigest> Find() const { return FindListedDigest(file_.string()); }

  fs::path dir_, file_;
};

TEST_F(BesideAFile, NoChecksumFileNoExpectation) { EXPECT_FALSE(Find()); }

TEST_F(BesideAFile, EachListIsFoundByItsNameInAnyCase) {
  for (const std::string list : {"下载 file.iso.md5", "下载 file.iso.MD5SUM", "MD5SUMS", "md5sums.TXT", "Md5Sum.txt"}) {
    const fs::path path = Write(list, kAbc + "  下载 file.iso\n");
    const auto found = Find();
    ASSERT_TRUE(found) << list;
    EXPECT_EQ(found->digest, kAbc);
    EXPECT_EQ(found->list_path, path.string());
    fs::remove(path);
  }
}

TEST_F(BesideAFile, TheFilesOwnListComesFirstAndAListThatOmitsItIsPassedOver) {
  Write("MD5SUMS", kEmpty + "  下载 file.iso\n");
  Write("下载 file.iso.md5", kAbc + "  another.iso\n");
  EXPECT_EQ(Find()->digest, kEmpty) << "its own list names another file";
  Write("下载 file.iso.md5", kAbc + "\n");
  EXPECT_EQ(Find()->digest, kAbc);
}

TEST_F(BesideAFile, AListOverSixteenMebibytesIsNotRead) {
  const fs::path list = Write("MD5SUMS", kAbc + "  下载 file.iso\n");
  fs::resize_file(list, kChecksumFileLimit);
  EXPECT_TRUE(Find()) << "at the limit it is read";
  fs::resize_file(list, kChecksumFileLimit + 1);
  EXPECT_FALSE(Find());
}

}  // namespace
}  // namespace corvane
