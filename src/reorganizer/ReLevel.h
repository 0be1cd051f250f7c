#pragma once
// Re-leveling: where one included path goes under the destination. Pure: texts
// and maps in, texts and lists out, no disk access.

#include <cstdint>
#include <string>
#include <vector>

#include "paths/PathText.h"
#include "reorganizer/LevelTemplate.h"

namespace ordovan {

struct LevelFolderPair {
  std::int32_t OldLine = 0;
  std::int32_t NewLine = 0;
  std::string OldLevelFolder;
  std::string NewLevelFolder;
};

struct _tagasPieceOldToNewLineNumberStruct {
  bool Flag = false;
  std::string Name;
  std::int32_t First = 0;
  std::int32_t Second = 0;
};

struct ReLeveledPath {
  std::string SourceDrive;
  TEXT_LIST CutNames;
  TEXT_LIST RemainingNames;
  std::string OldMainFolder;
  std::string NewMainFolder;
  std::string NewFullFolder;  // empty when there are no deeper levels
  TEXT_LIST DeeperRelativePaths;
  std::vector<LevelFolderPair> LevelFolderPairs;  // old line order
};

// What stays the same for every path of one run.
struct ReLevelSetup {
  std::int64_t cut = 0;  // n; negative cuts nothing
  MAP_NEW_OLD_LINE_NUMBERS new_to_old;
  MAP_NEW_OLD_LINE_NUMBERS old_to_new;
  // StoredDestination as stored, with separators typed after it dropped and
  // doubled ones made single (`f:\New\` is `f:\New`), so no new path holds `\\`.
  std::string destination;
  PathLevels destination_levels;  // SplitPathLevels(destination), once per run
};

ReLevelSetup MakeReLevelSetup(std::int64_t cut, const LINE_NUMBER_MAP& line_number_map,
                              const std::string& destination);

// The template size N of a setup.
inline std::size_t TemplateSize(const ReLevelSetup& setup) { return setup.new_to_old.size(); }

// True when ReLevelPath is defined for the path: it has at least n + N level
// names, none of them is made of dots and blanks only (such a name would
// climb out of, or vanish from, the folder it stands in, so the new folders
// could land outside the destination), and the setup's two maps are one
// permutation of 0 .. N-1 and its inverse (always so when built from a
// recorded LineNumberMap).
bool CanReLevel(const ReLevelSetup& setup, const std::string& path);
bool CanReLevel(const ReLevelSetup& setup, const PathLevels& path_levels);

// Computes the new place of `path`. When CanReLevel does not hold, only
// SourceDrive, CutNames and RemainingNames are filled and every folder and
// list is empty, so nothing can be created from it.
// A path in network form (`\\server\share\...`) has no drive part, yet its
// folders keep the leading `\\`, so they name the same folders; likewise the
// new level folders of a destination in network form.
ReLeveledPath ReLevelPath(const ReLevelSetup& setup, const std::string& path);

}  // namespace ordovan
