// Extracting deflated entries of 64 MiB to 1 GiB against zlib in memory and Info-ZIP unzip,
// loading a 65,535-entry directory against unzip -l, and the recovery scan over 1 GiB
// against cat.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/archiver.h"
#include "archive/ezf_exception.h"
#include "bench/peak_memory.h"
#include "platform/byte_cursor.h"

namespace {

using pw::bench::ResetPeakRss;
using pw::bench::StatusKiB;

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path folder = fs::temp_directory_path() / "pw_archive_reader_bench";
  return folder;
}

// Inputs of 64 MiB, 256 MiB and 1 GiB, so growth with size shows.
constexpr int64_t kSizesMiB[] = {64, 256, 1024};
constexpr int64_t kLargestMiB = 1024;

fs::path Plain(int64_t mib) {
  return Folder() / ("plain_" + std::to_string(mib) + ".bin");
}
fs::path Deflated(int64_t mib) {
  return Folder() / ("deflated_" + std::to_string(mib) + ".zip");
}
fs::path ManyEntries() {
  return Folder() / "many.zip";
}

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0)
    throw std::runtime_error("failed: " + command);
}

// Writes back what earlier runs left dirty, so that no extraction pays for another's output.
void Settle() {
  Run("sync");
}

// Random lowercase letters (no signature byte in them, about 2:1 under deflate) and their
// deflated archives, and an archive of 65,535 empty entries, all made by Python's zipfile.
void MakeInputs() {
  fs::create_directories(Folder());
  const std::string script =
      "import random, zipfile, sys\n"
      "d = sys.argv[1]\n"
      "r = random.Random(7)\n"
      "block = bytes(r.choice(b'abcdefghijklmnop') for _ in range(1 << 20))\n"
      "for mib in (64, 256, 1024):\n"
      "    with open('%s/plain_%d.bin' % (d, mib), 'wb') as f:\n"
      "        for i in range(mib):\n"
      "            f.write(block[i:] + block[:i])\n"
      "    with zipfile.ZipFile('%s/deflated_%d.zip' % (d, mib), 'w', zipfile.ZIP_DEFLATED,\n"
      "                         compresslevel=1) as z:\n"
      "        z.write('%s/plain_%d.bin' % (d, mib), 'big.bin')\n"
      "with zipfile.ZipFile(d + '/many.zip', 'w') as z:\n"
      "    for i in range(65535):\n"
      "        z.writestr('f%05d.txt' % i, b'')\n";
  std::ofstream(Folder() / "make.py") << script;
  Run(std::string(PW_PYTHON) + " '" + (Folder() / "make.py").string() + "' '" + Folder().string() +
      "'");
}

template <typename Work>
double Seconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The raw deflate stream of the archive's only entry, inflated from the mapped file into a
// 1 MiB buffer with its CRC-32: the speed limit of any extraction.
void BM_ZlibInMemory(benchmark::State& state) {
  const fs::path archive = Deflated(state.range(0));
  const int fd = open(archive.c_str(), O_RDONLY);
  const size_t size = fs::file_size(archive);
  auto* data = static_cast<unsigned char*>(mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0));
  pw::ByteCursor header(std::span<const uint8_t>(data, 30));
  header.Skip(26);  // up to the name and extra field lengths
  const size_t nameLength = header.U16();
  const size_t start = 30 + nameLength + header.U16();
  std::vector<unsigned char> out(1 << 20);
  for (auto _ : state) {
    const double seconds = Seconds([&] {
      z_stream stream{};
      inflateInit2(&stream, -MAX_WBITS);
      stream.next_in = data + start;
      stream.avail_in = static_cast<uInt>(std::min<size_t>(size - start, 1u << 30));
      uLong crc = crc32(0, Z_NULL, 0);
      int status = Z_OK;
      while (status == Z_OK) {
        if (stream.avail_in == 0) {
          const size_t consumed = stream.next_in - data;
          stream.avail_in = static_cast<uInt>(std::min<size_t>(size - consumed, 1u << 30));
        }
        stream.next_out = out.data();
        stream.avail_out = static_cast<uInt>(out.size());
        status = inflate(&stream, Z_NO_FLUSH);
        crc = crc32(crc, out.data(), static_cast<uInt>(out.size() - stream.avail_out));
      }
      inflateEnd(&stream);
      benchmark::DoNotOptimize(crc);
    });
    state.SetIterationTime(seconds);
  }
  munmap(data, size);
  close(fd);
}

// Info-ZIP's unzip, writing the file as we do.
void BM_UnzipToDisk(benchmark::State& state) {
  const fs::path out = Folder() / "unzip";
  const fs::path archive = Deflated(state.range(0));
  for (auto _ : state) {
    fs::remove_all(out);
    Settle();
    state.SetIterationTime(
        Seconds([&] { Run("unzip -o -qq '" + archive.string() + "' -d '" + out.string() + "'"); }));
  }
  fs::remove_all(out);
}

// Info-ZIP's unzip to a pipe: inflating and checking without writing a file.
void BM_UnzipToPipe(benchmark::State& state) {
  const fs::path archive = Deflated(state.range(0));
  for (auto _ : state)
    state.SetIterationTime(
        Seconds([&] { Run("unzip -p '" + archive.string() + "' > /dev/null"); }));
}

void BM_ExtractFiles(benchmark::State& state) {
  const fs::path out = Folder() / "extract";
  const fs::path archive = Deflated(state.range(0));
  int64_t peakKiB = 0;
  for (auto _ : state) {
    fs::remove_all(out);
    fs::create_directories(out);
    Settle();
    ResetPeakRss();
    const int64_t baseline = StatusKiB("VmRSS");
    const double seconds = Seconds([&] {
      pw::TZFBaseArchiver archiver;
      archiver.FileName = archive;
      archiver.OpenArchive();
      archiver.BaseDir = out;
      archiver.ExtractFiles(u"*", pw::zf::kDefaultSearchAttr, u"");
      archiver.CloseArchive();
    });
    peakKiB = std::max(peakKiB, StatusKiB("VmHWM") - baseline);
    state.SetIterationTime(seconds);
    if (fs::file_size(out / "big.bin") != fs::file_size(Plain(state.range(0)))) {
      state.SkipWithError("wrong output size");
      break;
    }
  }
  fs::remove_all(out);
  state.counters["peak_MiB_above_baseline"] = static_cast<double>(peakKiB) / 1024;
}

// Info-ZIP's listing of the same directory.
void BM_UnzipList65535(benchmark::State& state) {
  for (auto _ : state)
    state.SetIterationTime(
        Seconds([] { Run("unzip -l '" + ManyEntries().string() + "' > /dev/null"); }));
}

void BM_LoadDirectory65535(benchmark::State& state) {
  for (auto _ : state) {
    pw::TZFBaseArchiver archiver;
    archiver.FileName = ManyEntries();
    archiver.OpenArchive();
    archiver.CloseArchive();
  }
}

void BM_Cat(benchmark::State& state) {
  for (auto _ : state) {
    state.SetIterationTime(
        Seconds([] { Run("cat '" + Plain(kLargestMiB).string() + "' > /dev/null"); }));
  }
}

// A file without any signature: the scan reads it all, then the open fails.
void BM_RecoveryScan(benchmark::State& state) {
  for (auto _ : state) {
    const double seconds = Seconds([] {
      pw::TZFBaseArchiver archiver;
      archiver.FileName = Plain(kLargestMiB);
      try {
        archiver.OpenArchive();
      } catch (const pw::EZFException&) {
      }
    });
    state.SetIterationTime(seconds);
  }
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  for (int64_t mib : kSizesMiB)
    benchmark->Arg(mib);
  benchmark->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
}

BENCHMARK(BM_ZlibInMemory)->Apply(Sizes);
BENCHMARK(BM_ExtractFiles)->Apply(Sizes);
BENCHMARK(BM_UnzipToPipe)->Apply(Sizes);
BENCHMARK(BM_UnzipToDisk)->Apply(Sizes);
BENCHMARK(BM_UnzipList65535)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_LoadDirectory65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cat)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_RecoveryScan)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MakeInputs();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(Folder());
  return 0;
}
