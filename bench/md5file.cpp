// md5file FILE: the digest of FILE through the program's own file path (the
// read and digest operations the calculate button runs), printed as md5sum
// prints it, so the two can be timed side by side as whole processes.

#include <cstdio>
#include <memory>
#include <string>

#include "runtime/cp936.h"
#include "runtime/data_operations.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: md5file FILE\n");
    return 2;
  }
  const auto release = [](corvane::Value* v) { delete v; };
  using Held = std::unique_ptr<corvane::Value, decltype(release)>;
  Held name(corvane::Value::NewText(corvane::cp936::FromUtf8(argv[1])), release);
  Held bytes(corvane::ReadWholeFileOperation(*name), release);
  Held digest(bytes->IsFailure() ? nullptr : corvane::DigestTextOperation(*bytes), release);
  const corvane::Value& shown = digest ? *digest : *bytes;
  if (shown.IsFailure()) {
    std::fprintf(stderr, "md5file: %s: %s\n", argv[1], corvane::cp936::ToUtf8(shown.data()).c_str());
    return 1;
  }
  std::printf("%s  %s\n", shown.data().c_str(), argv[1]);
  return 0;
}
