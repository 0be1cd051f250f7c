#include "reorganizer/ReLevel.h"

#include <algorithm>
#include <utility>

namespace ordovan {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// What the joined folders of a path start from: its drive part, or for a
// path in network form (no drive, two leading separators) one backslash, so
// that joining `srv`, `share`, ... gives `\\srv\share\...` again.
std::string RootOf(const std::string& text, const std::string& drive) {
  if (drive.empty() && text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
    return "\\";
  }
  return drive;
}

// `.`, `..` and their Windows look-alikes (`...`, `. .`, a lone blank).
bool IsDotsAndBlanksOnly(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return c == '.' || c == ' '; });
}

std::size_t CutCount(const ReLevelSetup& setup) {
  return setup.cut > 0 ? static_cast<std::size_t>(setup.cut) : 0;
}

// Dense copies of the two maps; false unless NewToOldMap is a permutation of
// 0 .. N-1 with OldToNewMap its inverse, which is what makes every index below
// stay inside the path's names and the new pieces.
bool DenseMaps(const ReLevelSetup& setup, std::vector<std::int32_t>* new_to_old,
               std::vector<std::int32_t>* old_to_new) {
  const std::size_t n = setup.new_to_old.size();
  if (setup.old_to_new.size() != n) return false;
  new_to_old->assign(n, -1);
  old_to_new->assign(n, -1);
  std::size_t k = 0;
  for (const auto& [key, value] : setup.new_to_old) {
    if (key != static_cast<std::int32_t>(k) || value < 0 || static_cast<std::size_t>(value) >= n) {
      return false;
    }
    (*new_to_old)[k++] = value;
  }
  std::size_t l = 0;
  for (const auto& [key, value] : setup.old_to_new) {
    if (key != static_cast<std::int32_t>(l) || value < 0 || static_cast<std::size_t>(value) >= n) {
      return false;
    }
    (*old_to_new)[l++] = value;
  }
  for (std::size_t i = 0; i < n; ++i) {
    if ((*old_to_new)[static_cast<std::size_t>((*new_to_old)[i])] != static_cast<std::int32_t>(i)) {
      return false;
    }
  }
  return true;
}

bool NamesFit(const ReLevelSetup& setup, const PathLevels& path_levels) {
  const std::size_t cut = CutCount(setup);
  const std::size_t count = path_levels.levels.size();
  if (cut > count || count - cut < TemplateSize(setup)) return false;
  return std::none_of(path_levels.levels.begin(), path_levels.levels.end(), IsDotsAndBlanksOnly);
}

void AppendLevel(std::string* folder, const std::string& name) {
  folder->push_back('\\');
  folder->append(name);
}

// The destination as the new paths start from it: every run of separators
// one backslash, none at the end; a network path keeps its two leading ones.
std::string JoinableDestination(const std::string& destination) {
  std::string out;
  out.reserve(destination.size());
  std::size_t i = 0;
  const bool network =
      destination.size() >= 2 && IsSeparator(destination[0]) && IsSeparator(destination[1]);
  if (network) {
    out = "\\\\";
    while (i < destination.size() && IsSeparator(destination[i])) ++i;
  }
  for (; i < destination.size(); ++i) {
    if (!IsSeparator(destination[i])) {
      out.push_back(destination[i]);
    } else if (out.empty() || out.back() != '\\') {
      out.push_back('\\');
    }
  }
  // A drive root keeps its backslash; it is never a run's destination anyway.
  const std::size_t keep = network ? 2 : 1;
  while (out.size() > keep && out.back() == '\\' && out[out.size() - 2] != ':') out.pop_back();
  return out;
}

}  // namespace

ReLevelSetup MakeReLevelSetup(std::int64_t cut, const LINE_NUMBER_MAP& line_number_map,
                              const std::string& destination) {
  ReLevelSetup setup;
  setup.cut = cut;
  setup.new_to_old = NewToOldMap(line_number_map);
  setup.old_to_new = OldToNewMap(line_number_map);
  setup.destination = JoinableDestination(destination);
  setup.destination_levels = SplitPathLevels(setup.destination);
  return setup;
}

bool CanReLevel(const ReLevelSetup& setup, const PathLevels& path_levels) {
  std::vector<std::int32_t> new_to_old, old_to_new;
  return NamesFit(setup, path_levels) && DenseMaps(setup, &new_to_old, &old_to_new);
}

