#include "runtime/checksum_lookup.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

#include "runtime/checksum_list.h"
#include "runtime/utf8_path.h"

namespace corvane {

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kFoldCase = true;
#else
constexpr bool kFoldCase = false;
#endif

std::string Utf8Of(const fs::path& path) { return corvane::Utf8Of(path.u8string()); }

// The whole file, or nothing when it is not a regular file or too large.
std::optional<std::string> ReadBounded(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error) || fs::file_size(path, error) > kChecksumFileLimit || error) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string bytes(kChecksumFileLimit + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > kChecksumFileLimit) return std::nullopt;  // grew meanwhile
  return bytes;
}

}  // namespace

std::optional<ListedDigest> FindListedDigest(std::string_view utf8_path) {
  const fs::path file = PathOf(utf8_path);
  const fs::path folder = file.parent_path();
  const std::string own = LowerAscii(Utf8Of(file.filename()));
  // In the order they are asked: the file's own, then the folder's lists.
  const std::array<std::string, 5> wanted = {own + ".md5", own + ".md5sum", "md5sums", "md5sums.txt", "md5sum.txt"};
  std::array<std::vector<fs::path>, 5> found;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = LowerAscii(Utf8Of(entry.path().filename()));
    for (std::size_t i = 0; i < wanted.size(); ++i)
      if (name == wanted[i]) found[i].push_back(entry.path());
  }
  const NameMatcher matcher{Utf8Of(folder), Utf8Of(file), kFoldCase};
  for (std::size_t i = 0; i < found.size(); ++i) {
    for (const fs::path& list : found[i]) {
      const std::optional<std::string> bytes = ReadBounded(list);
      if (!bytes) continue;
      if (auto digest = DigestListedFor(*bytes, matcher, i < 2)) return ListedDigest{*digest, Utf8Of(list)};
    }
  }
  return std::nullopt;
}

}  // namespace corvane
