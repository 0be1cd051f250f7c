#include "scanning/FolderStructSize.h"

#include "platform/EventPump.h"
#include "platform/FileSystem.h"

namespace ordovan {

FolderStructSize::FolderStructSize(const std::string& start_folder) : start_folder_(start_folder) {
  if (!start_folder_.empty()) pending_.emplace_back(start_folder_, 0);
}

ScanOutcome FolderStructSize::Scan(FileSystem& file_system, EventPump& pump) {
  LinkGuard links(file_system, start_folder_);
  DIR_ENTRIES entries;
  while (!pending_.empty()) {
    if (pump.StopRequested()) return ScanOutcome::kStopped;
    auto [folder, level] = std::move(pending_.front());
    pending_.pop_front();
    ++level_histogram_[level];

    file_system.ListFolder(folder, &entries);  // an unreadable folder adds nothing
    for (const DirEntry& entry : entries) {
      std::string path = JoinEntryPath(folder, entry.name);
      // A folder that cannot be entered counts as a file, as the system
      // would not let the user open it either.
      if (entry.IsDirectory() && file_system.CanEnterFolder(path)) {
        if ((entry.attributes & kAttrReparsePoint) != 0 && !links.MayEnter(path)) continue;
        pending_.emplace_back(std::move(path), level + 1);
        ++folder_total_;
      } else {
        ++file_total_;
        size_total_ += entry.size;
      }
    }
    if (progress_) progress_(*this);
    pump.Pump();
  }
  if (!count_start_folder_) --folder_total_;
  return ScanOutcome::kFinished;
}

LEVEL_ROWS FolderStructSize::LevelRows() const {
  LEVEL_ROWS rows;
  for (const auto& [level, folders] : level_histogram_) {
    if (level == 0) continue;  // the start folder itself
    rows.push_back({level, folders});
  }
  return rows;
}

namespace {

_tagLevelReport CommonReport(const FolderStructSize& size) {
  _tagLevelReport report;
  report.folder_name = size.StartFolder();
  for (const _tagLevelRow& row : size.LevelRows()) {
    report.rows.emplace_back(std::to_string(row.level), std::to_string(row.folders));
  }
  report.folder_total = std::to_string(size.FolderTotal());
  report.file_total = std::to_string(size.FileTotal());
  return report;
}

}  // namespace

_tagLevelReport ReportIntoListBuilder(const FolderStructSize& size) {
  _tagLevelReport report = CommonReport(size);
  report.size_text = FormatByteSize(size.SizeTotal()).text;
  return report;
}

_tagLevelReport ReportIntoLevelSummary(const FolderStructSize& size) {
  _tagLevelReport report = CommonReport(size);
  report.size_text = FormatByteSize(size.SizeTotal()).text + "  (" +
                     std::to_string(size.SizeTotal()) + " bytes).";
  return report;
}

}  // namespace ordovan
