#include "scanning/LevelCopy.h"

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/PathServices.h"

namespace ordovan {

LevelCopy::LevelCopy(const TEXT_LIST& source_folders, FileSystem& file_system)
    : source_folders_(source_folders), file_system_(file_system) {}

void LevelCopy::SetFromTo(std::uint32_t from, std::uint32_t to) {
  mode_ = kFromTo;
  from_ = from;
  to_ = to;
  above_ = below_ = 0;
}

void LevelCopy::SetAbove(std::uint32_t above) {
  mode_ = kAbove;
  above_ = above;
  from_ = to_ = below_ = 0;
}

void LevelCopy::SetBelow(std::uint32_t below) {
  mode_ = kBelow;
  below_ = below;
  from_ = to_ = above_ = 0;
}

void LevelCopy::SetFilter(const std::string& filter) {
  filter_ = PlatformLower(filter);
  if (!filter_.empty() && filter_.back() == '\\') filter_.pop_back();
}

bool LevelCopy::PassesFilter(const std::string& path) const {
  if (filter_.empty()) return true;
  const std::string name = PlatformLower(SplitParentAndName(Trim(path)).name);
  return name.find(filter_) != std::string::npos;
}

bool LevelCopy::IsLeaf(const std::string& folder, std::uint32_t n) {
  DIR_ENTRIES entries;
  file_system_.ListSubfolders(folder, &entries);
  std::uint32_t subfolders = 0;
  for (const DirEntry& entry : entries) {
    if (!entry.IsDirectory()) continue;
    const std::string path = JoinEntryPath(folder, entry.name);
    if (!file_system_.CanEnterFolder(path)) continue;
    // A link the scan does not enter is no subfolder of this path.
    if ((entry.attributes & kAttrReparsePoint) != 0 && links_ && links_->LeadsIntoTree(path)) {
      continue;
    }
    if (++subfolders > n) return false;
  }
  return true;
}

LevelCopy::Action LevelCopy::Decide(std::uint32_t r) const {
  const bool all = listing_option_ == kAllSubfolders;
  Action action;
  switch (mode_) {
    case kFromTo:
      if (r < from_) {
        action.descend = true;
      } else if (r <= to_) {
        action.add = true;
        action.only_if_leaf = !all && r < to_;
        // Below To nothing can match: its subfolders are not read.
        action.descend = r < to_;
      }
      break;
    case kAbove:
      if (r <= above_) {
        action.add = true;
        action.only_if_leaf = !all && r < above_;
        action.descend = r < above_;
      }
      break;
    case kBelow:
      action.descend = true;
      if (r >= below_) {
        action.add = true;
        action.only_if_leaf = !all;
      }
      break;
  }
  return action;
}

ScanOutcome LevelCopy::Run(EventPump& pump) {
  bool stopped = false;
  for (const std::string& source : source_folders_) {
    Scan(source, pump, &stopped);
    if (stopped) return ScanOutcome::kStopped;
  }
  return ScanOutcome::kFinished;
}

void LevelCopy::Scan(const std::string& source, EventPump& pump, bool* stopped) {
  LinkGuard links(file_system_, source);
  links_ = &links;
  // Levels are counted from the source folder itself, so a source given as a
  // drive root with its backslash ("d:\") has its own folders on level 1.
  std::deque<std::pair<std::string, std::uint32_t>> pending;
  pending.emplace_back(source, 0);
  DIR_ENTRIES entries;
  while (!pending.empty()) {
    if (pump.StopRequested()) {
      *stopped = true;
      links_ = nullptr;
      return;
    }
    auto [folder, level] = std::move(pending.front());
    pending.pop_front();
    file_system_.ListSubfolders(folder, &entries);
    ++folders_listed_;
    const std::uint32_t r = level + 1;
    const Action action = Decide(r);
    if (action.add || action.descend) {
      for (const DirEntry& entry : entries) {
        if (!entry.IsDirectory()) continue;
        std::string path = JoinEntryPath(folder, entry.name);
        if (!file_system_.CanEnterFolder(path)) continue;
        if ((entry.attributes & kAttrReparsePoint) != 0 && !links.MayEnter(path)) continue;
        if (action.add && PassesFilter(path) && (!action.only_if_leaf || IsLeaf(path, 0))) {
          results_.push_back(path);
        }
        if (action.descend) pending.emplace_back(std::move(path), r);
      }
    }
    if (progress_) progress_(*this);
    pump.Pump();
  }
  links_ = nullptr;
}

}  // namespace ordovan
