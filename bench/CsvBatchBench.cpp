// Records per second of a CSV batch written to PNG files, through the whole
// command line (reading, templates, drawing, encoding, staging and naming),
// on one thread and on every core. The files go to a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "generator/cli/Cli.h"

namespace {

constexpr int CsvRows = 10000;

// A folder of its own, removed with everything in it.
class TScratchFolder {
 public:
  TScratchFolder() : path_(std::filesystem::temp_directory_path() / ("tessel-csv-bench-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~TScratchFolder() { std::filesystem::remove_all(path_); }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void WriteItems(const std::string& path) {
  std::ofstream csv(path);
  csv << "sku,lot,name\n";
  for (int i = 1; i <= CsvRows; ++i) csv << "SKU-" << i * 7 << "," << i % 1000 << ",\"Item " << i << ", boxed\"\n";
}

void BM_CsvToPngFiles(benchmark::State& state) {
  const TScratchFolder scratch;
  WriteItems(scratch.File("items.csv"));
  const std::string jobs = std::to_string(state.range(0));
  for (auto _ : state) {
    const std::string out = scratch.File("out");
    const int status = tessel::generator::RunCommandLine({"stripemaker", "-s", "Code-128", "--csv",
                                                          scratch.File("items.csv"), "--text", "{sku}-{lot:03}",
                                                          "--name", "{sku}", "-o", out, "--jobs", jobs, "--quiet"});
    if (status != 0) state.SkipWithError("the batch failed");
    state.PauseTiming();
    std::filesystem::remove_all(out);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * CsvRows);
}

int AllCores() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

}  // namespace

BENCHMARK(BM_CsvToPngFiles)->Arg(1)->Arg(AllCores())->Unit(benchmark::kMillisecond)->UseRealTime();
