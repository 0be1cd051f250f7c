#include "reorganizer/LevelFiles.h"

#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "paths/PathPlaces.h"
#include "platform/Utf8.h"
#include "reorganizer/RunJournalWriter.h"
#include "reorganizer/RunSteps.h"

namespace ordovan {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of the character at 0-based character position `position`
// (the text's size when it has fewer characters).
std::size_t ByteOffsetOfCharacter(const std::string& text, std::size_t position) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (seen == position) return i;
    ++seen;
  }
  return text.size();
}

void RecordFile(LevelFilesContext& context, const std::string& target) {
  context.steps->Then([&context, target] {
    context.results->RecordResult(ResultCategory::FilesReorganized, target);
    context.copied_files->push_back(target);
  });
}

// A copy that made no file. A taken target is the rule at work, not a
// failure, and goes unrecorded; a full disk ends the copying.
void RecordNotCopied(LevelFilesContext& context, const std::string& source,
                     const std::string& target, CopyError reason) {
  if (reason == CopyError::kTargetExists || reason == CopyError::kStopped) return;
  context.results->RecordNotCopied({source, target, reason});
  if (reason == CopyError::kDiskFull) {
    context.disk_full = true;
    context.steps->EndAfterThis();
  }
}

}  // namespace

// One copy of a Normal run, made wherever a worker (or the run's thread)
// takes it up, and recorded in decided order.
class RunCopy final : public StepCopy {
 public:
  RunCopy(LevelFilesContext& context, std::string source, std::string target)
      : StepCopy(ParentFolderOf(target)),
        source(std::move(source)),
        target(std::move(target)),
        context_(context) {
    RunJournalWriter* journal = context.journal;
    // In a folder of its own making the run knows what stands there; elsewhere
    // a journaled copy looks at its target first, so no copy is announced onto
    // a taken target (a crash right after would make someone's file look like
    // it). Unannounced, the exclusive create alone answers.
    how_.look_first = journal && context.made_folders->count(spread()) == 0;
    // Journaled, the copy is written under its own name: the announcement
    // (before it can appear) lets an Undo after a crash know an unfinished copy.
    how_.unnamed_first = journal == nullptr;
    if (journal) {
      how_.announce = [this](const FileIdentity& source_identity) {
        context_.journal->CopyStarting(this->target, source_identity, this->source);
      };
    }
  }

  bool Reached() const override { return result.copied || result.error != CopyError::kStopped; }
  void Apply() override;
  void TakeBack() override;

  const std::string source;
  const std::string target;
  NewFileCopied result;

 protected:
  void Run(const std::atomic<bool>& stop) override {
    how_.stop = &stop;
    result = context_.fs->CopyNewFile(source, target, how_);
  }

 private:
  // No longer in hand: a later copy to the same target asks the records.
  void Forget() {
    const auto found = context_.decided_copies.find(target);
    if (found != context_.decided_copies.end() && found->second.get() == this) {
      context_.decided_copies.erase(found);
    }
  }
  void Record();

  LevelFilesContext& context_;
  NewFileCopy how_;
};

// What the run records of a copy that ended, in decided order: the target
// with what the copy is, so that Undo can tell it from a file someone puts
// there later; or, when it made no file, why. Told by the copy itself:
// asking the disk afterwards could find the state changed.
void RunCopy::Record() {
  LevelFilesContext& context = context_;
  RunJournalWriter* journal = context.journal;
  if (!result.copied) {
    // The announcement ends either way, so the journal never takes a file
    // someone else put there for part of this copy.
    if (result.announced && journal) journal->CopyNotMade(target);
    RecordNotCopied(context, source, target, result.error);
    return;
  }
  context.results->RecordResult(ResultCategory::FilesReorganized, target);
  context.copied_files->push_back(target);
  // A copy whose identity cannot be read is never deleted by Undo but
  // reported, like any file Undo cannot delete.
  if (result.identity) {
    context.copied_file_identities->insert_or_assign(target, *result.identity);
  } else {
    context.copied_without_identity.insert(target);
  }
  // Only now, with the copy complete and known, does the journal record it.
  if (journal) journal->CopiedFile(target, result.identity);
}

void RunCopy::Apply() {
  Forget();
  Record();
}

// A copy the run did not get to record (it stopped, or the disk filled up,
// at a copy decided before it): one worker would not have made it, so what
// it made goes again. Should that fail, the copy is recorded after all, so
// that Undo knows it.
void RunCopy::TakeBack() {
  Forget();
  if (!done()) return;  // never begun
  RunJournalWriter* journal = context_.journal;
  if (result.copied) {
    std::vector<CopyToRemove> made{{target.substr(spread().size() + 1), result.identity}};
    context_.fs->RemoveCopies(spread(), &made, nullptr);
    if (made[0].outcome != CopyRemoval::kRemoved && made[0].outcome != CopyRemoval::kGone) {
      Record();
      return;
    }
  }
  if (result.announced && journal) journal->CopyNotMade(target);
}

namespace {

// Copies a file (on a worker when the run has them) and records it in
// decided order. The names come from a folder listing and are used exactly:
// on POSIX a trailing blank is part of a name, and trimming it would copy
// another file's bytes.
void CopyAndRecord(LevelFilesContext& context, const std::string& source,
                   const std::string& target) {
  // A target this run made or copied to already is taken, without asking
  // the disk; one whose copy is in hand is waited for, as one worker would
  // have finished it first.
  if (context.made_folders->count(target) != 0) return;
  if (const auto decided = context.decided_copies.find(target); decided != context.decided_copies.end()) {
    // Held here: applied while waited for, it leaves the map.
    const std::shared_ptr<RunCopy> earlier = decided->second;
    context.steps->Await(*earlier);
    if (earlier->result.copied || !earlier->done()) return;
  }
  if (context.copied_file_identities->count(target) != 0 ||
      context.copied_without_identity.count(target) != 0) {
    return;
  }
  auto copy = std::make_shared<RunCopy>(context, source, target);
  context.decided_copies[target] = copy;
  context.steps->Copy(std::move(copy));
}

// The names of the entries of `folder` that are copied: files (by the
// listing's own attributes) whose names pass the folder's `*.*` mask. Files
// that would be copied but whose names have no program path are recorded
// as not copied: the program cannot name them to the system.
TEXT_LIST CopyableFiles(LevelFilesContext& context, const std::string& folder) {
  TEXT_LIST names;
  DIR_ENTRIES entries;
  DIR_ENTRIES nameless;
  const bool listed = context.list_folder ? context.list_folder(folder, &entries, &nameless)
                                          : context.fs->ListFolder(folder, &entries, &nameless);
  if (!listed) return names;
  const std::string mask = folder + "\\*.*";
  std::string source;
  auto copyable = [&](const DirEntry& entry) {
    if (entry.name == "." || entry.name == ".." || entry.IsDirectory()) return false;
    source.assign(folder).append(1, '\\').append(entry.name);
    return ExtensionMatchesMask(mask, source);
  };
  for (DirEntry& entry : entries) {
    if (copyable(entry)) names.push_back(std::move(entry.name));
  }
  for (const DirEntry& entry : nameless) {
    // `source` is the folder and the name as the listing shows it.
    if (!copyable(entry)) continue;
    context.steps->Then([&context, source] {
      RecordNotCopied(context, source, std::string(), CopyError::kNoProgramName);
    });
  }
  return names;
}

// True once the run is to end, without pumping: a folder whose files would
// not be copied is not listed either, so nothing is reported of it.
bool RunEnding(const LevelFilesContext& context) {
  return context.disk_full || context.steps->ending() ||
         (context.pump && context.pump->StopRequested());
}

}  // namespace

void AwaitCopyInto(LevelFilesContext& context, const std::string& path) {
  if (const auto copy = context.decided_copies.find(path); copy != context.decided_copies.end()) {
    // Held here: applied while waited for, it leaves the map.
    const std::shared_ptr<RunCopy> in_hand = copy->second;
    context.steps->Await(*in_hand);
  }
}

