#pragma once
// What a reorganize run and an Undo report: the seven result categories, the
// failed-undo list, and the sink they are reported to. The results window
// implements the sink over its lists and the main window's counters; the
// in-memory sink below keeps the same state for tests and for the window to
// mirror.

#include <array>
#include <cstddef>
#include <string>

#include "paths/PathText.h"

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

// The run statistics counters, one per category, kept as doubles like the
// labels that show them.
using RUN_COUNTERS = std::array<double, kResultCategoryCount>;

// A counter as its label shows it: a whole number without decimals.
std::string CounterText(double counter);

class ResultSink {
 public:
  ResultSink() = default;
  ResultSink(const ResultSink&) = delete;
  ResultSink& operator=(const ResultSink&) = delete;
  virtual ~ResultSink() = default;

  // Adds 1 to the category's counter, refreshes the counter labels, and
  // appends the path to the category's list in the results window and in the
  // zoom window.
  virtual void RecordResult(ResultCategory category, const std::string& path) = 0;
  // Refreshes the counter labels, then appends the path to the failed-undo
  // list of the results window and of the zoom window.
  virtual void RecordFailedUndo(const std::string& path) = 0;

  // Empties the eight lists of the zoom window (first step of every run).
  virtual void ClearResultZoomLists() = 0;
  // Empties the eight lists of the results window.
  virtual void ClearResultLists() = 0;
  // Every counter to zero; the labels change at the next refresh.
  virtual void ResetRunCounters() = 0;
  // What Undo does to the counters: all but ToReorganize go to zero.
  virtual void ZeroCountersAfterUndo() = 0;
  // Sets the counter labels from the counters and repaints at once.
  virtual void RefreshResultCounters() = 0;
};

// Keeps counters and lists in memory exactly as the two windows would show
// them (in recorded order; sorting the three sorted lists is the list
// control's business). The window can derive from it and mirror each call.
class InMemoryResults : public ResultSink {
 public:
  void RecordResult(ResultCategory category, const std::string& path) override;
  void RecordFailedUndo(const std::string& path) override;
  void ClearResultZoomLists() override;
  void ClearResultLists() override;
  void ResetRunCounters() override;
  void ZeroCountersAfterUndo() override;
  void RefreshResultCounters() override;

  double counter(ResultCategory category) const { return counters_[CategoryIndex(category)]; }
  const RUN_COUNTERS& counters() const { return counters_; }
  // The counters as the labels showed them at the last refresh; empty texts
  // before the first refresh.
  std::array<std::string, kResultCategoryCount> counter_labels() const;
  const TEXT_LIST& list(ResultCategory category) const { return lists_[CategoryIndex(category)]; }
  const TEXT_LIST& zoom_list(ResultCategory category) const {
    return zoom_lists_[CategoryIndex(category)];
  }
  const TEXT_LIST& failed_undo() const { return failed_undo_; }
  const TEXT_LIST& zoom_failed_undo() const { return zoom_failed_undo_; }
  // How often the labels were refreshed; the window repaints each time.
  std::size_t refresh_count() const { return refresh_count_; }

 private:
  RUN_COUNTERS counters_{};
  RUN_COUNTERS shown_{};  // what the labels show, formatted only when asked
  bool refreshed_ = false;
  std::array<TEXT_LIST, kResultCategoryCount> lists_{};
  std::array<TEXT_LIST, kResultCategoryCount> zoom_lists_{};
  TEXT_LIST failed_undo_;
  TEXT_LIST zoom_failed_undo_;
  std::size_t refresh_count_ = 0;
};

}  // namespace ordovan
