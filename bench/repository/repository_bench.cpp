// Writing and reading a repository file of many items with five selection entries each.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "model/number_text.h"
#include "model/repo_items.h"
#include "repository/repository_reader.h"
#include "repository/repository_writer.h"

namespace pw {
namespace {

RepoItems ManyItems(int64_t count) {
  RepoItems items;
  for (int64_t i = 0; i < count; ++i) {
    TRepo item;
    item.iName = u"Item " + DecimalText(i);
    item.iDescription = u"What the setting does, in a sentence.";
    item.iUid = u"0x20001234";
    item.iKey = DecimalText(i);
    item.iType = u"255";
    item.iViewType = u"1";
    item.iMinValue = u"0";
    item.iMaxValue = u"4";
    item.iNumOfCombo = u"5";
    for (int j = 0; j < 5; ++j)
      item.iComboElements.push_back({u"Choice " + DecimalText(j), DecimalText(j)});
    items.Append(std::move(item));
  }
  return items;
}

std::filesystem::path BenchFile() {
  return std::filesystem::temp_directory_path() / "pw_repository_bench.cre";
}

class AppendingSink : public RepoItemSink {
 public:
  void ItemCompleted(TRepo item) override { items.Append(std::move(item)); }
  RepoItems items;
};

void WriteItems(benchmark::State& state) {
  const RepoItems items = ManyItems(state.range(0));
  const auto path = BenchFile();
  for (auto _ : state)
    WriteRepository(path, u"00000", items);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}

// Open and read settings into a fresh item list, as opening a plugin does.
void ReadItems(benchmark::State& state) {
  const auto path = BenchFile();
  WriteRepository(path, u"00000", ManyItems(state.range(0)));
  for (auto _ : state) {
    RepositoryReader reader;
    AppendingSink sink;
    reader.Open(path);
    reader.ReadSettings(sink);
    benchmark::DoNotOptimize(sink.items.Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove(path);
}

BENCHMARK(WriteItems)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadItems)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pw
