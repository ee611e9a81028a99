// MD5 throughput of every core beside OpenSSL's EVP MD5, at the sizes that
// matter: a short text, a line, a read chunk and a large buffer.
//   build/main/bench/md5_bench --benchmark_min_time=1

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <string>
#include <vector>

#include "runtime/md5.h"

namespace {

constexpr std::int64_t kSizes[] = {64, 1 << 10, 16 << 10, 1 << 20};

std::vector<std::uint8_t> Input(std::size_t size) {
  std::vector<std::uint8_t> data(size);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i * 131 + 7);
  return data;
}

void BM_Core(benchmark::State& state, const corvane::Md5Core* core) {
  if (!core->supported()) {
    state.SkipWithError("this processor cannot run this core");
    return;
  }
  const auto data = Input(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    corvane::Md5 md5(*core);
    md5.Update(data);
    benchmark::DoNotOptimize(md5.Final());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_OpenSsl(benchmark::State& state) {
  const auto data = Input(static_cast<std::size_t>(state.range(0)));
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  unsigned char digest[16];
  for (auto _ : state) {
    EVP_DigestInit_ex(context, EVP_md5(), nullptr);
    EVP_DigestUpdate(context, data.data(), data.size());
    EVP_DigestFinal_ex(context, digest, nullptr);
    benchmark::DoNotOptimize(digest);
  }
  EVP_MD_CTX_free(context);
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

int Register() {
  for (const corvane::Md5Core& core : corvane::Md5Cores()) {
    auto* b = benchmark::RegisterBenchmark((std::string("md5/") + core.name).c_str(), BM_Core, &core);
    for (std::int64_t size : kSizes) b->Arg(size);
  }
  auto* b = benchmark::RegisterBenchmark("md5/openssl", BM_OpenSsl);
  for (std::int64_t size : kSizes) b->Arg(size);
  return 0;
}

const int registered = Register();

}  // namespace

BENCHMARK_MAIN();
