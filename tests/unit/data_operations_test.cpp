// The data operations on real files in a scratch folder.

#include "runtime/data_operations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "runtime/cp936.h"
#include "runtime/messages.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Deleter {
  void operator()(Value* v) const { delete v; }
};
using Held = std::unique_ptr<Value, Deleter>;

class DataOperations : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("corvane-data-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::string& utf8_name, const std::string& content) {
    const fs::path path = dir_ / fs::u8path(utf8_name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  // The digest text, or the failure's message, that the handler would show.
  static std::string DigestOfFile(const std::string& cp936_name) {
    Held name(Value::NewText(cp936_name));
    Held bytes(ReadWholeFileOperation(*name));
    if (bytes->IsFailure()) return "failure: " + cp936::ToUtf8(bytes->data());
    Held digest(DigestTextOperation(*bytes));
    return (digest->IsFailure() ? "failure: " : "") + cp936::ToUtf8(digest->data());
  }

  static std::string NameOf(const fs::path& path) { return cp936::FromUtf8(path.string()); }

  fs::path dir_;
};

std::string Failure(const char* message) { return std::string("failure: ") + message; }

TEST_F(DataOperations, DigestsAWholeFileByteForByte) {
  EXPECT_EQ(DigestOfFile(NameOf(Write("empty", ""))), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(DigestOfFile(NameOf(Write("abc", "abc"))), "900150983cd24fb0d6963f7d28e17f72");
  // A name with characters code page 936 has and lacks reaches the file.
  EXPECT_EQ(DigestOfFile(NameOf(Write("计算 😀 한.txt", "abc"))), "900150983cd24fb0d6963f7d28e17f72");
}

// Small files are read in turn with digesting, large ones by a second thread
// ahead of it: both must give the digest of the bytes in memory.
TEST_F(DataOperations, AFileOfManyChunksIsDigestedWhole) {
  for (const std::size_t size : {std::size_t{5 << 20} + 17, std::size_t{40 << 20} + 3}) {
    std::string content(size, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7919 >> 3);
    Held bytes(Value::NewBytes(content));
    Held expected(DigestTextOperation(*bytes));
    EXPECT_EQ(DigestOfFile(NameOf(Write("big", content))), expected->data()) << size;
  }
}

TEST_F(DataOperations, TextToBytesKeepsEveryByte) {
  const std::string text = "  计算\r\n€ ";
  Held value(Value::NewText(cp936::FromUtf8(text)));
  Held bytes(TextToBytesOperation(*value));
  EXPECT_EQ(bytes->kind(), ValueKind::Bytes);
  EXPECT_EQ(bytes->data(), cp936::FromUtf8(text));
}

TEST_F(DataOperations, AFileThatCannotBeReadGivesItsCauseNotADigest) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
  fs::create_directory(dir_ / "folder");
  const struct {
    std::string name;
    const char* message;
  } cases[] = {
      {"", messages::kNoFileChosen},
      {NameOf(dir_ / "missing"), messages::kNotFound},
      {NameOf(dir_ / "missing" / "below"), messages::kNotFound},
      {NameOf(dir_ / "folder"), messages::kIsFolder},
      {NameOf(dir_ / "fifo"), messages::kNotRegular},
      {"/dev/zero", messages::kNotRegular},
      {"/dev/null", messages::kNotRegular},
      // A path the file dialog could not decode holds U+FFFD.
      {NameOf(dir_ / "bad\xEF\xBF\xBDname"), messages::kUnreadableName},
  };
  for (const auto& c : cases) EXPECT_EQ(DigestOfFile(c.name), Failure(c.message)) << c.name;
}

TEST_F(DataOperations, AFileWithoutReadPermissionGivesItsCause) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file; the permission case needs another user";
  const fs::path path = Write("locked", "abc");
  fs::permissions(path, fs::perms::none);
  EXPECT_EQ(DigestOfFile(NameOf(path)), Failure(messages::kNoPermission));
}

TEST_F(DataOperations, AFileCutShortOrGrownWhileReadHasNoDigest) {
  for (const std::uintmax_t size : {3u << 20, 24u << 20}) {
    for (const bool grow : {false, true}) {
      const fs::path path = Write("changing", std::string(size, 'x'));
      Held name(Value::NewText(NameOf(path)));
      Held bytes(ReadWholeFileOperation(*name));
      ASSERT_FALSE(bytes->IsFailure());
      fs::resize_file(path, grow ? size + (1 << 20) : size / 3);
      Held digest(DigestTextOperation(*bytes));
      EXPECT_TRUE(digest->IsFailure()) << (grow ? "grown" : "cut short") << " from " << size;
      EXPECT_EQ(cp936::ToUtf8(digest->data()), messages::kChangedWhileRead);
    }
  }
}

TEST_F(DataOperations, AFileReplacedAfterItWasOpenedIsDigestedAsOpened) {
  const fs::path path = Write("replaced", "abc");
  Held name(Value::NewText(NameOf(path)));
  Held bytes(ReadWholeFileOperation(*name));
  fs::remove(path);
  Write("replaced", "something else");
  Held digest(DigestTextOperation(*bytes));
  EXPECT_EQ(digest->data(), "900150983cd24fb0d6963f7d28e17f72");
}

}  // namespace
}  // namespace corvane
