#pragma once
// Shared by the import and export tests: a sandbox with drive f: and the
// exact bytes of a file in it.

#include <fstream>
#include <iterator>
#include <string>

#include "importexport/ImportClass.h"
#include "platform/FileSystem.h"
#include "support/RecordingPrompter.h"
#include "support/TempTree.h"

namespace ordovan::testing {

inline std::string FileBytes(const TempTree& tree, const std::string& program_path) {
  std::ifstream in(tree.Native(program_path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Parses `path` with a fresh ImportClass; messages go to `prompter`.
inline TEXT_LIST ParseFile(FileSystem& files, RecordingPrompter& prompter, const std::string& path,
                           int mode, const std::string& delimiter = "", bool abandon = true,
                           int column = 1) {
  ImportClass import(files, prompter, ImportRequest{path, mode, delimiter, "\"", abandon});
  if (mode == ImportOneColumn) import.SetColumn(column);
  import.Parse();
  return import.GetItems();
}

}  // namespace ordovan::testing
