// The data operations on real files in a scratch folder.

#include "runtime/data_operations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <grp.h>
#include <openssl/md5.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "runtime/cp936.h"
#include "runtime/messages.h"
#include "tests/scripted_files.h"

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

// Root reads every file: as root, the case runs in a child process that
// has become the unprivileged user "nobody" first.
TEST_F(DataOperations, AFileWithoutReadPermissionGivesItsCause) {
  const fs::path path = Write("locked", "abc");
  fs::permissions(path, fs::perms::none);
  const auto check = [&] { return DigestOfFile(NameOf(path)) == Failure(messages::kNoPermission); };
  if (::geteuid() != 0) {
    EXPECT_TRUE(check());
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(!dropped ? 2 : check() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 2) << "could not become an ordinary user";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "an ordinary user was not told that the file cannot be read";
}

TEST_F(DataOperations, ASocketIsNotAFile) {
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(server, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = (dir_ / "socket").string();
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(DigestOfFile(NameOf(path)), Failure(messages::kNotRegular));
  ::close(server);
}

// OpenSSL's MD5 of what an ordinary read of the file gives, as md5sum does.
std::string OracleDigestOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  unsigned char digest[MD5_DIGEST_LENGTH];
  MD5(reinterpret_cast<const unsigned char*>(content.data()), content.size(), digest);
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char byte : digest) hex += {kHex[byte >> 4], kHex[byte & 15]};
  return hex;
}

// Files of /proc say they hold 0 bytes, those of /sys 4096: both are read
// to their end, directly or through a link.
TEST_F(DataOperations, FilesOfProcAndSysAreReadToTheirEnd) {
  for (const fs::path path : {"/proc/version", "/sys/devices/system/cpu/online"}) {
    ASSERT_TRUE(fs::exists(path)) << path;
    const fs::path link = dir_ / ("link to " + path.filename().string());
    fs::create_symlink(path, link);
    EXPECT_EQ(DigestOfFile(NameOf(path)), OracleDigestOf(path)) << path;
    EXPECT_EQ(DigestOfFile(NameOf(link)), OracleDigestOf(path)) << link;
  }
}

TEST_F(DataOperations, AReadThatFailsGivesItsCause) {
  Held name(Value::NewText("scripted"));
  Held bytes(ReadWholeFileOperation(*name, [](std::string_view) -> OpenedFile {
    return std::make_unique<testing::ScriptedFile>(std::string(3 << 20, 'x'), 3 << 20, testing::Change::ReadError);
  }));
  Held digest(DigestTextOperation(*bytes));
  EXPECT_EQ(cp936::ToUtf8(digest->data()), messages::kReadError);
}

// A real file, changed by another writer after the first chunk was read;
// the writer waits a moment first so that the file system's clock moves on.
enum class RealChange { RewriteInPlace, Append, Truncate };

class ChangedAfterFirstRead final : public FileSource {
 public:
  ChangedAfterFirstRead(std::unique_ptr<FileSource> file, fs::path path, RealChange change)
      : file_(std::move(file)), path_(std::move(path)), change_(change) {}
  std::uint64_t size() const override { return file_->size(); }
  std::int64_t Read(std::uint64_t offset, std::span<std::uint8_t> buffer) override {
    const std::int64_t n = file_->Read(offset, buffer);
    if (reads_++ == 0) Change();
    return n;
  }
  bool Unchanged() const override { return file_->Unchanged(); }

 private:
  void Change() {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    switch (change_) {
      case RealChange::RewriteInPlace: {
        std::fstream out(path_, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp(100);
        out << "rewritten";
        out.seekp(4 << 20);
        out << "in two places";
        break;
      }
      case RealChange::Append: std::ofstream(path_, std::ios::app) << "appended"; break;
      case RealChange::Truncate: fs::resize_file(path_, 1 << 20); break;
    }
  }

  std::unique_ptr<FileSource> file_;
  fs::path path_;
  RealChange change_;
  int reads_ = 0;
};

TEST_F(DataOperations, AFileChangedWhileItIsReadHasNoDigest) {
  for (const RealChange change : {RealChange::RewriteInPlace, RealChange::Append, RealChange::Truncate}) {
    for (const std::size_t size : {std::size_t{6} << 20, std::size_t{24} << 20}) {  // read in turn, and ahead
      const fs::path path = Write("changing", std::string(size, 'x'));
      Held name(Value::NewText(NameOf(path)));
      Held bytes(ReadWholeFileOperation(*name, [&](std::string_view cp936_name) -> OpenedFile {
        OpenedFile opened = OpenFileSource(cp936_name);
        auto& file = std::get<std::unique_ptr<FileSource>>(opened);
        return std::make_unique<ChangedAfterFirstRead>(std::move(file), path, change);
      }));
      Held digest(DigestTextOperation(*bytes));
      EXPECT_EQ(cp936::ToUtf8(digest->data()), messages::kChangedWhileRead)
          << "change " << static_cast<int>(change) << ", size " << size;
    }
  }
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

// Its name now names another file: the digest shown would not be that
// file's, and the user is told the file changed (its status-change time
// says so), as GNU tar does.
TEST_F(DataOperations, AFileReplacedWhileItIsReadHasNoDigest) {
  const fs::path path = Write("replaced", "abc");
  Held name(Value::NewText(NameOf(path)));
  Held bytes(ReadWholeFileOperation(*name));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  fs::remove(path);
  Write("replaced", "something else");
  Held digest(DigestTextOperation(*bytes));
  EXPECT_EQ(cp936::ToUtf8(digest->data()), messages::kChangedWhileRead);
}

}  // namespace
}  // namespace corvane
