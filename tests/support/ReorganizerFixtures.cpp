#include "support/ReorganizerFixtures.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace ordovan::testing {

namespace fs = std::filesystem;

TEXT_LIST ClientsIncludeList() {
  return {
      "f:\\Old Clients\\Client2\\2015\\",
      "f:\\Old Clients\\Client2\\2016\\emails",
      "f:\\Old Clients\\Client2\\2016\\txt",
      "f:\\Business\\Client3\\2016\\txt",
      "f:\\Old Clients\\Client1\\2016\\docs\\pdf",
      "f:\\Old Clients\\Client1\\2016\\docs\\ppt",
  };
}

void BuildClientsTree(TempTree& tree) {
  // Each file's content names it, so a copy can be traced to its source.
  auto file = [&tree](const std::string& path) { tree.File(path, "content of " + path); };
  file("f:\\Old Clients\\001.jpg");
  file("f:\\Old Clients\\README");
  file("f:\\Old Clients\\Client1\\Email.txt");
  file("f:\\Old Clients\\Client1\\2016\\Separators.doc");
  file("f:\\Old Clients\\Client1\\2016\\docs\\a.pdf");
  file("f:\\Old Clients\\Client1\\2016\\docs\\pdf\\Email.txt");
  file("f:\\Old Clients\\Client1\\2016\\docs\\ppt\\slides.ppt");
  file("f:\\Old Clients\\Client2\\2015\\Notes.txt");
  file("f:\\Old Clients\\Client2\\2016\\Marks.doc");
  file("f:\\Old Clients\\Client2\\2016\\emails\\mail.eml");
  file("f:\\Old Clients\\Client2\\2016\\txt\\x.txt");
  file("f:\\Business\\Terms.pdf");
  file("f:\\Business\\Client3\\2016\\txt\\y.txt");
  tree.Folder("f:\\New Clients");
}

RunInputs ClientsInputs() {
  RunInputs inputs;
  inputs.line_number_map = LineNumbersFor({"Old Clients", "Client2", "2015"});
  inputs.include_entries = ClientsIncludeList();
  inputs.cut = 0;
  inputs.new_level_order = {"2015", "Client2", "Old Clients"};
  inputs.stored_destination = "f:\\New Clients";
  inputs.with_files = true;
  return inputs;
}

ClientsRun::ClientsRun(FileSystem* file_system)
    : drive(tree.Mount("f:")), run(*file_system, prompter, results) {
  BuildClientsTree(tree);
  inputs = ClientsInputs();
}

namespace {

std::uint64_t HashFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
  char buffer[8192];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    for (std::streamsize i = 0; i < in.gcount(); ++i) {
      hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    }
  }
  return hash;
}

}  // namespace

TREE_SNAPSHOT Snapshot(const fs::path& root, const fs::path& skip) {
  TREE_SNAPSHOT snapshot;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    const fs::path& path = it->path();
    if (!skip.empty() && path == skip) {
      it.disable_recursion_pending();
      continue;
    }
    EntryState state;
    const fs::file_status status = it->symlink_status();
    state.mode = static_cast<unsigned>(status.permissions());
    if (fs::is_symlink(status)) {
      state.kind = 'l';
    } else if (fs::is_directory(status)) {
      state.kind = 'd';
    } else {
      state.kind = 'f';
      state.size = it->file_size();
      state.content_hash = HashFile(path);
    }
    snapshot[fs::relative(path, root).generic_string()] = state;
  }
  return snapshot;
}

std::string ReadFile(const TempTree& tree, const std::string& program_path) {
  std::ifstream in(tree.Native(program_path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace ordovan::testing
