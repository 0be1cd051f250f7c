// The settings file at its first-start size: 415 records, 2,204,480 bytes,
// written and read through the real file system in a temporary folder. The
// reference in the same run is a plain stream writing or reading the same
// number of bytes in record-sized pieces.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "settings/DefaultExtensions.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "stubs/AbortingPrompter.h"

namespace ordovan {
namespace {

namespace fs = std::filesystem;

// A temporary folder mounted as s:, removed when the program ends.
struct BenchFolder {
  BenchFolder() {
    root = fs::temp_directory_path() /
           ("ordovan-settings-bench-" +
            std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(root);
    MountDrive("s:", root);
  }
  ~BenchFolder() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path root;
};

BenchFolder& Folder() {
  static BenchFolder folder;
  return folder;
}

// The store as a first start leaves it.
SettingsStore FirstStartStore() {
  SettingsStore store;
  store.SetProgramCode(kProgramCode);
  store.SetSettingsDirectory("s:\\");
  AppendDefaultExtensions(store);
  store.AppendFileMask("*.*");
  return store;
}

constexpr std::size_t kFirstStartRecords = 415;

void BM_SettingsFirstStartWrite(benchmark::State& state) {
  Folder();
  SettingsStore store = FirstStartStore();
  stubs::AbortingPrompter prompter;
  for (auto _ : state) {
    SaveClass save(store, *FileSystem::Default(), prompter);
    if (!save.WriteAll()) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() * kFirstStartRecords * kSettingsRecordSize);
}
BENCHMARK(BM_SettingsFirstStartWrite)->Unit(benchmark::kMillisecond);

void BM_SettingsReadAll(benchmark::State& state) {
  Folder();
  stubs::AbortingPrompter prompter;
  SettingsStore written = FirstStartStore();
  SaveClass(written, *FileSystem::Default(), prompter).WriteAll();
  for (auto _ : state) {
    SettingsStore store;
    store.SetSettingsDirectory("s:\\");
    RestoreClass restore(store, *FileSystem::Default());
    if (restore.ReadAll() != kFirstStartRecords) state.SkipWithError("short read");
    benchmark::DoNotOptimize(store);
  }
  state.SetBytesProcessed(state.iterations() * kFirstStartRecords * kSettingsRecordSize);
}
BENCHMARK(BM_SettingsReadAll)->Unit(benchmark::kMillisecond);

void BM_ReferenceStreamWrite(benchmark::State& state) {
  fs::path file = Folder().root / "reference.bin";
  std::string record(kSettingsRecordSize, 'r');
  for (auto _ : state) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < kFirstStartRecords; ++i) out.write(record.data(), record.size());
  }
  state.SetBytesProcessed(state.iterations() * kFirstStartRecords * kSettingsRecordSize);
}
BENCHMARK(BM_ReferenceStreamWrite)->Unit(benchmark::kMillisecond);

void BM_ReferenceStreamRead(benchmark::State& state) {
  fs::path file = Folder().root / "reference.bin";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::string all(kFirstStartRecords * kSettingsRecordSize, 'r');
    out.write(all.data(), all.size());
  }
  std::string record(kSettingsRecordSize, '\0');
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    std::size_t records = 0;
    while (in.read(record.data(), record.size())) ++records;
    benchmark::DoNotOptimize(records);
  }
  state.SetBytesProcessed(state.iterations() * kFirstStartRecords * kSettingsRecordSize);
}
BENCHMARK(BM_ReferenceStreamRead)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordovan
