// Adding a 1 GiB file of incompressible data to a new archive, against `cp` and `dd` copies of
// the same file in the same run, and the memory the writer needs above the process's baseline.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/archiver.h"
#include "bench/peak_memory.h"
#include "platform/file_stream.h"

namespace {

using pw::bench::ResetPeakRss;
using pw::bench::StatusKiB;

constexpr uint64_t kSourceSize = uint64_t{1} << 30;
// Local header, central header and end record around "source.bin", whose name is held
// twice in each header: as bytes and in the 32-byte Unicode name field.
constexpr uint64_t kArchiveOverhead = 30 + 46 + 22 + 2 * (10 + 32);

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "pw_archive_bench";
  return folder;
}

std::filesystem::path Source() {
  return Folder() / "source.bin";
}

// Pseudo-random bytes written out in full, so that every block is real data on the disk.
void MakeSource() {
  std::filesystem::create_directories(Folder());
  std::ofstream out(Source(), std::ios::binary | std::ios::trunc);
  std::vector<uint64_t> chunk((1 << 20) / sizeof(uint64_t));
  uint64_t state = 0x9E3779B97F4A7C15ull;
  for (uint64_t written = 0; written < kSourceSize; written += chunk.size() * sizeof(uint64_t)) {
    for (uint64_t& word : chunk) {
      state ^= state << 13, state ^= state >> 7, state ^= state << 17;
      word = state;
    }
    out.write(reinterpret_cast<const char*>(chunk.data()),
              static_cast<std::streamsize>(chunk.size() * sizeof(uint64_t)));
  }
}

// Writes back what earlier runs left dirty, so that no run pays for another.
void Settle(const std::filesystem::path& output) {
  std::filesystem::remove(output);
  std::system("sync");
}

// A peer copying the source with a shell command, each run timed alone.
void TimeCopy(benchmark::State& state, const std::string& command,
              const std::filesystem::path& output) {
  for (auto _ : state) {
    state.PauseTiming();
    Settle(output);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError(("failed: " + command).c_str());
      break;
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  Settle(output);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSourceSize));
}

// cp copies inside the kernel (copy_file_range), never touching the bytes itself.
void BM_Cp(benchmark::State& state) {
  const auto output = Folder() / "copy.bin";
  TimeCopy(state, "cp '" + Source().string() + "' '" + output.string() + "'", output);
}

// dd reads and writes every MiB through user space, as an archiver must.
void BM_DdCopy(benchmark::State& state) {
  const auto output = Folder() / "copy.bin";
  TimeCopy(state,
           "dd if='" + Source().string() + "' of='" + output.string() + "' bs=1M status=none",
           output);
}

void BM_AddFiles(benchmark::State& state) {
  const bool flush = state.range(0) != 0;
  const auto output = Folder() / "package.qvx";
  pw::TZFBaseArchiver archiver;
  archiver.SetCompressionLevel(pw::TZFCompressionLevel::None);
  archiver.Options.StorePath = pw::TZFStorePathMode::NoPath;
  archiver.Options.Recurse = false;
  archiver.Options.FlushBuffers = flush;
  archiver.UnicodeFilenames = true;
  archiver.FileName = output;
  int64_t peakAboveBaselineKiB = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Settle(output);
    ResetPeakRss();
    const int64_t baseline = StatusKiB("VmRSS");
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    archiver.OpenArchive(pw::file_mode::kCreate);
    archiver.AddFiles(Source());
    archiver.CloseArchive();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    peakAboveBaselineKiB = std::max(peakAboveBaselineKiB, StatusKiB("VmHWM") - baseline);
    if (std::filesystem::file_size(output) != kSourceSize + kArchiveOverhead) {
      state.SkipWithError("unexpected archive size");
      break;
    }
  }
  Settle(output);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSourceSize));
  state.counters["peak_MiB_above_baseline"] = static_cast<double>(peakAboveBaselineKiB) / 1024;
}

BENCHMARK(BM_Cp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_DdCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_AddFiles)
    ->ArgName("flush")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MakeSource();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  return 0;
}
