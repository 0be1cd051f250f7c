#include "reorganizer/RunResults.h"

#include <cmath>
#include <cstdio>

namespace ordovan {

std::string CounterText(double counter) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", std::isfinite(counter) ? counter : 0.0);
  return text;
}

void InMemoryResults::RecordResult(ResultCategory category, const std::string& path) {
  counters_[CategoryIndex(category)] += 1;
  RefreshResultCounters();
  lists_[CategoryIndex(category)].push_back(path);
  zoom_lists_[CategoryIndex(category)].push_back(path);
}

void InMemoryResults::RecordFailedUndo(const std::string& path) {
  RefreshResultCounters();
  failed_undo_.push_back(path);
  zoom_failed_undo_.push_back(path);
}

void InMemoryResults::ClearResultZoomLists() {
  for (TEXT_LIST& list : zoom_lists_) list.clear();
  zoom_failed_undo_.clear();
}

void InMemoryResults::ClearResultLists() {
  for (TEXT_LIST& list : lists_) list.clear();
  failed_undo_.clear();
}

void InMemoryResults::ResetRunCounters() { counters_.fill(0); }

void InMemoryResults::ZeroCountersAfterUndo() {
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) {
    if (i != CategoryIndex(ResultCategory::ToReorganize)) counters_[i] = 0;
  }
}

void InMemoryResults::RefreshResultCounters() {
  shown_ = counters_;
  refreshed_ = true;
  ++refresh_count_;
}

std::array<std::string, kResultCategoryCount> InMemoryResults::counter_labels() const {
  std::array<std::string, kResultCategoryCount> labels{};
  if (!refreshed_) return labels;
  for (std::size_t i = 0; i < kResultCategoryCount; ++i) labels[i] = CounterText(shown_[i]);
  return labels;
}

}  // namespace ordovan
