// Feeds arbitrary bytes to the settings reader. Beyond not crashing: whatever
// a file held, writing the store and reading it back must settle after one
// round (the write rules are applied once, then the store stays as it is).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MemoryFileSystem.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "stubs/AbortingPrompter.h"

namespace {

ordovan::SettingsStore WriteAndReadBack(const ordovan::SettingsStore& store,
                                        ordovan::fuzzing::MemoryFileSystem& disk) {
  ordovan::stubs::AbortingPrompter prompter;  // an in-memory file can always be written
  {
    ordovan::SaveClass save(store, disk, prompter, "m:\\default.set");
    if (!save.WriteAll()) std::abort();
  }
  if (disk.bytes.size() % ordovan::kSettingsRecordSize != 0) std::abort();
  ordovan::SettingsStore read;
  ordovan::RestoreClass(read, disk, "m:\\default.set").ReadAll();
  return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ordovan::fuzzing::MemoryFileSystem disk;
  disk.bytes.assign(reinterpret_cast<const char*>(data), size);
  ordovan::SettingsStore store;
  std::size_t records = ordovan::RestoreClass(store, disk, "m:\\default.set").ReadAll();
  if (records != size / ordovan::kSettingsRecordSize) std::abort();

  ordovan::SettingsStore once = WriteAndReadBack(store, disk);
  ordovan::SettingsStore twice = WriteAndReadBack(once, disk);
  if (!(once == twice)) std::abort();
  return 0;
}
