// Saving and opening plugins in process, temporary folder and all: a typical plugin of 10
// items, and 1,000 to 100,000 items with five selection entries each.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "archive/archiver.h"
#include "bench/sample_plugin.h"
#include "cli/cli_prompts.h"
#include "cli/plugin_document.h"
#include "package/open_plugin.h"
#include "package/package_archiver.h"
#include "package/save_plugin.h"

namespace pw {
namespace {

std::filesystem::path Folder() {
  const auto folder = std::filesystem::temp_directory_path() / "pw_package_bench";
  std::filesystem::create_directories(folder);
  return folder;
}

int64_t Count(const benchmark::State& state) {
  return state.range(0);
}

void BM_SavePlugin(benchmark::State& state) {
  PluginDocument document = SamplePlugin(Count(state), Count(state) != 10);
  DocumentEditor editor(document);
  const auto archiver = MakePackageArchiver();
  CliPrompts prompts;
  for (auto _ : state)
    SavePlugin(editor, *archiver, Folder(), prompts);
  state.SetItemsProcessed(state.iterations() * Count(state));
  std::filesystem::remove_all(Folder());
}

void BM_OpenPlugin(benchmark::State& state) {
  PluginDocument saved = SamplePlugin(Count(state), Count(state) != 10);
  DocumentEditor saver(saved);
  const auto archiver = MakePackageArchiver();
  CliPrompts prompts;
  const auto package = *SavePlugin(saver, *archiver, Folder(), prompts);
  for (auto _ : state) {
    PluginDocument opened;
    DocumentEditor editor(opened);
    OpenPlugin(editor, *archiver, package, Folder(), prompts);
    benchmark::DoNotOptimize(opened.items.Count());
  }
  state.SetItemsProcessed(state.iterations() * Count(state));
  std::filesystem::remove_all(Folder());
}

void ItemCounts(benchmark::internal::Benchmark* benchmark) {
  for (int64_t count : {10, 1000, 3000, 10000, 30000, 100000})
    benchmark->Arg(count);
  benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_SavePlugin)->Apply(ItemCounts);
BENCHMARK(BM_OpenPlugin)->Apply(ItemCounts);

}  // namespace
}  // namespace pw

BENCHMARK_MAIN();
