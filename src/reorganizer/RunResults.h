#pragma once
// The results of a run and of an Undo, one model for the whole program: the
// seven counters, the eight result lists of the results window (three of them
// sorted) and the eight lists of its zoom window (in recorded order), and
// apart from them the files the run did not copy, with their reasons. The
// run and Undo write into it; the results window, its zoom window and the
// main window follow it through observers.

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "paths/PathText.h"
#include "reorganizer/NotCopied.h"
#include "reorganizer/ResultEntries.h"

namespace ordovan {

enum class RunMode { Normal, Simulate };

enum class ResultCategory {
  ToReorganize,
  MainFoldersReorganized,
  SubfoldersReorganized,
  FilesReorganized,
  SourceNotExists,
  DestinationExists,
  OtherReasons,
};
inline constexpr std::size_t kResultCategoryCount = 7;

inline constexpr std::size_t CategoryIndex(ResultCategory category) {
  return static_cast<std::size_t>(category);
}

// The seven result categories in their order, then the failed-undo list,
// then the files not copied (each entry naming its reason).
enum class ResultList {
  ToReorganize,
  MainFoldersReorganized,
  SubfoldersReorganized,
  FilesReorganized,
  SourceNotExists,
  DestinationExists,
  OtherReasons,
  FailedUndo,
  FilesNotCopied,
};
inline constexpr std::size_t kResultListCount = 9;

inline constexpr std::size_t ListIndex(ResultList list) { return static_cast<std::size_t>(list); }
inline constexpr ResultList ListOf(ResultCategory category) {
  return static_cast<ResultList>(CategoryIndex(category));
}
inline constexpr std::array<ResultList, kResultListCount> kAllResultLists = {
    ResultList::ToReorganize,      ResultList::MainFoldersReorganized,
    ResultList::SubfoldersReorganized, ResultList::FilesReorganized,
    ResultList::SourceNotExists,   ResultList::DestinationExists,
    ResultList::OtherReasons,      ResultList::FailedUndo,
    ResultList::FilesNotCopied,
};

// Whether the results window shows a list sorted: the folders to reorganize
// and the reorganized main folders and subfolders.
bool IsSortedResultList(ResultList list);

// The run statistics counters, one per category, kept as doubles like the
// labels that show them.
using RUN_COUNTERS = std::array<double, kResultCategoryCount>;

// A counter as its label shows it: a whole number without decimals.
std::string CounterText(double counter);

class RunResultsObserver {
 public:
  virtual ~RunResultsObserver() = default;
  // The counters were refreshed: labels now show counters().
  virtual void CountersRefreshed() = 0;
};

class RunResults {
 public:
  RunResults();
  RunResults(const RunResults&) = delete;
  RunResults& operator=(const RunResults&) = delete;

  // Observers of the counters; each is added once and removed before it goes.
  void AddObserver(RunResultsObserver* observer);
  void RemoveObserver(RunResultsObserver* observer);

  // Adds 1 to the category's counter, refreshes the counters, and appends the
  // path to the category's list and zoom list.
  void RecordResult(ResultCategory category, const std::string& path);
  // Refreshes the counters, then appends the path to the failed-undo list
  // and its zoom list.
  void RecordFailedUndo(const std::string& path);
  // Keeps a file the run did not copy, appends its entry to the
  // files-not-copied list and its zoom list, and refreshes the counters so
  // the windows show its count.
  void RecordNotCopied(NotCopiedFile file);
  // Empties the lists of the results window, the files not copied with them.
  void ClearResultLists();
  // Empties the zoom lists (first step of every run).
  void ClearResultZoomLists();
  // Every counter to zero; shown at the next refresh.
  void ResetRunCounters();
  // What Undo does to the counters: all but ToReorganize go to zero.
  void ZeroCountersAfterUndo();
  // Shows the counters as they are now: observers redraw their labels.
  void RefreshResultCounters();

  double counter(ResultCategory category) const { return counters_[CategoryIndex(category)]; }
  // The files not copied since the lists were last emptied, in recorded order.
  const NOT_COPIED_FILES& not_copied() const { return not_copied_; }
  const RUN_COUNTERS& counters() const { return counters_; }
  // The counters as the last refresh showed them; empty texts before the
  // first refresh.
  std::array<std::string, kResultCategoryCount> counter_labels() const;
  // How often the counters were refreshed; windows repaint each time.
  std::size_t refresh_count() const { return refresh_count_; }

  ResultEntries& list(ResultList which) { return *lists_[ListIndex(which)]; }
  const ResultEntries& list(ResultList which) const { return *lists_[ListIndex(which)]; }
  ResultEntries& zoom_list(ResultList which) { return *zoom_lists_[ListIndex(which)]; }
  const ResultEntries& zoom_list(ResultList which) const { return *zoom_lists_[ListIndex(which)]; }

 private:
  RUN_COUNTERS counters_{};
  RUN_COUNTERS shown_{};  // what the last refresh showed, formatted only when asked
  bool refreshed_ = false;
  std::size_t refresh_count_ = 0;
  std::array<std::unique_ptr<ResultEntries>, kResultListCount> lists_;
  std::array<std::unique_ptr<ResultEntries>, kResultListCount> zoom_lists_;
  NOT_COPIED_FILES not_copied_;
  std::vector<RunResultsObserver*> observers_;
};

}  // namespace ordovan
