#include "runtime/md5.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

// OpenSSL's MD5, the independent oracle.
class OracleMd5 {
 public:
  OracleMd5() : context_(EVP_MD_CTX_new()) { EVP_DigestInit_ex(context_, EVP_md5(), nullptr); }
  ~OracleMd5() { EVP_MD_CTX_free(context_); }
  void Update(std::string_view data) { EVP_DigestUpdate(context_, data.data(), data.size()); }
  std::string HexFinal() {
    Md5Digest digest;
    unsigned int size = 0;
    EVP_DigestFinal_ex(context_, digest.data(), &size);
    return ToHex(digest);
  }

 private:
  EVP_MD_CTX* context_;
};

std::string Md5Hex(std::string_view data) {
  Md5 md5;
  md5.Update(data);
  return ToHex(md5.Final());
}

std::string OracleHex(std::string_view data) {
  OracleMd5 oracle;
  oracle.Update(data);
  return oracle.HexFinal();
}

std::string RandomBytes(std::size_t size, std::mt19937& random) {
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

struct Vector {
  const char* message;
  const char* digest;
};

// The test suite of RFC 1321, appendix A.5.
constexpr Vector kRfc1321[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(Md5, GivesTheDigestsOfRfc1321) {
  for (const Vector& v : kRfc1321) EXPECT_EQ(Md5Hex(v.message), v.digest) << '"' << v.message << '"';
}

TEST(Md5, AgreesWithTheOracleAtEveryLengthUpTo1024) {
  std::mt19937 random(1321);
  const std::string data = RandomBytes(1024, random);
  for (std::size_t n = 0; n <= data.size(); ++n) {
    const std::string_view message(data.data(), n);
    ASSERT_EQ(Md5Hex(message), OracleHex(message)) << "length " << n;
  }
}

TEST(Md5, GivesTheSameDigestOverAnySplit) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 200; ++trial) {
    const std::string data = RandomBytes(random() % 3000, random);
    Md5 md5;
    for (std::size_t pos = 0; pos < data.size();) {
      const std::size_t take = std::min<std::size_t>(random() % 150, data.size() - pos);
      md5.Update(std::string_view(data).substr(pos, take));
      pos += take;
    }
    ASSERT_EQ(ToHex(md5.Final()), OracleHex(data)) << "trial " << trial << ", length " << data.size();
  }
}

// Past 2^32 bytes a 32-bit length counter would wrap; the padding's 64-bit
// length must still be right.
TEST(Md5Large, StreamsMoreThanFourGibibytes) {
  std::mt19937 random(64);
  const std::string chunk = RandomBytes(1 << 20, random);
  const std::uint64_t total = (std::uint64_t{4} << 30) + 12345;
  Md5 md5;
  OracleMd5 oracle;
  for (std::uint64_t done = 0; done < total;) {
    const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), total - done));
    md5.Update(std::string_view(chunk).substr(0, take));
    oracle.Update(std::string_view(chunk).substr(0, take));
    done += take;
  }
  EXPECT_EQ(ToHex(md5.Final()), oracle.HexFinal());
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

[[maybe_unused]] void PrintTo(const Md5Core& core, std::ostream* out) { *out << core.name; }

class Md5CoreTest : public ::testing::TestWithParam<Md5Core> {
 protected:
  void SetUp() override {
    if (!GetParam().supported()) GTEST_SKIP() << "this processor cannot run the " << GetParam().name << " core";
  }
  std::string Hex(std::string_view data) const {
    Md5 md5(GetParam());
    md5.Update(data);
    return ToHex(md5.Final());
  }
};

std::string ReferenceHex(std::string_view data) {
  Md5 md5(Md5Cores().front());
  md5.Update(data);
  return ToHex(md5.Final());
}

TEST_P(Md5CoreTest, GivesTheDigestsOfRfc1321) {
  for (const Vector& v : kRfc1321) EXPECT_EQ(Hex(v.message), v.digest) << '"' << v.message << '"';
}

TEST_P(Md5CoreTest, MatchesTheReferenceAtEveryLengthUpTo4096) {
  std::mt19937 random(4096);
  const std::string data = RandomBytes(4096, random);
  for (std::size_t n = 0; n <= data.size(); ++n) {
    const std::string_view message(data.data(), n);
    ASSERT_EQ(Hex(message), ReferenceHex(message)) << "length " << n;
  }
}

TEST_P(Md5CoreTest, MatchesTheReferenceOverRandomSplits) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 100; ++trial) {
    const std::string data = RandomBytes(random() % 20000, random);
    Md5 md5(GetParam());
    for (std::size_t pos = 0; pos < data.size();) {
      const std::size_t take = std::min<std::size_t>(random() % 700, data.size() - pos);
      md5.Update(std::string_view(data).substr(pos, take));
      pos += take;
    }
    ASSERT_EQ(ToHex(md5.Final()), ReferenceHex(data)) << "trial " << trial;
  }
}

INSTANTIATE_TEST_SUITE_P(Cores, Md5CoreTest, ::testing::ValuesIn(Md5Cores().begin(), Md5Cores().end()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
}  // namespace corvane