bool CanReLevel(const ReLevelSetup& setup, const std::string& path) {
  return CanReLevel(setup, SplitPathLevels(path));
}

ReLeveledPath ReLevelPath(const ReLevelSetup& setup, const std::string& path) {
  PathLevels split = SplitPathLevels(path);
  ReLeveledPath result;
  const std::size_t cut = std::min(CutCount(setup), split.levels.size());
  auto names_begin = std::make_move_iterator(split.levels.begin());
  auto names_end = std::make_move_iterator(split.levels.end());
  const bool defined = NamesFit(setup, split);
  result.SourceDrive = std::move(split.drive);
  result.CutNames.assign(names_begin, names_begin + static_cast<std::ptrdiff_t>(cut));
  result.RemainingNames.assign(names_begin + static_cast<std::ptrdiff_t>(cut), names_end);

  std::vector<std::int32_t> new_to_old, old_to_new;
  if (!defined || !DenseMaps(setup, &new_to_old, &old_to_new)) return result;

  const TEXT_LIST& remaining = result.RemainingNames;
  const std::size_t template_size = new_to_old.size();
  const std::string source_root = RootOf(path, result.SourceDrive);

  // The level pieces of the old and of the new path.
  std::vector<_tagasPieceOldToNewLineNumberStruct> old_pieces;
  old_pieces.reserve(result.CutNames.size() + template_size);
  for (const std::string& name : result.CutNames) old_pieces.push_back({false, name, 0, 0});
  for (std::size_t l = 0; l < template_size; ++l) {
    old_pieces.push_back({true, remaining[l], static_cast<std::int32_t>(l), old_to_new[l]});
  }
  const TEXT_LIST& destination_names = setup.destination_levels.levels;
  std::vector<_tagasPieceOldToNewLineNumberStruct> new_pieces;
  new_pieces.reserve(destination_names.size() + template_size);
  for (const std::string& name : destination_names) new_pieces.push_back({true, name, 0, 0});
  for (std::size_t k = 0; k < template_size; ++k) {
    const std::int32_t old_line = new_to_old[k];
    new_pieces.push_back({true, remaining[static_cast<std::size_t>(old_line)],
                          static_cast<std::int32_t>(k), old_line});
  }

  // OldMainFolder: the drive, the cut names, then the template part.
  std::string old_prefix = source_root;
  for (const auto& piece : old_pieces) AppendLevel(&old_prefix, piece.Name);
  result.OldMainFolder = old_prefix;

  // NewMainFolder starts from the destination as stored, separators tidied.
  result.NewMainFolder = setup.destination;
  for (std::size_t k = 0; k < template_size; ++k) {
    AppendLevel(&result.NewMainFolder, new_pieces[destination_names.size() + k].Name);
  }

  if (remaining.size() > template_size) {
    result.NewFullFolder = result.NewMainFolder;
    std::string relative;
    for (std::size_t j = template_size; j < remaining.size(); ++j) {
      AppendLevel(&result.NewFullFolder, remaining[j]);
      if (j > template_size) relative.push_back('\\');
      relative.append(remaining[j]);
      result.DeeperRelativePaths.push_back(relative);
    }
  }

  // The new level folder of new line m is the destination as split followed
  // by the first m + 1 template names of the new path: one prefix per m.
  TEXT_LIST new_level_folders;
  new_level_folders.reserve(template_size);
  std::string new_prefix = RootOf(setup.destination, setup.destination_levels.drive);
  for (std::size_t i = 0; i < new_pieces.size(); ++i) {
    AppendLevel(&new_prefix, new_pieces[i].Name);
    if (i >= destination_names.size()) new_level_folders.push_back(new_prefix);
  }

  result.LevelFolderPairs.reserve(template_size);
  old_prefix = source_root;
  for (const auto& piece : old_pieces) {
    AppendLevel(&old_prefix, piece.Name);
    if (!piece.Flag) continue;  // a cut level only lengthens the old prefix
    result.LevelFolderPairs.push_back(
        {piece.First, piece.Second, old_prefix,
         new_level_folders[static_cast<std::size_t>(piece.Second)]});
  }
  return result;
}

}  // namespace ordovan
