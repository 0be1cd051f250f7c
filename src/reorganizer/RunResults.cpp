#include "reorganizer/RunResults.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ordovan {

std::string CounterText(double counter) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", std::isfinite(counter) ? counter : 0.0);
  return text;
}

bool IsSortedResultList(ResultList list) {
  return list == ResultList::ToReorganize || list == ResultList::MainFoldersReorganized ||
         list == ResultList::SubfoldersReorganized;
}

RunResults::RunResults() {
  for (ResultList which : kAllResultLists) {
    lists_[ListIndex(which)] = std::make_unique<ResultEntries>(
        IsSortedResultList(which) ? ResultEntries::Order::kSorted
                                  : ResultEntries::Order::kRecorded);
    zoom_lists_[ListIndex(which)] =
        std::make_unique<ResultEntries>(ResultEntries::Order::kRecorded);
  }
}

void RunResults::AddObserver(RunResultsObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void RunResults::RemoveObserver(RunResultsObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void RunResults::RecordResult(ResultCategory category, const std::string& path) {
  counters_[CategoryIndex(category)] += 1;
  RefreshResultCounters();
  list(ListOf(category)).Append(path);
  zoom_list(ListOf(category)).Append(path);
}

void RunResults::RecordFailedUndo(const std::string& path) {
  RefreshResultCounters();
  list(ResultList::FailedUndo).Append(path);
  zoom_list(ResultList::FailedUndo).Append(path);
}

void RunResults::RecordNotCopied(NotCopiedFile file) {
  const std::string entry = NotCopiedEntryText(file);
  not_copied_.push_back(std::move(file));
  RefreshResultCounters();
  list(ResultList::FilesNotCopied).Append(entry);
  zoom_list(ResultList::FilesNotCopied).Append(entry);
}

void RunResults::ClearResultLists() {
  for (auto& entries : lists_) entries->Clear();
  not_copied_.clear();
}

void RunResults::ClearResultZoomLists() {
  for (auto& entries : zoom_lists_) entries->Clear();
}

void RunResults::ResetRunCounters() { counters_.fill(0); }

void RunResults::ZeroCountersAfterUndo() {
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    if (i != CategoryIndex(ResultCategory::ToReorganize)) counters_[i] = 0;
  }
}

void RunResults::RefreshResultCounters() {
  shown_ = counters_;
  refreshed_ = true;
  ++refresh_count_;
  // A copy: an observer may stop observing while it is told.
  const auto observers = observers_;
  for (RunResultsObserver* observer : observers) observer->CountersRefreshed();
}

std::array<std::string, kResultCategoryCount> RunResults::counter_labels() const {
  std::array<std::string, kResultCategoryCount> labels{};
  if (!refreshed_) return labels;
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) labels[i] = CounterText(shown_[i]);
  return labels;
}

}  // namespace ordovan
