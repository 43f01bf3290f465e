// `plugwright-cli build` and `export` of a 10,000-item plugin with five entries per item,
// each run as a separate process the way a script starts it.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/sample_plugin.h"
#include "cli/file_text.h"

extern char** environ;

namespace pw {
namespace {

constexpr int64_t kItems = 10000;

// Runs plugwright-cli with args, its standard output discarded; fails on a non-zero exit.
void RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), PLUGWRIGHT_CLI);
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    throw std::runtime_error("plugwright-cli " + args[1] + " failed");
}

struct Workspace {
  PrivateFolder folder;
  std::filesystem::path document = folder.Path() / "plugin.json";
  std::filesystem::path out = folder.Path() / "out";
  std::filesystem::path package = out / "bench" / "bench.qvx";

  Workspace() { WriteWholeFile(document, PluginDocumentJson(SamplePlugin(kItems, true))); }
};

void BM_BuildProcess(benchmark::State& state) {
  Workspace workspace;
  for (auto _ : state)
    RunCli({"build", workspace.document.string(), "--dir", workspace.out.string()});
  state.SetItemsProcessed(state.iterations() * kItems);
}

void BM_ExportProcess(benchmark::State& state) {
  Workspace workspace;
  RunCli({"build", workspace.document.string(), "--dir", workspace.out.string()});
  const auto exported = workspace.folder.Path() / "back.json";
  for (auto _ : state)
    RunCli({"export", workspace.package.string(), "-o", exported.string()});
  state.SetItemsProcessed(state.iterations() * kItems);
}

BENCHMARK(BM_BuildProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pw

BENCHMARK_MAIN();
