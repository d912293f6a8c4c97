// Conversion and clean-up throughput on 1 MiB and 16 MiB comments, beside
// glibc's iconv(3) on the same bytes, and the peak memory of one copy round.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <sys/resource.h>

#include <cstdio>
#include <map>

#include "bench/comment_text.h"
#include "text/blank_lines.h"
#include "text/conversion.h"

namespace {

using quillmark::Text;

const std::string& Comment(std::size_t bytes) {
  static std::map<std::size_t, std::string> comments;
  auto [entry, inserted] = comments.try_emplace(bytes);
  if (inserted) entry->second = quillmark::bench::MakeComment(bytes);
  return entry->second;
}

const std::string& GbkComment(std::size_t bytes) {
  static std::map<std::size_t, std::string> comments;
  auto [entry, inserted] = comments.try_emplace(bytes);
  if (inserted) entry->second = quillmark::Utf8ToGbk(Comment(bytes));
  return entry->second;
}

std::string Iconv(const char* to, const char* from, const std::string& input) {
  iconv_t converter = iconv_open(to, from);
  std::string output(input.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  output.resize(output.size() - outLeft);
  return output;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void Utf8ToGbk(benchmark::State& state) {
  const std::string& input = Comment(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quillmark::Utf8ToGbk(input));
  SetBytes(state, input.size());
}

void IconvUtf8ToGbk(benchmark::State& state) {
  const std::string& input = Comment(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Iconv("GBK", "UTF-8", input));
  SetBytes(state, input.size());
}

void GbkToUtf8(benchmark::State& state) {
  const std::string& input = GbkComment(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quillmark::GbkToUtf8(input));
  SetBytes(state, input.size());
}

void IconvGbkToUtf8(benchmark::State& state) {
  const std::string& input = GbkComment(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Iconv("UTF-8", "GBK", input));
  SetBytes(state, input.size());
}

void RemoveBlankLines(benchmark::State& state) {
  const std::string& input = GbkComment(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quillmark::RemoveBlankLines(input));
  SetBytes(state, input.size());
}

constexpr std::int64_t kOneMiB = 1 << 20;
constexpr std::int64_t kSixteenMiB = 16 << 20;

BENCHMARK(Utf8ToGbk)->Arg(kOneMiB)->Arg(kSixteenMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(IconvUtf8ToGbk)->Arg(kOneMiB)->Arg(kSixteenMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(GbkToUtf8)->Arg(kOneMiB)->Arg(kSixteenMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(IconvGbkToUtf8)->Arg(kOneMiB)->Arg(kSixteenMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(RemoveBlankLines)->Arg(kOneMiB)->Arg(kSixteenMiB)->Unit(benchmark::kMillisecond);

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Peak memory of one copy round on 16 MiB, measured before any benchmark has
// grown the heap: the input is made first, then the round runs once.
void ReportRoundPeakMemory() {
  const std::string input = quillmark::bench::MakeComment(kSixteenMiB);
  const long before = PeakResidentKiB();
  {
    const Text gbk = quillmark::Utf8ToGbk(input);
    const Text cleaned = quillmark::RemoveBlankLines(gbk);
    const Text back = quillmark::GbkToUtf8(cleaned);
    benchmark::DoNotOptimize(back.data());
  }
  const long grown = PeakResidentKiB() - before;
  std::printf("copy round on 16 MiB: peak grew by %.1f MiB = %.2f x the input (goal < 8 x)\n",
              static_cast<double>(grown) / 1024, static_cast<double>(grown) * 1024 / kSixteenMiB);
}

// Prints each conversion's speed beside iconv's once all have run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) timings_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* size : {"1048576", "16777216"}) {
      for (const char* name : {"Utf8ToGbk", "GbkToUtf8"}) {
        const std::string ours = std::string(name) + "/" + size;
        const std::string theirs = "Iconv" + ours;
        if (timings_.count(ours) == 0 || timings_.count(theirs) == 0) continue;
        std::printf("%s: iconv time / ours = %.2f (goal >= 1)\n", ours.c_str(),
                    timings_[theirs] / timings_[ours]);
      }
    }
  }

 private:
  std::map<std::string, double> timings_;
};

}  // namespace

int main(int argc, char** argv) {
  ReportRoundPeakMemory();
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