bool RunStopRequested(const LevelFilesContext& context) {
  if (context.disk_full || context.steps->ending()) return true;
  if (!context.pump) return false;
  context.pump->Pump();
  return context.pump->StopRequested();
}

std::string LevelFilePrefix(const std::string& old_level_folder) {
  return PathToNameText(old_level_folder);
}

bool LevelFolderAndPrefixTooLong(const std::string& new_level_folder, const std::string& prefix) {
  return Utf8CharacterCount(new_level_folder) + Utf8CharacterCount(prefix) > kLevelFolderAndPrefixLimit;
}

std::string LevelFileTarget(const std::string& new_level_folder, const std::string& prefix,
                            const std::string& name) {
  std::string target;
  target.reserve(new_level_folder.size() + prefix.size() + name.size() + 2);
  target.append(new_level_folder).append(1, '\\').append(prefix).append(1, '-').append(name);
  const std::size_t length = Utf8CharacterCount(target);
  if (length <= 254 || name.empty()) return target;
  // Keep the first character and the end of the name; the prefix goes.
  const std::size_t first_end = ByteOffsetOfCharacter(name, 1);
  std::size_t tail_start = 0;  // 0-based character position
  if (length > 264) tail_start = length - 264 - 1;
  std::string shortened = new_level_folder;
  shortened.append(1, '\\').append(name, 0, first_end).append(1, '-');
  shortened.append(name, ByteOffsetOfCharacter(name, tail_start), std::string::npos);
  return shortened;
}

std::string LevelFolderTooLongText(std::size_t length_sum) {
  return "Initial size is to high!\nNew Path + Old Path Modififed with hyphens : " +
         std::to_string(length_sum);
}

void CopyLevelFiles(LevelFilesContext& context, const std::string& old_level_folder,
                    const std::string& new_level_folder, RunMode mode) {
  if (RunEnding(context)) return;
  const std::string prefix = LevelFilePrefix(old_level_folder);
  if (LevelFolderAndPrefixTooLong(new_level_folder, prefix)) {
    const std::size_t sum = Utf8CharacterCount(new_level_folder) + Utf8CharacterCount(prefix);
    context.steps->Then([&context, sum] {
      context.prompter->Warn(LevelFolderTooLongText(sum), kLevelFolderTooLongTitle);
    });
    return;
  }
  auto [cached, first_time] = context.level_folder_files->try_emplace(old_level_folder);
  if (first_time) cached->second = CopyableFiles(context, old_level_folder);
  std::string source;
  for (const std::string& name : cached->second) {
    if (RunStopRequested(context)) return;
    source.assign(old_level_folder).append(1, '\\').append(name);
    std::string target = LevelFileTarget(new_level_folder, prefix, name);
    if (mode == RunMode::Normal) {
      CopyAndRecord(context, source, target);
    } else if (context.simulated_targets->insert(target).second) {
      RecordFile(context, target);
    }
  }
}

void CopyDeeperFiles(LevelFilesContext& context, const std::string& old_main_folder,
                     const std::string& relative_path, const std::string& new_main_folder,
                     RunMode mode) {
  if (RunEnding(context)) return;
  const std::string new_folder = new_main_folder + "\\" + relative_path;
  if (!context.processed_deeper_folders->insert(new_folder).second) return;
  const std::string old_folder = old_main_folder + "\\" + relative_path;
  const TEXT_LIST names = CopyableFiles(context, old_folder);
  if (names.empty()) return;
  // A simulation counts a file only when its target is not there yet; in a
  // folder that does not exist no target can be.
  const bool targets_may_exist = mode == RunMode::Simulate &&
                                 new_main_folder != context.absent_main_folder &&
                                 context.fs->IsFolder(new_folder);
  std::string source;
  std::string target;
  for (const std::string& name : names) {
    if (RunStopRequested(context)) return;
    source.assign(old_folder).append(1, '\\').append(name);
    target.assign(new_folder).append(1, '\\').append(name);
    if (mode == RunMode::Normal) {
      CopyAndRecord(context, source, target);
    } else if (!targets_may_exist || !context.fs->IsFile(target)) {
      RecordFile(context, target);
    }
  }
}

}  // namespace ordovan
