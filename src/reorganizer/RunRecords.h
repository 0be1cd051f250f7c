#pragma once
// The run records: what the last run created, which the main window keeps
// from one run to the next so that Undo can take it back.

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "paths/PathText.h"
#include "platform/FileSystem.h"

namespace ordovan {

// Each copied file as it was right after its copy, by its text in
// CopiedFiles. Undo deletes only a file that is still that one.
using COPIED_FILE_IDENTITIES = std::unordered_map<std::string, FileIdentity>;

struct RunRecords {
  std::string RunKindMarker;      // "R" once a run passed its destination check
  TEXT_LIST CreatedMainFolders;   // new main folders, in the order met
  TEXT_LIST CreatedSubFolders;    // new full folders a Normal run created
  TEXT_LIST CopiedFiles;          // every target recorded under FilesReorganized
  // What each copied file was right after its copy (Normal runs only).
  COPIED_FILE_IDENTITIES CopiedFileIdentities;
  // Kept so Undo stays inside what this run made: the destination the run
  // used, every folder it created (parents included, in creation order), and
  // whether the records come from a simulation, which created nothing.
  std::string RunDestination;
  TEXT_LIST CreatedFolders;
  bool Simulated = false;
  // Copies an earlier Undo began to delete (an Undo that was killed): one of
  // them found gone is that Undo's work, not the user's.
  std::unordered_set<std::string> RemovedByUndo;

  // Forgets what was created (folders, files and their identities); the
  // marker, the destination and the simulation flag stay.
  void ForgetCreated() {
    CreatedMainFolders.clear();
    CreatedSubFolders.clear();
    CopiedFiles.clear();
    CopiedFileIdentities.clear();
    CreatedFolders.clear();
    RemovedByUndo.clear();
  }
};

}  // namespace ordovan
